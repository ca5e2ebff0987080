// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProracunskaAnvelopa.h"

#include "NajboljiKandidat.h"

namespace {

using Prosireno = long double;

// The most candidates of one quantity besides the forces on the section:
// the regimes on both sides of both orientations and the train off the
// span.
constexpr std::size_t kNajviseDodatnih = 2 * 2 * 6 + 1;

}  // namespace

TProracunskaAnvelopa::TSmerQ TProracunskaAnvelopa::Pripremi(const TVoz& voz, bool obrnut,
                                                            const TKoeficijentiDejstava& k) {
    TSmerQ s;
    s.Obrnut = obrnut;
    if (!voz.Vazi()) return s;
    const TVoz v = obrnut ? voz.Obrnut() : voz;
    const std::int32_t n = v.BrojSila();
    for (std::int32_t j = 0; j < n; ++j) {
        s.OdmakE[static_cast<std::size_t>(j)] = v.Odmak(j + 1);
        s.Odmak[static_cast<std::size_t>(j)] = static_cast<double>(v.Odmak(j + 1));
    }
    s.DuzinaE = v.Odmak(n);
    s.Duzina = static_cast<double>(s.DuzinaE);
    s.Rezimi = RezimiQ(v, k);
    return s;
}

TProracunskaAnvelopa::TProracunskaAnvelopa(const TVoz& voz, const TProracunskaDejstva& dejstva)
    : fTacna(voz),
      fDejstva(dejstva),
      fK(Koeficijenti(dejstva)),
      fNapred(Pripremi(voz, false, fK)),
      fNazad(Pripremi(voz, true, fK)) {}

TVrednostiAnvelope TProracunskaAnvelopa::Vrednosti(double x, TSmerVoza smer) const {
    if (!fTacna.NaRasponu(x)) return {};
    TTacnaAnvelopa::TKandidati kandidati;
    const std::size_t broj = fTacna.Proceni(x, smer, kandidati);
    const double L = Voz().Raspon();
    const double dvaL = 2 * L;
    const double q = fK.Q / dvaL, c = fK.c;
    // q over all the span and g, each part already divided by 2L.
    const TUticajQ<double> uPuno = UticajQ(L, x, L, L), uG = UticajG(L, x);
    const TUticajQ<double> puno{(fK.Q * uPuno.M + fK.G * uG.M) / dvaL,
                                (fK.Q * uPuno.TPlus + fK.G * uG.TPlus) / dvaL,
                                (fK.Q * uPuno.TMinus + fK.G * uG.TMinus) / dvaL};
    const TUticajQ<double> g{fK.G * uG.M / dvaL, fK.G * uG.TPlus / dvaL, fK.G * uG.TMinus / dvaL};

    TVrednostiAnvelope v;
    for (std::size_t k = 0; k < broj; ++k) {
        const TTacnaAnvelopa::TKandidat& kand = kandidati[k];
        TUticajQ<double> u = uPuno;
        if (fK.IspredIIza) {
            const TSmerQ& s = kand.smer->Obrnut ? fNazad : fNapred;
            const double a = x - s.Odmak[static_cast<std::size_t>(kand.sila - kand.smer->Sile.data())] - c;
            u = UticajQ(L, x, a, a + s.Duzina + 2 * c);
        }
        const double M = fK.T * kand.procena.M + q * u.M + g.M;
        const double maxT = fK.T * kand.procena.TLevo + q * u.TPlus + g.TPlus;
        const double minT = fK.T * kand.procena.TDesno + q * u.TMinus + g.TMinus;
        if (k == 0 || M > v.ExtM) v.ExtM = M;
        if (k == 0 || maxT > v.MaxT) v.MaxT = maxT;
        if (k == 0 || minT < v.MinT) v.MinT = minT;
    }
    for (const TSmerQ* s : {&fNapred, &fNazad}) {
        if (s->Obrnut ? smer == TSmerVoza::Napred : smer == TSmerVoza::Nazad) continue;
        const TRezimiQ& r = s->Rezimi;
        for (std::size_t j = 0; j < static_cast<std::size_t>(r.BrojDesnih); ++j) {
            if (!(r.Desni[j].IvicaD >= x)) continue;
            const double B = r.Desni[j].ZagradaD / L;
            if (x * B + puno.M > v.ExtM) v.ExtM = x * B + puno.M;
            if (B + puno.TPlus > v.MaxT) v.MaxT = B + puno.TPlus;
        }
        for (std::size_t j = 0; j < static_cast<std::size_t>(r.BrojLevih); ++j) {
            if (!(r.Levi[j].IvicaD <= x)) continue;
            const double C = r.Levi[j].ZagradaD / L;
            if ((L - x) * C + puno.M > v.ExtM) v.ExtM = (L - x) * C + puno.M;
            if (puno.TMinus - C < v.MinT) v.MinT = puno.TMinus - C;
        }
    }
    // The train off the span, q on all of it.
    if (puno.M > v.ExtM) v.ExtM = puno.M;
    if (puno.TPlus > v.MaxT) v.MaxT = puno.TPlus;
    if (puno.TMinus < v.MinT) v.MinT = puno.TMinus;
    return v;
}

TProracunskiPresek TProracunskaAnvelopa::UPreseku(double x, TSmerVoza smer) const {
    if (!fTacna.NaRasponu(x)) return {};
    TTacnaAnvelopa::TKandidati kandidati;
    const std::size_t brojSila = fTacna.Proceni(x, smer, kandidati);
    const double L = Voz().Raspon();
    const Prosireno X = x, LE = L, doDesnog = LE - X, c = fK.c;
    const double R = Voz().R();

    // q over all the span and g: in double divided by L, in extended as
    // numerators times L.
    const TUticajQ<double> uPuno = UticajQ(L, x, L, L), uG = UticajG(L, x);
    const TUticajQ<Prosireno> uPunoE = UticajQ(LE, X, LE, LE), uGE = UticajG(LE, X);
    const Prosireno QE = fK.Q, GE = fK.G, TE = fK.T;

    // Where the train's leftmost force stands for each candidate, and q's
    // edges; for q anywhere, its edges are L.
    struct TMesto {
        const TSmerQ* smer;
        Prosireno levi;
    };
    const auto mestoSile = [&](std::size_t k) {
        const TTacnaAnvelopa::TKandidat& kand = kandidati[k];
        const TSmerQ* s = kand.smer->Obrnut ? &fNazad : &fNapred;
        return TMesto{s, X - s->OdmakE[static_cast<std::size_t>(kand.sila - kand.smer->Sile.data())]};
    };
    const auto ivice = [&](const TMesto& m) {
        if (!fK.IspredIIza) return std::pair<Prosireno, Prosireno>{LE, LE};
        return std::pair<Prosireno, Prosireno>{m.levi - c, m.levi + m.smer->DuzinaE + c};
    };

    const auto ekstrem = [&](TVelicinaQ velicina) {
        const bool najveci = velicina != TVelicinaQ::MinT;
        const auto izabrana = [&](const TUticajQ<double>& u) {
            return velicina == TVelicinaQ::M      ? u.M
                   : velicina == TVelicinaQ::MaxT ? u.TPlus
                                                  : u.TMinus;
        };
        const auto izabranaE = [&](const TUticajQ<Prosireno>& u) {
            return velicina == TVelicinaQ::M      ? u.M
                   : velicina == TVelicinaQ::MaxT ? u.TPlus
                                                  : u.TMinus;
        };
        const auto vozE = [&](const TTacnaAnvelopa::TBrojioci& b) {
            return velicina == TVelicinaQ::M      ? b.M
                   : velicina == TVelicinaQ::MaxT ? b.TLevo
                                                  : b.TDesno;
        };
        const auto vozD = [&](const TTacnaAnvelopa::TProcena& p) {
            return velicina == TVelicinaQ::M      ? p.M
                   : velicina == TVelicinaQ::MaxT ? p.TLevo
                                                  : p.TDesno;
        };
        const double punoD = (fK.Q * izabrana(uPuno) + fK.G * izabrana(uG)) / (2 * L);
        const Prosireno punoE = (QE * izabranaE(uPunoE) + GE * izabranaE(uGE)) / 2;

        std::array<TDodatni, kNajviseDodatnih> dodatni{};
        std::size_t brojDodatnih = 0;
        for (const TSmerQ* s : {&fNapred, &fNazad}) {
            if (s->Obrnut ? smer == TSmerVoza::Napred : smer == TSmerVoza::Nazad) continue;
            const TRezimiQ& r = s->Rezimi;
            if (velicina != TVelicinaQ::MinT)
                for (std::size_t j = 0; j < static_cast<std::size_t>(r.BrojDesnih); ++j)
                    if (r.Desni[j].Ivica >= X) dodatni[brojDodatnih++] = {s, &r.Desni[j], true};
            if (velicina != TVelicinaQ::MaxT)
                for (std::size_t j = 0; j < static_cast<std::size_t>(r.BrojLevih); ++j)
                    if (r.Levi[j].Ivica <= X) dodatni[brojDodatnih++] = {s, &r.Levi[j], false};
        }
        dodatni[brojDodatnih++] = {smer == TSmerVoza::Nazad ? &fNazad : &fNapred, nullptr,
                                   velicina == TVelicinaQ::MaxT};

        // A regime's value: its bracket times the section's share of it.
        const auto udeoRezima = [&](const TDodatni& d) -> Prosireno {
            if (velicina == TVelicinaQ::M) return d.desni ? X : doDesnog;
            return d.desni ? 1 : -1;
        };
        const auto procena = [&](std::size_t k) {
            double v;
            if (k < brojSila) {
                const TTacnaAnvelopa::TKandidat& kand = kandidati[k];
                TUticajQ<double> u = uPuno;
                if (fK.IspredIIza) {
                    const TMesto m = mestoSile(k);
                    const double a = static_cast<double>(m.levi) - fK.c;
                    u = UticajQ(L, x, a, a + m.smer->Duzina + 2 * fK.c);
                }
                v = fK.T * vozD(kand.procena) + (fK.Q * izabrana(u) + fK.G * izabrana(uG)) / (2 * L);
            } else {
                const TDodatni& d = dodatni[k - brojSila];
                v = punoD;
                if (d.rezim) v += static_cast<double>(udeoRezima(d)) * d.rezim->ZagradaD / L;
            }
            return najveci ? v : -v;
        };
        // The value times L in extended, and where the train and q stand.
        struct TTacno {
            Prosireno brojilac;
            TMesto mesto;
        };
        const auto tacno = [&](std::size_t k) {
            if (k < brojSila) {
                const TMesto m = mestoSile(k);
                const auto [a, b] = ivice(m);
                const TUticajQ<Prosireno> u = UticajQ(LE, X, a, b);
                const Prosireno voz =
                    vozE(TTacnaAnvelopa::Brojioci(*kandidati[k].sila, X, doDesnog));
                return TTacno{TE * voz + (QE * izabranaE(u) + GE * izabranaE(uGE)) / 2, m};
            }
            const TDodatni& d = dodatni[k - brojSila];
            if (d.rezim)
                return TTacno{punoE + udeoRezima(d) * d.rezim->Zagrada, {d.smer, d.rezim->Levi}};
            // Off the span on the side where the train carries nothing at
            // the section even with no clearance: beyond the right support
            // for the largest shear, the left one otherwise.
            return TTacno{punoE, {d.smer, d.desni ? LE + c : -c - d.smer->DuzinaE}};
        };
        const double skala = velicina == TVelicinaQ::M ? fK.T * R * L + (fK.Q + fK.G) * L * L
                                                        : fK.T * R + (fK.Q + fK.G) * L;
        const std::size_t p = NajboljiKandidat(
            brojSila + brojDodatnih, procena,
            [&](std::size_t k) {
                const Prosireno v = tacno(k).brojilac;
                return static_cast<double>(najveci ? v : -v);
            },
            skala);

        const TTacno t = tacno(p);
        TProracunskiEkstrem e;
        e.Vrednost = static_cast<double>(t.brojilac / L);
        if (p < brojSila) {
            const auto& s = *kandidati[p].sila;
            e.Polozaj = {static_cast<double>(X + s.DoP1), s.Sila, kandidati[p].smer->Obrnut};
        } else {
            const TSmerQ& s = *t.mesto.smer;
            e.Polozaj = {static_cast<double>(s.Obrnut ? t.mesto.levi + s.DuzinaE : t.mesto.levi), 0,
                         s.Obrnut};
        }
        if (fK.Q > 0) {
            const auto [a, b] = ivice(t.mesto);
            e.Q = DeoniceQ(L, x, static_cast<double>(a), static_cast<double>(b), velicina);
        }
        return e;
    };
    return {ekstrem(TVelicinaQ::M), ekstrem(TVelicinaQ::MaxT), ekstrem(TVelicinaQ::MinT)};
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProracunskaAnvelopa.h"

#include "NajboljiKandidat.h"
#include "Prosireno.h"

namespace {

// The most candidates of one quantity besides the forces on the section:
// the regimes on both sides of both orientations and the train off the
// span.
constexpr std::size_t kNajviseDodatnih = 2 * 2 * 6 + 1;

template <class T>
T Izabrana(const TUticajQ<T>& u, TVelicinaQ v) {
    return v == TVelicinaQ::M ? u.M : v == TVelicinaQ::MaxT ? u.TPlus : u.TMinus;
}

}  // namespace

TProracunskaAnvelopa::TSmerQ TProracunskaAnvelopa::Pripremi(const TVoz& voz, bool obrnut,
                                                            const TKoeficijentiDejstava& k) {
    TSmerQ s;
    s.Obrnut = obrnut;
    if (!voz.Vazi()) return s;
    const TVoz v = obrnut ? voz.Obrnut() : voz;
    const std::int32_t n = v.BrojSila();
    s.DuzinaE = v.Odmak(n);
    const Prosireno c = k.c;
    for (std::size_t j = 0; j < static_cast<std::size_t>(n); ++j) {
        const Prosireno odmak = v.Odmak(static_cast<std::int32_t>(j) + 1);
        s.DoLeveIviceE[j] = odmak + c;
        s.DoDesneIviceE[j] = s.DuzinaE - odmak + c;
        s.DoLeveIvice[j] = static_cast<double>(s.DoLeveIviceE[j]);
        s.DoDesneIvice[j] = static_cast<double>(s.DoDesneIviceE[j]);
    }
    s.Rezimi = RezimiQ(v, k);
    return s;
}

TProracunskaAnvelopa::TProracunskaAnvelopa(const TVoz& voz, const TProracunskaDejstva& dejstva)
    : fTacna(voz),
      fDejstva(dejstva),
      fK(Koeficijenti(dejstva)),
      fNapred(Pripremi(voz, false, fK)),
      fNazad(Pripremi(voz, true, fK)),
      fQKrozDvaL(fK.Q / (2 * voz.Raspon())),
      fGKrozDvaL(fK.G / (2 * voz.Raspon())) {}

// The train's reading times T, q's part and g's, so that at the start values
// (T = 1, Q = G = 0) the train's reading comes back bit for bit.
void TProracunskaAnvelopa::Proceni(double x, const TTacnaAnvelopa::TKandidati& kandidati,
                                   std::size_t broj,
                                   std::array<TUticajQ<double>, 12>& procene) const {
    const double L = Voz().Raspon(), doDesnog = L - x;
    const double q = fQKrozDvaL, T = fK.T;
    const TUticajQ<double> uG = UticajG(L, x);
    const double gM = fGKrozDvaL * uG.M, gT = fGKrozDvaL * uG.TPlus;
    if (!fK.IspredIIza) {
        // q anywhere: the same part for every position.
        const TUticajQ<double> u = UticajQ(L, x, L, L);
        const double qM = q * u.M + gM, qMax = q * u.TPlus + gT, qMin = q * u.TMinus + gT;
        for (std::size_t k = 0; k < broj; ++k) {
            const auto& p = kandidati[k].procena;
            procene[k] = {T * p.M + qM, T * p.TLevo + qMax, T * p.TDesno + qMin};
        }
        return;
    }
    for (std::size_t k = 0; k < broj; ++k) {
        const TTacnaAnvelopa::TKandidat& kand = kandidati[k];
        const TSmerQ& s = SmerQ(kand);
        const std::size_t j = Indeks(kand);
        // With a force on x, q's edges lie either side of it.
        const double A = std::max(x - s.DoLeveIvice[j], 0.0);
        const double E = std::max(doDesnog - s.DoDesneIvice[j], 0.0);
        const double A2 = A * A, E2 = E * E;
        const auto& p = kand.procena;
        procene[k] = {T * p.M + q * (doDesnog * A2 + x * E2) + gM, T * p.TLevo + q * E2 + gT,
                      T * p.TDesno - q * A2 + gT};
    }
}

TVrednostiAnvelope TProracunskaAnvelopa::Vrednosti(double x, TSmerVoza smer) const {
    if (!fTacna.NaRasponu(x)) return {};
    TTacnaAnvelopa::TKandidati kandidati;
    const std::size_t broj = fTacna.Proceni(x, smer, kandidati);
    std::array<TUticajQ<double>, 12> procene;
    Proceni(x, kandidati, broj, procene);
    TVrednostiAnvelope v{procene[0].M, procene[0].TPlus, procene[0].TMinus};
    for (std::size_t k = 1; k < broj; ++k) {
        if (procene[k].M > v.ExtM) v.ExtM = procene[k].M;
        if (procene[k].TPlus > v.MaxT) v.MaxT = procene[k].TPlus;
        if (procene[k].TMinus < v.MinT) v.MinT = procene[k].TMinus;
    }
    if (!fK.IspredIIza) return v;

    const double L = Voz().Raspon();
    const TUticajQ<double> uPuno = UticajQ(L, x, L, L), uG = UticajG(L, x);
    // q over all the span and g.
    const double punoM = fQKrozDvaL * uPuno.M + fGKrozDvaL * uG.M;
    const double punoMax = fQKrozDvaL * uPuno.TPlus + fGKrozDvaL * uG.TPlus;
    const double punoMin = fQKrozDvaL * uPuno.TMinus + fGKrozDvaL * uG.TMinus;
    for (const TSmerQ* s : {&fNapred, &fNazad}) {
        if (s->Obrnut ? smer == TSmerVoza::Napred : smer == TSmerVoza::Nazad) continue;
        const TRezimiQ& r = s->Rezimi;
        for (std::size_t j = 0; j < static_cast<std::size_t>(r.BrojDesnih); ++j) {
            if (!(r.Desni[j].IvicaD >= x)) continue;
            const double B = r.Desni[j].ZagradaKrozL;
            if (x * B + punoM > v.ExtM) v.ExtM = x * B + punoM;
            if (B + punoMax > v.MaxT) v.MaxT = B + punoMax;
        }
        for (std::size_t j = 0; j < static_cast<std::size_t>(r.BrojLevih); ++j) {
            if (!(r.Levi[j].IvicaD <= x)) continue;
            const double C = r.Levi[j].ZagradaKrozL;
            if ((L - x) * C + punoM > v.ExtM) v.ExtM = (L - x) * C + punoM;
            if (punoMin - C < v.MinT) v.MinT = punoMin - C;
        }
    }
    // The train off the span, q on all of it.
    if (punoM > v.ExtM) v.ExtM = punoM;
    if (punoMax > v.MaxT) v.MaxT = punoMax;
    if (punoMin < v.MinT) v.MinT = punoMin;
    return v;
}

TProracunskiPresek TProracunskaAnvelopa::UPreseku(double x, TSmerVoza smer) const {
    if (!fTacna.NaRasponu(x)) return {};
    TTacnaAnvelopa::TKandidati kandidati;
    const std::size_t brojSila = fTacna.Proceni(x, smer, kandidati);
    std::array<TUticajQ<double>, 12> procene;
    Proceni(x, kandidati, brojSila, procene);

    const double L = Voz().Raspon(), R = Voz().R();
    const Prosireno X = x, LE = L, doDesnog = LE - X, c = fK.c;
    const Prosireno QE = fK.Q, GE = fK.G, TE = fK.T;
    // q over all the span and g: in double divided by L, in extended as
    // numerators times L.
    const TUticajQ<double> uPuno = UticajQ(L, x, L, L), uG = UticajG(L, x);
    const TUticajQ<Prosireno> uPunoE = UticajQ(LE, X, LE, LE), uGE = UticajG(LE, X);

    // Where the train's leftmost force stands, and its orientation.
    struct TMesto {
        const TSmerQ* smer;
        Prosireno levi;
    };
    // q's edges with the train there; for q anywhere, both at L.
    const auto ivice = [&](const TMesto& m) {
        if (!fK.IspredIIza) return std::pair<Prosireno, Prosireno>{LE, LE};
        return std::pair<Prosireno, Prosireno>{m.levi - c, m.levi + m.smer->DuzinaE + c};
    };

    const auto ekstrem = [&](TVelicinaQ velicina) {
        const bool najveci = velicina != TVelicinaQ::MinT;
        const double punoD =
            (fK.Q * Izabrana(uPuno, velicina) + fK.G * Izabrana(uG, velicina)) / (2 * L);
        const Prosireno punoE =
            (QE * Izabrana(uPunoE, velicina) + GE * Izabrana(uGE, velicina)) / 2;
        // A regime's value: its bracket times the section's share of it.
        const auto udeo = [&](const TDodatni& d) -> Prosireno {
            if (velicina == TVelicinaQ::M) return d.desni ? X : doDesnog;
            return d.desni ? 1 : -1;
        };

        std::array<double, 12 + kNajviseDodatnih> procena;
        for (std::size_t k = 0; k < brojSila; ++k) procena[k] = Izabrana(procene[k], velicina);
        std::array<TDodatni, kNajviseDodatnih> dodatni;
        std::size_t broj = brojSila;
        const auto dodaj = [&](const TDodatni& d) {
            dodatni[broj - brojSila] = d;
            procena[broj++] =
                punoD + (d.rezim ? static_cast<double>(udeo(d)) * d.rezim->ZagradaKrozL : 0.0);
        };
        if (fK.IspredIIza) {
            for (const TSmerQ* s : {&fNapred, &fNazad}) {
                if (s->Obrnut ? smer == TSmerVoza::Napred : smer == TSmerVoza::Nazad) continue;
                const TRezimiQ& r = s->Rezimi;
                if (velicina != TVelicinaQ::MinT)
                    for (std::size_t j = 0; j < static_cast<std::size_t>(r.BrojDesnih); ++j)
                        if (r.Desni[j].Ivica >= X) dodaj({s, &r.Desni[j], true});
                if (velicina != TVelicinaQ::MaxT)
                    for (std::size_t j = 0; j < static_cast<std::size_t>(r.BrojLevih); ++j)
                        if (r.Levi[j].Ivica <= X) dodaj({s, &r.Levi[j], false});
            }
        }
        // Off the span on the side where the train carries nothing at the
        // section even with no clearance: beyond the right support for the
        // largest shear, the left one otherwise.
        dodaj(
            {smer == TSmerVoza::Nazad ? &fNazad : &fNapred, nullptr, velicina == TVelicinaQ::MaxT});

        // The value times L in extended, and where the train stands.
        struct TTacno {
            Prosireno brojilac;
            TMesto mesto;
        };
        const auto tacno = [&](std::size_t k) {
            if (k < brojSila) {
                const TTacnaAnvelopa::TKandidat& kand = kandidati[k];
                const TSmerQ& s = SmerQ(kand);
                const std::size_t j = Indeks(kand);
                const TTacnaAnvelopa::TBrojioci b =
                    TTacnaAnvelopa::Brojioci(*kand.sila, X, doDesnog);
                const Prosireno voz = velicina == TVelicinaQ::M      ? b.M
                                      : velicina == TVelicinaQ::MaxT ? b.TLevo
                                                                     : b.TDesno;
                const TUticajQ<Prosireno> u =
                    fK.IspredIIza
                        ? UticajQSilaNaPreseku(LE, X, X - s.DoLeveIviceE[j], X + s.DoDesneIviceE[j])
                        : uPunoE;
                return TTacno{
                    TE * voz + (QE * Izabrana(u, velicina) + GE * Izabrana(uGE, velicina)) / 2,
                    {&s, X - s.DoLeveIviceE[j] + c}};
            }
            const TDodatni& d = dodatni[k - brojSila];
            if (d.rezim) return TTacno{punoE + udeo(d) * d.rezim->Zagrada, {d.smer, d.rezim->Levi}};
            return TTacno{punoE, {d.smer, d.desni ? LE + c : -c - d.smer->DuzinaE}};
        };
        const double skala = velicina == TVelicinaQ::M ? fK.T * R * L + (fK.Q + fK.G) * L * L
                                                       : fK.T * R + (fK.Q + fK.G) * L;
        const std::size_t p = NajboljiKandidat(
            broj, [&](std::size_t k) { return najveci ? procena[k] : -procena[k]; },
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

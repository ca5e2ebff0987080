// SPDX-License-Identifier: GPL-3.0-or-later
#include "SkiceListe.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "Crtanje.h"
#include "CrtezPolozaja.h"
#include "Font.h"
#include "FormatBroja.h"
#include "PismaListe.h"
#include "PojasQ.h"
#include "ProracunskaAnvelopa.h"
#include "SkicaVoza.h"
#include "Zaokruzivanje.h"

namespace {

constexpr TBoja kRazdelnik{200, 200, 200};
// The labels' size in points.
constexpr double kSlova = 8;

// The device units of a length in points, and the labels' cell height.
struct TMere {
    double pt;
    int slova;

    explicit TMere(const TPlatno& c)
        : pt(c.TacakaPoIncu() / 72.0), slova(ZaokruziParno(kSlova * 1.2 * pt)) {}
    int D(double tacaka) const { return ZaokruziParno(tacaka * pt); }
    int Sirina(const std::string& t, bool podebljan = false) const {
        return ZaokruziParno(
            SirinaTeksta(t, podebljan ? TPismoListe::Podebljano : TPismoListe::Obicno, kSlova) *
            pt);
    }
};

void PodesiFont(TPlatno& c, const TMere& m) {
    c.Font() = TFont(kTipografija, kCrna, false, static_cast<int>(kSlova));
    c.Font().PostaviVisinu(m.slova);
}

// A dimension line from x1 to x2 at y with ticks at its ends, its text
// over it on the first of `linije` lines (ending farther left) it fits.
void Kota(TPlatno& c, const TMere& m, int x1, int x2, int y, const std::string& tekst,
          std::array<int, 2>& krajLinije) {
    const int crtica = m.slova / 3;
    c.Olovka() = {kCrna, std::max(1, m.D(0.4))};
    Linija(c, x1, y, x2, y);
    Linija(c, x1, y - crtica, x1, y + crtica);
    Linija(c, x2, y - crtica, x2, y + crtica);
    const int sirina = m.Sirina(tekst);
    const int levo = (x1 + x2) / 2 - sirina / 2;
    const std::size_t red =
        levo > krajLinije[0] + m.slova / 3 || krajLinije[0] <= krajLinije[1] ? 0 : 1;
    krajLinije[red] = levo + sirina;
    c.Font().Boja = kCrna;
    // Over the ticks' ends, so that a short dimension's text crosses none.
    c.Tekst(levo, y - crtica - m.slova - 1 - static_cast<int>(red) * (m.slova + 1), tekst);
}

// The train as a governing value has it: its force on the section, or,
// where none stands on it, P1 where it says.
TVozUPolozaju UPolozaju(const TVoz& voz, const TKriticniPolozaj& p, double x) {
    if (p.Sila == 0) return TVozUPolozaju::SaP1(voz, p.Obrnut, p.PolozajP1);
    return TVozUPolozaju(voz, p.Obrnut, p.Sila, x);
}

struct TRedPolozaja {
    std::string naslov;
    TVozUPolozaju polozaj;
    double x;
    std::optional<TDeoniceQ> q;
};

std::string Broj(double v, TJedinica j, char sep) { return FormatInzenjerski(v, j, sep); }

std::string Polozaj(const TVoz& voz, const TKriticniPolozaj& p, char sep) {
    std::string s = ": P1 na " + Broj(p.PolozajP1, TJedinica::m, sep) + " m, ";
    s += p.Sila > 0 ? "P" + std::to_string(p.Sila) + " na preseku" : "nijedna sila na preseku";
    const std::string n = std::to_string(voz.BrojSila());
    return s + ", voz " + (p.Obrnut ? "P" + n + "..P1" : "P1..P" + n);
}

std::string TekstQ(const TDeoniceQ& q, char sep) {
    if (q.Broj == 0) return "; q ne stoji na rasponu";
    std::string t;
    for (std::int32_t i = 0; i < q.Broj; ++i) {
        const TDeonica& d = q.Deonice[static_cast<std::size_t>(i)];
        t += (i == 0 ? "; q od " : " i od ") + Broj(d.Od, TJedinica::m, sep) + " do " +
             Broj(d.Do, TJedinica::m, sep) + " m";
    }
    return t;
}

std::vector<TRedPolozaja> RedoviPolozaja(const TSadrzajListe& s) {
    const char sep = s.Separator;
    const TVoz voz(ZapisIzTekstova(s.Tekstovi, sep), s.BrojSila);
    const double L = voz.Raspon();
    std::vector<TRedPolozaja> redovi;
    const auto dodaj = [&](const TMerodavneVrednosti& m, const char* ed,
                           const TProracunskaAnvelopa* anvelopa) {
        const std::string pre = ed;
        const auto red = [&](std::string naslov, const TMerodavnaVrednost& v, TJedinica j,
                             const char* jedinica, std::optional<TDeoniceQ> q) {
            const std::string vrednost = Broj(v.Vrednost, j, sep);
            naslov += " = " + vrednost + " " + jedinica +
                      " u preseku x = " + Broj(v.x, TJedinica::m, sep) + " m" +
                      Polozaj(voz, v.Polozaj, sep);
            if (q) naslov += TekstQ(*q, sep);
            redovi.push_back({std::move(naslov), UPolozaju(voz, v.Polozaj, v.x), v.x, q});
        };
        const auto q =
            [&](double x,
                const TProracunskiEkstrem TProracunskiPresek::*e) -> std::optional<TDeoniceQ> {
            if (!anvelopa) return std::nullopt;
            return (anvelopa->UPreseku(x, s.Smer).*e).Q;
        };
        red("Mmax" + pre, m.Mmax, TJedinica::kNm, "kNm", q(m.Mmax.x, &TProracunskiPresek::M));
        red("Amax" + pre + " = Tmax" + pre, m.Amax, TJedinica::kN, "kN",
            q(0.0, &TProracunskiPresek::MaxT));
        red("Bmax" + pre + " = -Tmin" + pre, m.Bmax, TJedinica::kN, "kN",
            q(L, &TProracunskiPresek::MinT));
    };
    dodaj(s.Tacne, "", nullptr);
    if (s.SaDejstvima) {
        const TProracunskaAnvelopa anvelopa(voz, s.Dejstva);
        dodaj(s.SaDejstvima->Proracunske, " Ed", &anvelopa);
    }
    return redovi;
}

}  // namespace

void NacrtajSkicuOpterecenja(TPlatno& platno, std::int32_t W, std::int32_t H,
                             const TSadrzajListe& s) {
    platno.PopuniPozadinu(0, 0, W, H);
    const TPodaci podaci = ZapisIzTekstova(s.Tekstovi, s.Separator);
    const TVoz voz(podaci, s.BrojSila);
    if (!voz.Vazi() || !(voz.Raspon() > 0)) return;
    const TMere m(platno);
    PodesiFont(platno, m);
    TPlatnoNatpisa c(platno, {0, 0, W, H});
    TCrtezPolozaja d{c, m.slova, s.Separator};
    const TVozUPolozaju polozaj = TVozUPolozaju::SaP1(voz, false, 0.0);
    const TVozUPolozaju jedan[] = {polozaj};
    // Under the sketch two rows of dimensions: the spacings, then the span.
    const int kote = 2 * (2 * m.slova + m.D(6));
    const int vrh = m.D(2);
    const int strele = std::max(m.slova, H - vrh - VisinaSkice(d, 0) - kote - m.D(4));
    const TMestoSkice mesto{RazmeraPolozaja(jedan, m.D(20), W - m.D(20)), vrh, strele, 0, W, true};
    NacrtajSkicuVoza(d, mesto, polozaj, podaci.ProizvoljnoX(), nullptr);

    const TRazmeraSkice& r = mesto.razmera;
    int y = vrh + VisinaSkice(d, strele) + 2 * m.slova + m.D(2);
    std::array<int, 2> kraj{-1'000'000, -1'000'000};
    for (std::int32_t k = 1; k < voz.BrojSila(); ++k) {
        const std::string tekst =
            "L" + std::to_string(k) + " = " +
            FormatBroja(voz.Ls()[static_cast<std::size_t>(k - 1)], s.Separator) + " m";
        Kota(c, m, r.X(voz.Odmak(k)), r.X(voz.Odmak(k + 1)), y, tekst, kraj);
    }
    y += 2 * m.slova + m.D(6);
    kraj = {-1'000'000, -1'000'000};
    Kota(c, m, r.X(0), r.X(voz.Raspon()), y, "L = " + FormatBroja(voz.Raspon(), s.Separator) + " m",
         kraj);
}

int BrojRedovaPolozaja(const TSadrzajListe& s) { return s.SaDejstvima ? 6 : 3; }

void NacrtajPolozajeMerodavnih(TPlatno& platno, std::int32_t W, std::int32_t H,
                               const TSadrzajListe& s) {
    platno.PopuniPozadinu(0, 0, W, H);
    const TVoz voz(ZapisIzTekstova(s.Tekstovi, s.Separator), s.BrojSila);
    if (!voz.Vazi() || !(voz.Raspon() > 0)) return;
    const TMere m(platno);
    PodesiFont(platno, m);
    TPlatnoNatpisa c(platno, {0, 0, W, H});
    TCrtezPolozaja d{c, m.slova, s.Separator};
    const std::vector<TRedPolozaja> redovi = RedoviPolozaja(s);
    std::vector<TVozUPolozaju> polozaji;
    for (const TRedPolozaja& r : redovi) polozaji.push_back(r.polozaj);
    const TRazmeraSkice razmera = RazmeraPolozaja(polozaji, m.D(20), W - m.D(20));
    bool saVrednostima = true;
    for (const TVozUPolozaju& p : polozaji)
        saVrednostima = saVrednostima && VrednostiStaju(d, {razmera, 0, 0, 0, W, true}, p);
    const int visinaReda = H / static_cast<int>(redovi.size());
    const int naslov = m.slova + m.D(6);
    const int strele = std::max(m.slova, visinaReda - naslov - VisinaSkice(d, 0) - m.D(4));
    for (std::size_t i = 0; i < redovi.size(); ++i) {
        const TRedPolozaja& r = redovi[i];
        const int vrh = static_cast<int>(i) * visinaReda;
        if (i > 0) {
            c.Olovka() = {kRazdelnik, 1};
            Linija(c, 0, vrh, W, vrh);
        }
        d.Font(r.q ? kBojaProracunskog : kCrna, true);
        c.Tekst(m.D(4), vrh + m.D(3), r.naslov);
        const TMestoSkice mesto{razmera, vrh + naslov, strele, 0, W, saVrednostima};
        NacrtajSkicuVoza(d, mesto, r.polozaj, r.x, nullptr, r.q ? &*r.q : nullptr);
    }
}

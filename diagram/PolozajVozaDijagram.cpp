// SPDX-License-Identifier: GPL-3.0-or-later
#include "PolozajVozaDijagram.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "ApsolutniMaksimum.h"
#include "CrtezPolozaja.h"
#include "Font.h"
#include "FormatBroja.h"
#include "KriticniPolozaji.h"
#include "Manjak.h"
#include "ManjakKlasicnog.h"
#include "PrelazVozaCrtez.h"
#include "ProracunskaAnvelopa.h"
#include "Prosireno.h"
#include "SkicaVoza.h"
#include "UticajneLinijeCrtez.h"
#include "Zaokruzivanje.h"

namespace {

constexpr TBoja kBojaRazdelnika{200, 200, 200};

// Below this the rows' texts and arrows no longer fit.
constexpr int kNajmanjaSirina = 200;
constexpr int kNajmanjaVisina = 150;

// The texts' cell height: the input form's 13-pixel letters at the least,
// larger on a larger picture; smaller only where the picture cannot hold
// them.
constexpr int kSlovaForme = 15;
constexpr int kNajvecaSlova = 36;
constexpr int kNajmanjaSlova = 8;

std::string Procenat(double v, char sep) {
    return FormatInzenjerski(v, TJedinica::Procenat, sep) + " %";
}

// Which of the train's forces: "P1", "P1..P4" or the whole train.
std::string Racuna(const TKlasicniPolozaj& k, std::int32_t n) {
    if (k.RacunaOd == 1 && k.RacunaDo == n) return "racuna ceo voz";
    std::string t = "racuna P" + std::to_string(k.RacunaOd);
    if (k.RacunaDo > k.RacunaOd) t += "..P" + std::to_string(k.RacunaDo);
    return t;
}

// The train as a critical position has it: its force on the section, or,
// where none stands on it (a design value), P1 where it says.
TVozUPolozaju UPolozaju(const TVoz& voz, const TKriticniPolozaj& p, double x) {
    if (p.Sila == 0) return TVozUPolozaju::SaP1(voz, p.Obrnut, p.PolozajP1);
    return TVozUPolozaju(voz, p.Obrnut, p.Sila, x);
}

// Where q stands, as a row says it: "q od 0 do 2,5 m", " i od 7 do 10 m".
std::vector<std::string> TekstQ(const TDeoniceQ& q, const TCrtezPolozaja& d) {
    if (q.Broj == 0) return {"q ne stoji", "na rasponu"};
    std::vector<std::string> t;
    for (std::int32_t i = 0; i < q.Broj; ++i) {
        const TDeonica& deonica = q.Deonice[static_cast<std::size_t>(i)];
        t.push_back((i == 0 ? "q od " : "i od ") + d.B(deonica.Od));
        t.push_back("do " + d.B(deonica.Do) + " m");
    }
    return t;
}

// The design values at the section in the exact ones' place, with the
// stretches of q that give each; the classical side keeps its comparison
// with the exact values.
struct TProracunskiRedovi {
    std::array<TDeoniceQ, 3> q{};
};

std::optional<TProracunskiRedovi> ProracunskeVrednosti(const TVoz& voz, const TUlazPolozaja& u,
                                                       TKriticniPolozaji& k) {
    if (u.dejstva.Pocetna()) return std::nullopt;
    const TProracunskiPresek p = TProracunskaAnvelopa(voz, u.dejstva).UPreseku(u.x, u.smer);
    const std::array<std::pair<TEkstrem*, const TProracunskiEkstrem*>, 3> parovi{
        {{&k.ExtM.Tacno, &p.M}, {&k.MaxT.Tacno, &p.MaxT}, {&k.MinT.Tacno, &p.MinT}}};
    TProracunskiRedovi r;
    for (std::size_t i = 0; i < parovi.size(); ++i) {
        parovi[i].first->Vrednost = parovi[i].second->Vrednost;
        parovi[i].first->Polozaj = parovi[i].second->Polozaj;
        r.q[i] = parovi[i].second->Q;
    }
    return r;
}

// The critical positions at the section: three rows of exact beside
// classical, then the influence lines beside the absolute maximum.
class TKriticni {
public:
    TKriticni(TCrtezPolozaja& d, const TOkvir& okvir, const TVoz& voz, const TUlazPolozaja& u,
              const TKriticniPolozaji& k, const TApsolutniMaksimum& a,
              const std::optional<TProracunskiRedovi>& proracunski,
              const TApsolutniMaksimum& mmaxEd)
        : d(d), okvir(okvir), voz(voz), u(u), k(k), proracunski(proracunski) {
        const int W = okvir.Sirina();
        sredina = okvir.levo + ZaokruziParno(W * 0.60_pr);
        lDesno = sredina - d.slova;
        dLevo = sredina + d.slova;
        for (const TKriticnaVelicina* v : velicine) {
            tacni.push_back(UPolozaju(voz, v->Tacno.Polozaj, u.x));
            klasicni.emplace_back(voz, false, v->Klasicno.Sila, u.x);
        }
        levaRazmera = RazmeraPolozaja(tacni, okvir.levo + d.slova, lDesno - d.slova);
        desnaRazmera = RazmeraPolozaja(klasicni, dLevo + d.slova, okvir.desno - d.slova);
        saVrednostima = true;
        for (std::size_t i = 0; i < 3; ++i)
            saVrednostima = saVrednostima && VrednostiStaju(d, Leva(0, 0), tacni[i]) &&
                            VrednostiStaju(d, Desna(0, 0), klasicni[i]);
        Tekstovi(a, mmaxEd);
    }

    /// Lays the picture out; false where the letters are too large for it.
    bool Stane();
    void Nacrtaj();

private:
    TMestoSkice Leva(int vrh, int visina) const {
        return {levaRazmera, vrh, visina, okvir.levo, lDesno, saVrednostima};
    }
    TMestoSkice Desna(int vrh, int visina) const {
        return {desnaRazmera, vrh, visina, dLevo, okvir.desno, saVrednostima};
    }
    std::string Smer(bool obrnut) const {
        return u.smer == TSmerVoza::Oba ? "voz " + ImeVoza(voz, obrnut) : "";
    }
    void Tekstovi(const TApsolutniMaksimum& a, const TApsolutniMaksimum& mmaxEd);
    int Razmak() const { return d.slova / 3; }
    int LevaSirina() const { return lDesno - okvir.levo; }
    int DesnaSirina() const { return okvir.desno - dLevo; }

    TCrtezPolozaja& d;
    TOkvir okvir;
    const TVoz& voz;
    const TUlazPolozaja& u;
    const TKriticniPolozaji& k;
    const std::optional<TProracunskiRedovi>& proracunski;
    const std::array<const TKriticnaVelicina*, 3> velicine{&k.ExtM, &k.MaxT, &k.MinT};
    std::vector<TVozUPolozaju> tacni, klasicni;
    int sredina = 0, lDesno = 0, dLevo = 0;
    TRazmeraSkice levaRazmera, desnaRazmera;
    bool saVrednostima = true;

    // The texts, as pieces a line may break between.
    std::vector<std::string> naslov, sile, apsolutni, mgov, sivo, narandzasto, uticajM, uticajT;
    std::array<std::vector<std::string>, 3> tacno, istovremeno, klasicno, manjak;

    // The layout: the rows' headers, the arrows, the influence lines.
    std::array<int, 3> zaglavlja{};
    int strele = 0, visinaM = 0, visinaT = 0;
};

void TKriticni::Tekstovi(const TApsolutniMaksimum& a, const TApsolutniMaksimum& mmaxEd) {
    naslov = NaslovPolozajaVoza(voz, u);
    if (!saVrednostima) {
        sile = {"sile:"};
        for (std::int32_t i = 1; i <= voz.BrojSila(); ++i)
            sile.push_back("P" + std::to_string(i) + " = " + FormatBroja(voz.P()[i - 1], d.sep) +
                           " kN" + (i < voz.BrojSila() ? "," : ""));
    }
    const char* imena[] = {"extM", "maxT", "minT"};
    const char* jedinice[] = {"kNm", "kN", "kN"};
    for (std::size_t i = 0; i < 3; ++i) {
        const TKriticnaVelicina& v = *velicine[i];
        const TKriticniPolozaj& t = v.Tacno.Polozaj;
        const TStanjePreseka& s = v.Tacno.Istovremeno;
        const std::string smer = Smer(t.Obrnut);
        tacno[i] = {std::string(imena[i]) + (proracunski ? " Ed = " : " tacno = ") +
                        d.B(v.Tacno.Vrednost) + " " + jedinice[i] + ":",
                    (t.Sila > 0 ? "P" + std::to_string(t.Sila) + " na preseku"
                                : std::string("nijedna sila na preseku")) +
                        (smer.empty() ? "" : ",")};
        if (!smer.empty()) tacno[i].push_back(smer);
        if (proracunski)
            istovremeno[i] = TekstQ(proracunski->q[i], d);
        else
            istovremeno[i] =
                i == 0 ? std::vector<std::string>{"istovremeno", "T = " + d.B(s.TLevo) + " / " +
                                                                     d.B(s.TDesno) + " kN"}
                       : std::vector<std::string>{"istovremeno", "M = " + d.B(s.M) + " kNm"};
        klasicno[i] = {"klasicno = " + d.B(v.Klasicno.Vrednost) + " " + jedinice[i] + ":",
                       "P" + std::to_string(v.Klasicno.Sila) + " na preseku,",
                       Racuna(v.Klasicno, voz.BrojSila())};
        manjak[i] = {"manjak klasicnog:", Procenat(v.ManjakProcenat, d.sep)};
    }

    const TJednacinaSile& gov = voz.Jednacina(voz.ZonaMaksimuma());
    const double m = ManjakProcenat(gov.MaxM, a.M, static_cast<Prosireno>(voz.R()) * voz.Raspon());
    const Prosireno razlika = m == 0 ? 0.0_pr : static_cast<Prosireno>(a.M) - gov.MaxM;
    // With design actions the design maximum in the absolute one's place.
    const TApsolutniMaksimum& p = proracunski ? mmaxEd : a;
    apsolutni = {proracunski ? "Mmax Ed:" : "Apsolutni maksimum:", "M = " + d.B(p.M) + " kNm",
                 "u preseku x = " + d.B(p.x) + " m,",
                 "P1 na " + d.B(p.Polozaj.PolozajP1) + " m" +
                     (p.Polozaj.Obrnut ? ", voz " + ImeVoza(voz, true) : "")};
    mgov = {"Mgov na dijagramu:",
            "M = " + d.B(gov.MaxM) + " kNm",
            "u preseku x = " + d.B(gov.Teme) + " m;",
            "apsolutni maksimum - Mgov =",
            d.B(razlika) + " kNm",
            "(" + Procenat(m, d.sep) + ")"};
    sivo = {"Sivo: sila van raspona", "koju vrednost pored nje", "ne racuna."};
    narandzasto = {"Narandzasto: sila van raspona", "koju klasicna vrednost",
                   "pored nje ipak racuna", "(extM racuna ceo voz, maxT i minT",
                   "samo sile na rasponu)."};
    uticajM = {"uticajna linija M(x) [m],", "ordinate pod silama", "u polozaju extM"};
    uticajT = {"uticajna linija T(x),", "ordinate pod silama u polozaju", "maxT (plavo)",
               "i minT (ljubicasto)"};
}

bool TKriticni::Stane() {
    const int red = d.Red(), razmak = Razmak();
    int fiksno = red * (d.Linija(naslov, okvir.Sirina(), true) +
                        (sile.empty() ? 0 : d.Linija(sile, okvir.Sirina(), false))) +
                 razmak;
    for (std::size_t i = 0; i < 3; ++i) {
        const int levo =
            d.Linija(tacno[i], LevaSirina(), true) + d.Linija(istovremeno[i], LevaSirina(), false);
        const int desno =
            d.Linija(klasicno[i], DesnaSirina(), false) + d.Linija(manjak[i], DesnaSirina(), true);
        zaglavlja[i] = red * std::max(levo, desno);
        fiksno += zaglavlja[i] + VisinaSkice(d, 0) + razmak;
    }
    const int levoDole =
        red * (d.Linija(uticajM, LevaSirina(), false) + d.Linija(uticajT, LevaSirina(), false)) +
        razmak;
    const int desnoDole =
        red * (d.Linija(apsolutni, DesnaSirina(), true) + d.Linija(mgov, DesnaSirina(), true) +
               d.Linija(sivo, DesnaSirina(), false) + d.Linija(narandzasto, DesnaSirina(), false)) +
        3 * razmak;
    const int slobodno = okvir.Visina() - fiksno;
    // The least that still shows: arrows of most of a letter, the influence
    // lines with a row of labels beside their depth. What is left over goes
    // half to the arrows, up to four letters, and the rest to the lines.
    const int najmanjeStrele = (3 * d.slova + 3) / 4;
    const int najmanjeM = (5 * d.slova + 2 * red + 1) / 2;
    const int najmanjeT = 3 * d.slova + 2 * red;
    const int dole = std::max(levoDole + najmanjeM + najmanjeT, desnoDole);
    const int visak = slobodno - 3 * najmanjeStrele - dole;
    strele = najmanjeStrele + std::clamp(visak / 6, 0, 4 * d.slova - najmanjeStrele);
    const int grafici = std::max(slobodno - 3 * strele - levoDole, najmanjeM + najmanjeT);
    visinaM = najmanjeM + (grafici - najmanjeM - najmanjeT) * 2 / 5;
    visinaT = grafici - visinaM;
    return visak >= 0;
}

void TKriticni::Nacrtaj() {
    TPlatnoNatpisa& c = d.c;
    const int razmak = Razmak();
    int y = d.Pasus(okvir.levo, okvir.gore, okvir.Sirina(), naslov, kCrna, true);
    if (!sile.empty()) y = d.Pasus(okvir.levo, y, okvir.Sirina(), sile);
    y += razmak;
    const int vrhRedova = y;
    for (std::size_t i = 0; i < 3; ++i) {
        const TKriticnaVelicina& v = *velicine[i];
        int yl = d.Pasus(okvir.levo, y, LevaSirina(), tacno[i], kCrna, true);
        d.Pasus(okvir.levo, yl, LevaSirina(), istovremeno[i]);
        yl = d.Pasus(dLevo, y, DesnaSirina(), klasicno[i]);
        d.Pasus(dLevo, yl, DesnaSirina(), manjak[i],
                v.ManjakProcenat > kPragUpozorenja ? kCrvena : kCrna, true);
        const int vrh = y + zaglavlja[i];
        NacrtajSkicuVoza(d, Leva(vrh, strele), tacni[i], u.x, nullptr,
                         proracunski ? &proracunski->q[i] : nullptr);
        NacrtajSkicuVoza(d, Desna(vrh, strele), klasicni[i], u.x, &v.Klasicno);
        y = vrh + VisinaSkice(d, strele) + razmak;
    }

    // The influence lines at the exact rows' scale, under them; the
    // absolute maximum and the legend beside them.
    const int vrhDole = y;
    y = d.Pasus(okvir.levo, y, LevaSirina(), uticajM);
    NacrtajUticajnuLinijuM(d, levaRazmera, {okvir.levo, y, lDesno, y + visinaM}, u.x, tacni[0]);
    y = d.Pasus(okvir.levo, y + visinaM + razmak, LevaSirina(), uticajT);
    NacrtajUticajnuLinijuT(d, levaRazmera, {okvir.levo, y, lDesno, y + visinaT}, u.x, tacni[1],
                           tacni[2]);
    const int dnoLevo = y + visinaT;

    int yd = d.Pasus(dLevo, vrhDole, DesnaSirina(), apsolutni, kCrna, true) + razmak;
    yd = d.Pasus(dLevo, yd, DesnaSirina(), mgov, kCrna, true) + razmak;
    yd = d.Pasus(dLevo, yd, DesnaSirina(), sivo, kBojaVanRaspona) + razmak;
    yd = d.Pasus(dLevo, yd, DesnaSirina(), narandzasto, kBojaKlasicnoVan);

    c.Olovka() = {kBojaRazdelnika, 1};
    c.PomeriNa(sredina, vrhRedova);
    c.LinijaDo(sredina, std::max(dnoLevo, yd));
}

}  // namespace

void NacrtajPolozajVoza(TPlatno& platno, std::int32_t sirina, std::int32_t visina, const TVoz& voz,
                        const TUlazPolozaja& ulaz) {
    platno.PopuniPozadinu(0, 0, sirina, visina);
    if (!voz.Vazi() || !(voz.Raspon() > 0) || sirina < kNajmanjaSirina || visina < kNajmanjaVisina)
        return;
    TUlazPolozaja u = ulaz;
    u.x = std::clamp(u.x, 0.0, voz.Raspon());
    platno.Font() = TFont(FontProzoraDijagrama().Ime, kCrna, false, 8);
    TPlatnoNatpisa c(platno, {0, 0, sirina, visina});
    // The largest letters the view holds, from those of the picture's size
    // down. Where the picture holds the critical positions at that size the
    // crossing's frames have the same letters, and they stay as they are
    // while the train moves; each frame lays out its own view alone.
    const int najvise = std::clamp(std::min(visina / 50, sirina / 64), kSlovaForme, kNajvecaSlova);
    std::optional<TKriticniPolozaji> k;
    std::optional<TApsolutniMaksimum> a, mmaxEd;
    std::optional<TProracunskiRedovi> proracunski;
    if (!u.p1) {
        k = KriticniPolozaji(TTacnaAnvelopa(voz), u.x, u.smer);
        a = ApsolutniMaksimum(voz, u.smer);
        proracunski = ProracunskeVrednosti(voz, u, *k);
        mmaxEd = proracunski ? ApsolutniMaksimum(voz, u.smer, u.dejstva) : *a;
    }
    for (int slova = najvise;; --slova) {
        c.Font().PostaviVisinu(slova);
        TCrtezPolozaja d{c, slova, u.decimalniSeparator};
        const int rub = std::max(6, slova / 2);
        const TOkvir okvir{rub, rub, sirina - rub, visina - rub};
        if (u.p1) {
            if (slova > kNajmanjaSlova && !NacrtajPrelaz(d, okvir, voz, u, true)) continue;
            NacrtajPrelaz(d, okvir, voz, u, false);
            return;
        }
        TKriticni kriticni(d, okvir, voz, u, *k, *a, proracunski, *mmaxEd);
        // Stane lays the view out, also where it only fits as it can.
        if (!kriticni.Stane() && slova > kNajmanjaSlova) continue;
        kriticni.Nacrtaj();
        return;
    }
}

std::vector<std::string> NaslovPolozajaVoza(const TVoz& voz, const TUlazPolozaja& u) {
    const auto B = [&u](Prosireno v) {
        return FormatInzenjerski(v, TJedinica::m, u.decimalniSeparator);
    };
    const double x = std::clamp(u.x, 0.0, voz.Raspon());
    if (u.p1)
        return {"Prelaz voza " + ImeVoza(voz, u.obrnut) + ":", "P1 na " + B(*u.p1) + " m,",
                "presek x = " + B(x) + " m"};
    return {"Polozaj voza za presek", "x = " + B(x) + " m,",
            u.smer == TSmerVoza::Oba ? "voz prelazi u oba smera"
                                     : "voz " + ImeVoza(voz, u.smer == TSmerVoza::Nazad)};
}

bool PrelazObrnut(const TVoz& voz, double x, TSmerVoza smer) {
    return smer == TSmerVoza::Oba && TTacnaAnvelopa(voz).UPreseku(x, smer).ExtM.Polozaj.Obrnut;
}

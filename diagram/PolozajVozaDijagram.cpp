// SPDX-License-Identifier: GPL-3.0-or-later
#include "PolozajVozaDijagram.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "AnvelopaPoKolonama.h"
#include "ApsolutniMaksimum.h"
#include "Font.h"
#include "FormatBroja.h"
#include "KriticniPolozaji.h"
#include "Manjak.h"
#include "ManjakKlasicnog.h"
#include "Prosireno.h"
#include "SkicaVoza.h"
#include "TacnaAnvelopaDijagram.h"
#include "UticajneLinije.h"
#include "Zaokruzivanje.h"

namespace {

constexpr TBoja kBojaMaxT{0, 0, 255};
constexpr TBoja kBojaMinT{170, 0, 170};
constexpr TBoja kBojaPolozaja{0, 0, 0};
constexpr TBoja kBojaRazdelnika{200, 200, 200};

// Below this the rows' texts and arrows no longer fit.
constexpr int kNajmanjaSirina = 200;
constexpr int kNajmanjaVisina = 150;

std::string Voz(std::int32_t n, bool obrnut) {
    // Appended piece by piece: GCC 12 warns falsely of the inlined "P" + ...
    std::string voz = "P";
    voz += std::to_string(obrnut ? n : 1);
    voz += "..P";
    voz += std::to_string(obrnut ? 1 : n);
    return voz;
}

// Samples a column apart whose rows step alike lie on one device line: they
// are drawn as one segment, which leaves every pixel where it was.
void Kriva(TPlatno& c, int x0, const std::vector<int>& y) {
    if (y.empty()) return;
    c.PomeriNa(x0, y[0]);
    std::size_t i = 0;
    // Rows saturate at the ends of the 32-bit range: their steps do not fit it.
    const auto korak = [&y](std::size_t i) { return std::int64_t{y[i + 1]} - y[i]; };
    while (i + 1 < y.size()) {
        std::size_t j = i + 1;
        while (j + 1 < y.size() && korak(j) == korak(i)) ++j;
        c.LinijaDo(x0 + static_cast<int>(j), y[j]);
        i = j;
    }
}

// A row held within its panel: values that rounding carried far past the
// panel's scale (a load case at the ends of the double range) are clipped.
int URedu(Prosireno y, int gore, int dole) {
    if (!(y > gore)) return gore;
    if (y > dole) return dole;
    return ZaokruziParno(y);
}

void Linija(TPlatno& c, int x1, int y1, int x2, int y2) {
    c.PomeriNa(x1, y1);
    c.LinijaDo(x2, y2);
}

class TCrtez {
public:
    TCrtez(TPlatno& c, std::int32_t W, std::int32_t H, const TVoz& voz, const TUlazPolozaja& u)
        : c(c), W(W), voz(voz), u(u), jedinica(H / 100.0) {
        slova = std::clamp(ZaokruziParno(H / 60.0_pr), 9, 40);
        c.Font() = TFont(FontProzoraDijagrama().Ime, kCrna, false, 8);
        c.Font().PostaviVisinu(slova);
        levo = std::max(10, ZaokruziParno(W * 0.02_pr));
        desno = W - levo;
    }

    std::int32_t Y(double udeo) const { return ZaokruziParno(udeo * jedinica); }

    void Tekst(int x, int y, const std::string& t, TBoja boja = kCrna, bool podebljan = false) {
        c.Font().Boja = boja;
        c.Font().Podebljan = podebljan;
        c.Tekst(x, y, t);
    }

    std::string B(Prosireno v) const { return Broj3(v, u.decimalniSeparator); }

    std::string Procenat(double v) const { return FormatFiksno(v, 2, u.decimalniSeparator) + " %"; }

    // Two lines of text, two of force labels over the longest arrow, then
    // the beam; the supports and P1's dimension under it.
    TMestoSkice Mesto(const TRazmeraSkice& r, int vrhReda, int visinaReda) const {
        TMestoSkice m;
        m.razmera = r;
        m.visina = visinaReda / 4;
        m.yGrede = vrhReda + 4 * (slova + 3) + m.visina;
        m.slova = slova;
        return m;
    }

    void KriticniPolozaji();
    void Prelaz();

private:
    void RedKriticnog(const char* ime, const char* jedinica, const TKriticnaVelicina& v,
                      bool moment, int vrh, int visinaReda, const TRazmeraSkice& levaRazmera,
                      const TRazmeraSkice& desnaRazmera, int sredina);
    void UticajnaLinijaM(const TKriticniPolozaji& k, const TRazmeraSkice& r, int vrh, int visina);
    void UticajnaLinijaT(const TKriticniPolozaji& k, const TRazmeraSkice& r, int vrh, int visina);
    void ApsolutniMaksimumIMgov(int y);
    void MomentUPrelazu(const TVozUPolozaju& p, const TRazmeraSkice& r, int vrh, int visina,
                        const TAnvelopaPoKolonama& a, const TOkvirDijagrama& o);
    void SmicanjeUPrelazu(const TVozUPolozaju& p, const TRazmeraSkice& r, int vrh, int visina,
                          const TAnvelopaPoKolonama& a, const TOkvirDijagrama& o);
    std::string Smer(bool obrnut) const {
        return u.smer == TSmerVoza::Oba ? ", voz " + Voz(voz.BrojSila(), obrnut) : "";
    }

    TPlatno& c;
    std::int32_t W;
    const TVoz& voz;
    const TUlazPolozaja& u;
    double jedinica;  // a hundredth of the height
    int slova = 10;
    int levo = 0;
    int desno = 0;
};

void TCrtez::RedKriticnog(const char* ime, const char* jedinicaMere, const TKriticnaVelicina& v,
                          bool moment, int vrh, int visinaReda, const TRazmeraSkice& levaRazmera,
                          const TRazmeraSkice& desnaRazmera, int sredina) {
    const TKriticniPolozaj& t = v.Tacno.Polozaj;
    const TStanjePreseka& i = v.Tacno.Istovremeno;
    Tekst(levo, vrh,
          std::string(ime) + " tacno = " + B(v.Tacno.Vrednost) + " " + jedinicaMere + ": P" +
              std::to_string(t.Sila) + " na preseku" + Smer(t.Obrnut),
          kCrna, true);
    Tekst(levo, vrh + slova + 3,
          moment ? "istovremeno T = " + B(i.TLevo) + " / " + B(i.TDesno) + " kN"
                 : "istovremeno M = " + B(i.M) + " kNm");
    NacrtajSkicuVoza(c, Mesto(levaRazmera, vrh, visinaReda),
                     TVozUPolozaju(voz, t.Obrnut, t.Sila, u.x), u.x, false, u.decimalniSeparator);

    Tekst(sredina, vrh,
          "klasicno = " + B(v.Klasicno.Vrednost) + " " + jedinicaMere + ": P" +
              std::to_string(v.Klasicno.Sila) + " na preseku, ceo voz");
    Tekst(sredina, vrh + slova + 3, "manjak klasicnog: " + Procenat(v.ManjakProcenat),
          v.ManjakProcenat > kPragUpozorenja ? kCrvena : kCrna, true);
    NacrtajSkicuVoza(c, Mesto(desnaRazmera, vrh, visinaReda),
                     TVozUPolozaju(voz, false, v.Klasicno.Sila, u.x), u.x, true,
                     u.decimalniSeparator);
}

void TCrtez::UticajnaLinijaM(const TKriticniPolozaji& k, const TRazmeraSkice& r, int vrh,
                             int visina) {
    const Prosireno L = voz.Raspon(), x = u.x;
    Tekst(levo, vrh, "uticajna linija M(x) [m], ordinate pod silama u polozaju extM");
    const int osa = vrh + slova + 6;
    const int dubina = visina - slova - 10;
    const Prosireno vrhLinije = x * (L - x) / L;
    const Prosireno k1 = dubina / (vrhLinije > 0 ? vrhLinije : L / 4);
    const auto y = [&](Prosireno eta) { return URedu(osa + eta * k1, osa, osa + dubina); };
    c.Olovka() = {kCrna, 1};
    Linija(c, r.X(0), osa, r.X(L), osa);
    c.Olovka() = {kPlava, 2};
    c.PomeriNa(r.X(0), osa);
    c.LinijaDo(r.X(x), y(vrhLinije));
    c.LinijaDo(r.X(L), osa);
    const TKriticniPolozaj& p = k.ExtM.Tacno.Polozaj;
    const TVozUPolozaju polozaj(voz, p.Obrnut, p.Sila, x);
    for (const TSilaUPolozaju& s : polozaj.Sile()) {
        if (!s.NaRasponu) continue;
        const Prosireno eta = UticajM(L, x, s.x);
        c.Olovka() = {kCrvena, 1};
        Linija(c, r.X(s.x), osa, r.X(s.x), y(eta));
        Tekst(r.X(s.x) + 3, y(eta / 2) - slova / 2, B(eta), kCrvena);
    }
}

void TCrtez::UticajnaLinijaT(const TKriticniPolozaji& k, const TRazmeraSkice& r, int vrh,
                             int visina) {
    const Prosireno L = voz.Raspon(), x = u.x;
    Tekst(levo, vrh,
          "uticajna linija T(x), ordinate pod silama u polozaju maxT (plavo) i minT "
          "(ljubicasto)");
    const int polovina = (visina - slova - 10) / 2;
    const int osa = vrh + slova + 6 + polovina;
    // Positive upward, as maxT stands in the diagram.
    const auto y = [&](Prosireno eta) {
        return URedu(osa - eta * polovina, osa - polovina, osa + polovina);
    };
    c.Olovka() = {kCrna, 1};
    Linija(c, r.X(0), osa, r.X(L), osa);
    c.Olovka() = {kPlava, 2};
    c.PomeriNa(r.X(0), osa);
    c.LinijaDo(r.X(x), y(-x / L));
    c.LinijaDo(r.X(x), y((L - x) / L));
    c.LinijaDo(r.X(L), osa);
    const auto ordinate = [&](const TKriticniPolozaj& p, auto uticaj, TBoja boja, int pomak) {
        const TVozUPolozaju polozaj(voz, p.Obrnut, p.Sila, x);
        for (const TSilaUPolozaju& s : polozaj.Sile()) {
            if (!s.NaRasponu) continue;
            const Prosireno eta = uticaj(L, x, s.x);
            const int xs = r.X(s.x) + pomak;
            c.Olovka() = {boja, 1};
            Linija(c, xs, osa, xs, y(eta));
            Tekst(xs + 3, eta >= 0 ? y(eta) - slova - 1 : y(eta) + 1, B(eta), boja);
        }
    };
    // The force on the section belongs to the part right of it for maxT and
    // to the part left of it for minT.
    ordinate(k.MaxT.Tacno.Polozaj, UticajTLevo, kBojaMaxT, -1);
    ordinate(k.MinT.Tacno.Polozaj, UticajTDesno, kBojaMinT, 1);
}

void TCrtez::ApsolutniMaksimumIMgov(int y) {
    const TApsolutniMaksimum a = ApsolutniMaksimum(voz, u.smer);
    const TJednacinaSile& gov = voz.Jednacina(voz.ZonaMaksimuma());
    const double manjak =
        ManjakProcenat(gov.MaxM, a.M, static_cast<Prosireno>(voz.R()) * voz.Raspon());
    const Prosireno razlika = manjak == 0 ? 0.0_pr : static_cast<Prosireno>(a.M) - gov.MaxM;
    Tekst(levo, y,
          "Apsolutni maksimum: M = " + B(a.M) + " kNm u preseku x = " + B(a.x) + " m, P1 na " +
              B(a.Polozaj.PolozajP1) + " m" +
              (a.Polozaj.Obrnut ? ", voz " + Voz(voz.BrojSila(), true) : ""),
          kCrna, true);
    Tekst(levo, y + slova + 3,
          "Mgov na dijagramu: M = " + B(gov.MaxM) + " kNm u preseku x = " + B(gov.Teme) +
              " m; apsolutni maksimum - Mgov = " + B(razlika) + " kNm (" + Procenat(manjak) + ")",
          kCrna, true);
}

void TCrtez::KriticniPolozaji() {
    const TTacnaAnvelopa tacna(voz);
    const TKriticniPolozaji k = ::KriticniPolozaji(tacna, u.x, u.smer);
    Tekst(
        levo, Y(1),
        "Polozaj voza za presek x = " + B(u.x) + " m" +
            (u.smer == TSmerVoza::Oba ? ", voz prelazi u oba smera"
                                      : ", voz " + Voz(voz.BrojSila(), u.smer == TSmerVoza::Nazad)),
        kCrna, true);

    // Each side to the scale that holds every force it draws.
    const int sredina = ZaokruziParno(W * 0.60_pr);
    const TKriticnaVelicina* velicine[] = {&k.ExtM, &k.MaxT, &k.MinT};
    std::vector<TVozUPolozaju> tacni, klasicni;
    for (const TKriticnaVelicina* v : velicine) {
        tacni.emplace_back(voz, v->Tacno.Polozaj.Obrnut, v->Tacno.Polozaj.Sila, u.x);
        klasicni.emplace_back(voz, false, v->Klasicno.Sila, u.x);
    }
    const TRazmeraSkice levaRazmera = RazmeraPolozaja(tacni, levo + slova, sredina - 2 * slova);
    const TRazmeraSkice desnaRazmera = RazmeraPolozaja(klasicni, sredina + slova, desno - slova);
    const int visinaReda = Y(19);
    const char* imena[] = {"extM", "maxT", "minT"};
    for (int i = 0; i < 3; ++i)
        RedKriticnog(imena[i], i == 0 ? "kNm" : "kN", *velicine[i], i == 0, Y(6) + i * visinaReda,
                     visinaReda, levaRazmera, desnaRazmera, sredina);
    c.Olovka() = {kBojaRazdelnika, 1};
    Linija(c, sredina - slova, Y(6), sredina - slova, Y(6) + 3 * visinaReda);

    UticajnaLinijaM(k, levaRazmera, Y(63), Y(12));
    UticajnaLinijaT(k, levaRazmera, Y(76), Y(14));
    ApsolutniMaksimumIMgov(Y(91));
    Tekst(levo, Y(91) + 2 * (slova + 3),
          "Sivo: sila van raspona (ne nosi nista).  Narandzasto: sila van raspona koju klasicni "
          "proracun ipak racuna.",
          kCrna);
}

void TCrtez::MomentUPrelazu(const TVozUPolozaju& p, const TRazmeraSkice& r, int vrh, int visina,
                            const TAnvelopaPoKolonama& a, const TOkvirDijagrama& o) {
    const Prosireno L = voz.Raspon(), x = u.x;
    Tekst(levo, vrh, "M [kNm]: voz u ovom polozaju, preko klasicne i tacne anvelope extM");
    const int osa = vrh + slova + 8;
    double vrhAnvelope = 0;
    for (const double m : a[TVelicina::ExtM].Tacno) vrhAnvelope = std::max(vrhAnvelope, m);
    for (const double m : a[TVelicina::ExtM].Klasicno) vrhAnvelope = std::max(vrhAnvelope, m);
    const int dubina = visina - slova - 12;
    const Prosireno kM = dubina / (vrhAnvelope > 0 ? vrhAnvelope : 1.0);
    const auto y = [&](Prosireno m) { return URedu(osa + m * kM, osa - slova, osa + dubina); };
    const auto kriva = [&](const std::vector<double>& v, TBoja boja) {
        std::vector<int> redovi(v.size());
        for (std::size_t i = 0; i < v.size(); ++i) redovi[i] = y(v[i]);
        c.Olovka() = {boja, 1};
        Kriva(c, o.x0, redovi);
    };
    kriva(a[TVelicina::ExtM].Klasicno, kPlava);
    kriva(a[TVelicina::ExtM].Tacno, kBojaTacneAnvelope);
    c.Olovka() = {kCrna, 2};
    Linija(c, r.X(0), osa, r.X(L), osa);

    // The diagram is straight between the forces on the span.
    std::vector<Prosireno> temena{0, L};
    for (const TSilaUPolozaju& s : p.Sile())
        if (s.NaRasponu) temena.push_back(s.x);
    std::sort(temena.begin(), temena.end());
    c.Olovka() = {kBojaPolozaja, 2};
    c.PomeriNa(r.X(0), osa);
    for (const Prosireno t : temena) c.LinijaDo(r.X(t), y(p.M(t)));

    const Prosireno M = p.M(x);
    c.Olovka() = {kCrvena, 1};
    IsprekidanaLinija(c, r.X(x), osa, r.X(x), osa + dubina, std::max(2, slova / 3));
    Tekst(r.X(x) + 4, y(M) + 2, "M(x) = " + B(M) + " kNm", kCrvena, true);
}

void TCrtez::SmicanjeUPrelazu(const TVozUPolozaju& p, const TRazmeraSkice& r, int vrh, int visina,
                              const TAnvelopaPoKolonama& a, const TOkvirDijagrama& o) {
    const Prosireno L = voz.Raspon(), x = u.x;
    Tekst(levo, vrh, "T [kN]: voz u ovom polozaju, preko klasicne i tacne anvelope maxT i minT");
    const int polovina = (visina - slova - 12) / 2;
    const int osa = vrh + slova + 8 + polovina;
    const Prosireno kT = polovina / (voz.R() > 0 ? voz.R() : 1.0);
    const auto y = [&](Prosireno t) { return URedu(osa - t * kT, osa - polovina, osa + polovina); };
    for (const TVelicina v : {TVelicina::MaxT, TVelicina::MinT})
        for (const bool tacno : {false, true}) {
            const std::vector<double>& vrednosti = tacno ? a[v].Tacno : a[v].Klasicno;
            std::vector<int> redovi(vrednosti.size());
            for (std::size_t i = 0; i < vrednosti.size(); ++i) redovi[i] = y(vrednosti[i]);
            c.Olovka() = {tacno ? kBojaTacneAnvelope : kPlava, 1};
            Kriva(c, o.x0, redovi);
        }
    c.Olovka() = {kCrna, 2};
    Linija(c, r.X(0), osa, r.X(L), osa);

    // A step at each force on the span, from the reaction A up at the left
    // support to -B at the right one.
    std::vector<Prosireno> sile;
    for (const TSilaUPolozaju& s : p.Sile())
        if (s.NaRasponu) sile.push_back(s.x);
    std::sort(sile.begin(), sile.end());
    sile.erase(std::unique(sile.begin(), sile.end()), sile.end());
    c.Olovka() = {kBojaPolozaja, 2};
    c.PomeriNa(r.X(0), osa);
    c.LinijaDo(r.X(0), y(p.TDesno(0)));
    for (const Prosireno s : sile) {
        c.LinijaDo(r.X(s), y(p.TLevo(s)));
        c.LinijaDo(r.X(s), y(p.TDesno(s)));
    }
    c.LinijaDo(r.X(L), y(p.TLevo(L)));
    c.LinijaDo(r.X(L), osa);

    c.Olovka() = {kCrvena, 1};
    IsprekidanaLinija(c, r.X(x), osa - polovina, r.X(x), osa + polovina, std::max(2, slova / 3));
    Tekst(r.X(x) + 4, osa - polovina, "T(x) = " + B(p.TLevo(x)) + " / " + B(p.TDesno(x)) + " kN",
          kCrvena, true);
}

void TCrtez::Prelaz() {
    const double p1 = *u.p1;
    const TVozUPolozaju p = TVozUPolozaju::SaP1(voz, u.obrnut, p1);
    Tekst(levo, Y(1),
          "Prelaz voza " + Voz(voz.BrojSila(), u.obrnut) + ": P1 na " + B(p1) +
              " m, presek x = " + B(u.x) + " m",
          kCrna, true);
    const TRazmeraSkice r = RazmeraPrelaza(voz, levo + slova, desno - slova);
    const TStanjePreseka stanje = p.UPreseku(u.x);
    Tekst(levo, Y(1) + slova + 3,
          "u preseku: M(x) = " + B(stanje.M) + " kNm, T(x) = " + B(stanje.TLevo) + " / " +
              B(stanje.TDesno) + " kN (levo / desno od preseka)");
    NacrtajSkicuVoza(c, Mesto(r, Y(1), Y(29)), p, u.x, false, u.decimalniSeparator);

    // The envelopes at the columns of the span as this picture draws it.
    TOkvirDijagrama o;
    o.sadrzaj = TSadrzajCrteza::Dijagrami;
    o.x0 = r.X(0);
    o.x1 = r.X(voz.Raspon());
    o.L = voz.Raspon();
    o.s = o.Sirina() > 0 ? o.L / static_cast<double>(o.Sirina()) : 0;
    const TAnvelopaPoKolonama a =
        o.s > 0 ? AnvelopaPoKolonama(o, voz, u.smer) : TAnvelopaPoKolonama{};
    MomentUPrelazu(p, r, Y(32), Y(30), a, o);
    SmicanjeUPrelazu(p, r, Y(63), Y(31), a, o);
    Tekst(levo, Y(95.5),
          "Plavo: klasicna anvelopa.  Zeleno: tacna anvelopa.  Crno: dijagrami voza u ovom "
          "polozaju.  Sivo: sila van raspona (ne nosi nista).",
          kCrna);
}

}  // namespace

void NacrtajPolozajVoza(TPlatno& platno, std::int32_t sirina, std::int32_t visina, const TVoz& voz,
                        const TUlazPolozaja& ulaz) {
    platno.PopuniPozadinu(0, 0, sirina, visina);
    if (!voz.Vazi() || !(voz.Raspon() > 0) || sirina < kNajmanjaSirina || visina < kNajmanjaVisina)
        return;
    TUlazPolozaja u = ulaz;
    u.x = std::clamp(u.x, 0.0, voz.Raspon());
    TCrtez crtez(platno, sirina, visina, voz, u);
    if (ulaz.p1)
        crtez.Prelaz();
    else
        crtez.KriticniPolozaji();
}

bool PrelazObrnut(const TVoz& voz, double x, TSmerVoza smer) {
    return smer == TSmerVoza::Oba && TTacnaAnvelopa(voz).UPreseku(x, smer).ExtM.Polozaj.Obrnut;
}

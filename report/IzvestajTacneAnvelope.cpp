// SPDX-License-Identifier: GPL-3.0-or-later
#include "IzvestajTacneAnvelope.h"

#include <optional>
#include <string_view>

#include "FormatBroja.h"
#include "IzvestajMerodavnih.h"
#include "Linija.h"
#include "Manjak.h"
#include "PoredjenjeAnvelopa.h"
#include "Prosireno.h"

namespace {

class TPisac {
public:
    TPisac(std::int32_t brojSila, char sep, TSmerVoza smer, TZapis zapis)
        : fBrojSila(brojSila), fSep(sep), fSmer(smer), fZapis(zapis) {}

    std::string B(Prosireno v, TJedinica j = TJedinica::m) const {
        return FormatZa(fZapis, v, j, fSep);
    }
    std::string Jedinica(Prosireno v, std::string_view jedinica) const {
        return B(v, jedinica == "kNm" ? TJedinica::kNm : TJedinica::kN);
    }

    std::string Velicina(std::string_view ime, std::string_view jedinica,
                         const TPoredjenje& p) const {
        const TKriticniPolozaj& k = p.Tacno.Polozaj;
        std::string linija =
            Linija({ime, ": klasicno = ", Jedinica(p.Klasicno, jedinica), " [", jedinica,
                    "], tacno = ", Jedinica(p.Tacno.Vrednost, jedinica), " [", jedinica,
                    "], manjak = ", B(p.ManjakProcenat, TJedinica::Procenat), " [%], P1 na ",
                    B(k.PolozajP1), " [m], P", std::to_string(k.Sila), " na preseku"});
        if (fSmer == TSmerVoza::Oba) linija += ", voz " + ImeVoza(fBrojSila, k.Obrnut);
        // What the section carries meanwhile: for the moment the shears on
        // both sides of the force on it, for a shear the moment.
        const TStanjePreseka& i = p.Tacno.Istovremeno;
        if (ime == "extM")
            linija += Linija({"; istovremeno T = ", B(i.TLevo, TJedinica::kN), " / ",
                              B(i.TDesno, TJedinica::kN), " [kN]"});
        else
            linija += Linija({"; istovremeno M = ", B(i.M, TJedinica::kNm), " [kNm]"});
        return linija;
    }

    std::string Najveci(std::string_view ime, const std::optional<TNajveciManjak>& n,
                        const TTabelaPoredjenja& t) const {
        if (!n) return Linija({ime, ": nema manjka"});
        return Linija({ime, ": ", B(n->Procenat, TJedinica::Procenat), " [%] u preseku x = ",
                       B(t.Redovi[static_cast<std::size_t>(n->Presek)].x), " [m]"});
    }

private:
    std::int32_t fBrojSila;
    char fSep;
    TSmerVoza fSmer;
    TZapis fZapis;
};

}  // namespace

std::vector<std::string> IzvestajTacneAnvelope(const TekstoviUnosa& t, std::int32_t brojSila,
                                               char sep, TSmerVoza smer,
                                               const TProracunskaDejstva& dejstva, TZapis zapis) {
    const TPodaci z = ZapisIzTekstova(t, sep);
    // Nothing classical to compare for a train longer than the span.
    if (!TVoz(z, brojSila).StajeNaRaspon()) return {std::string(kPorukaDugogVoza)};
    const TProracunIzvestaja proracun = TProracunIzvestaja::Izracunaj(z, brojSila);
    const TTabelaPoredjenja tabela = TPoredjenjeAnvelopa::Tabela(proracun, smer);
    const TPisac p(brojSila, sep, smer, zapis);
    const std::optional<TProracunskiProracun> proracunski =
        dejstva.Pocetna()
            ? std::nullopt
            : std::optional(TProracunskiProracun::Izracunaj(z, brojSila, dejstva, smer));

    std::vector<std::string> linije;
    linije.emplace_back("TACNA ANVELOPA");
    linije.emplace_back();
    linije.push_back(Linija({"Raspon grede: L = ", p.B(z.Raspon()), " [m]"}));
    // One force crosses alike both ways.
    linije.push_back(
        smer == TSmerVoza::Oba && brojSila > 1
            ? Linija({"Voz: ", ImeVoza(brojSila, false), " ili ", ImeVoza(brojSila, true)})
            : Linija({"Voz: ", ImeVoza(brojSila, smer == TSmerVoza::Nazad)}));
    linije.emplace_back("Manjak: (tacno - klasicno)/tacno u procentima");
    for (const TRedPoredjenja& r : tabela.Redovi) {
        linije.emplace_back();
        linije.push_back(Linija({"x = ", p.B(r.x), " [m]"}));
        linije.push_back(p.Velicina("extM", "kNm", r.ExtM));
        linije.push_back(p.Velicina("maxT", "kN", r.MaxT));
        linije.push_back(p.Velicina("minT", "kN", r.MinT));
        if (proracunski) {
            const TProracunskiPresek& d =
                proracunski->Redovi[static_cast<std::size_t>(&r - tabela.Redovi.data())]
                    .Proracunski;
            linije.push_back(LinijaProracunske("extM Ed", "kNm", d.M, brojSila, smer, sep, zapis));
            linije.push_back(
                LinijaProracunske("maxT Ed", "kN", d.MaxT, brojSila, smer, sep, zapis));
            linije.push_back(
                LinijaProracunske("minT Ed", "kN", d.MinT, brojSila, smer, sep, zapis));
        }
    }
    linije.emplace_back();
    linije.emplace_back("Najveci manjak:");
    linije.push_back(p.Najveci("extM", tabela.ExtM, tabela));
    linije.push_back(p.Najveci("maxT", tabela.MaxT, tabela));
    linije.push_back(p.Najveci("minT", tabela.MinT, tabela));
    linije.push_back(
        LinijaApsolutnogMaksimuma(ApsolutniMaksimum(proracun.Voz, smer), brojSila, sep, zapis));
    if (proracunski) {
        linije.emplace_back();
        for (std::string& l : LinijeMerodavnih(proracunski->Merodavno, brojSila, sep, zapis))
            linije.push_back(std::move(l));
    }
    return linije;
}

std::string LinijaApsolutnogMaksimuma(const TApsolutniMaksimum& a, std::int32_t brojSila, char sep,
                                      TZapis zapis) {
    const auto B = [&](Prosireno v, TJedinica j) { return FormatZa(zapis, v, j, sep); };
    std::string linija = Linija({"Apsolutni maksimum: M = ", B(a.M, TJedinica::kNm),
                                 " [kNm] u preseku x = ", B(a.x, TJedinica::m), " [m], P1 na ",
                                 B(a.Polozaj.PolozajP1, TJedinica::m), " [m]"});
    if (a.Polozaj.Obrnut) linija += ", voz " + ImeVoza(brojSila, true);
    return linija;
}

std::vector<std::string> LinijeMgov(const TekstoviUnosa& t, std::int32_t brojSila, char sep,
                                    TSmerVoza smer, TZapis zapis) {
    const auto B = [&](Prosireno v, TJedinica j) { return FormatZa(zapis, v, j, sep); };
    const TVoz voz(ZapisIzTekstova(t, sep), brojSila);
    if (!voz.Vazi() || !voz.StajeNaRaspon()) return {};
    const TJednacinaSile& gov = voz.Jednacina(voz.ZonaMaksimuma());
    const TApsolutniMaksimum a = ApsolutniMaksimum(voz, smer);
    // Equal but for rounding of two formulas is equal.
    const double manjak =
        ManjakProcenat(gov.MaxM, a.M, static_cast<Prosireno>(voz.R()) * voz.Raspon());
    const Prosireno razlika = manjak == 0 ? 0.0_pr : static_cast<Prosireno>(a.M) - gov.MaxM;
    return {Linija({"Mgov na dijagramu: M = ", B(gov.MaxM, TJedinica::kNm),
                    " [kNm] u preseku x = ", B(gov.Teme, TJedinica::m), " [m]"}),
            Linija({"Apsolutni maksimum - Mgov = ", B(razlika, TJedinica::kNm),
                    " [kNm], Mgov manji za ", B(manjak, TJedinica::Procenat), " [%]"})};
}

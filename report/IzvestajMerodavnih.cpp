// SPDX-License-Identifier: GPL-3.0-or-later
#include "IzvestajMerodavnih.h"

#include <algorithm>
#include <array>

#include "FormatBroja.h"
#include "IzvestajTacneAnvelope.h"
#include "Linija.h"
#include "Prosireno.h"

std::vector<std::string> LinijeMerodavnihVrednosti(const TMerodavneVrednosti& m,
                                                   std::int32_t brojSila, char sep) {
    const auto linija = [&](std::string_view ime, std::string_view jedinica,
                            const TMerodavnaVrednost& v, bool presek) {
        std::string s = Linija({ime, " = ", FormatBroja(v.Vrednost, sep), " [", jedinica, "]"});
        if (presek) s += Linija({" u preseku x = ", FormatBroja(v.x, sep), " [m]"});
        return s + Linija({", P1 na ", FormatBroja(v.Polozaj.PolozajP1, sep), " [m], voz ",
                           ImeVoza(brojSila, v.Polozaj.Obrnut)});
    };
    return {linija("Mmax", "kNm", m.Mmax, true), linija("Amax", "kN", m.Amax, false),
            linija("Bmax", "kN", m.Bmax, false), linija("Tmax", "kN", m.Tmax, true),
            linija("Tmin", "kN", m.Tmin, true)};
}

std::vector<std::string> LinijeMerodavnih(const TMerodavno& m, std::int32_t brojSila, char sep) {
    std::vector<std::string> linije{"Karakteristicne vrednosti:"};
    for (std::string& l : LinijeMerodavnihVrednosti(m.Karakteristicne, brojSila, sep))
        linije.push_back(std::move(l));
    linije.emplace_back("Proracunske vrednosti:");
    for (std::string& l : LinijeMerodavnihVrednosti(m.Proracunske, brojSila, sep))
        linije.push_back(std::move(l));
    return linije;
}

std::string LinijaProracunske(std::string_view ime, std::string_view jedinica,
                              const TProracunskiEkstrem& e, std::int32_t brojSila, TSmerVoza smer,
                              char sep) {
    const auto B = [sep](Prosireno v) { return FormatBroja(v, sep); };
    std::string s = Linija(
        {ime, " = ", B(e.Vrednost), " [", jedinica, "], P1 na ", B(e.Polozaj.PolozajP1), " [m], "});
    s += e.Polozaj.Sila > 0 ? Linija({"P", std::to_string(e.Polozaj.Sila), " na preseku"})
                            : std::string("nijedna sila na preseku");
    if (smer == TSmerVoza::Oba) s += ", voz " + ImeVoza(brojSila, e.Polozaj.Obrnut);
    for (std::int32_t i = 0; i < e.Q.Broj; ++i) {
        const TDeonica& d = e.Q.Deonice[static_cast<std::size_t>(i)];
        s += Linija({i == 0 ? "; q od " : " i od ", B(d.Od), " do ", B(d.Do), " [m]"});
    }
    return s;
}

std::vector<std::string> OpisDejstava(const TProracunskaDejstva& d, std::int32_t brojSila,
                                      TSmerVoza smer, bool duziOdRaspona, char sep) {
    const auto B = [sep](Prosireno v) { return FormatBroja(v, sep); };
    std::string dejstva = Linija({"Proracunske vrednosti: q = ", B(d.q), " [kN/m] "});
    dejstva += d.Raspored == TRasporedQ::BiloGde
                   ? std::string("bilo gde")
                   : Linija({"ispred i iza voza, c = ", B(d.c), " [m]"});
    dejstva += Linija({", g = ", B(d.g), " [kN/m], fi = ", B(d.Fi), d.FiNaQ ? " (i na q)" : "",
                       ", gamaG = ", B(d.GamaG), ", gamaQ = ", B(d.GamaQ)});
    std::string voz = "Voz " + ImeVoza(brojSila, smer == TSmerVoza::Nazad);
    if (smer == TSmerVoza::Oba) voz += " ili " + ImeVoza(brojSila, true);
    if (duziOdRaspona) voz += ", duzi od raspona";
    return {dejstva, voz};
}

std::vector<std::string> DodatakListe(const TekstoviUnosa& t, std::int32_t brojSila, char sep,
                                      std::optional<TSmerVoza> tacno,
                                      const TProracunskaDejstva& dejstva) {
    std::vector<std::string> izvor;
    if (tacno) {
        izvor = IzvestajTacneAnvelope(t, brojSila, sep, *tacno, dejstva);
    } else if (!dejstva.Pocetna()) {
        izvor = {"MERODAVNE VREDNOSTI"};
        const TVoz voz(ZapisIzTekstova(t, sep), brojSila);
        for (std::string& l :
             LinijeMerodavnih(Merodavno(voz, dejstva, TSmerVoza::Napred), brojSila, sep))
            izvor.push_back(std::move(l));
    }
    // A governing value's position on a line of its own, as the sheet sets
    // what follows a comparison line's semicolon, so that no line runs past
    // the page.
    std::vector<std::string> linije;
    for (std::string& l : izvor) {
        const std::size_t p1 = l.find(", P1 na ");
        constexpr std::array kImena{"Mmax = ", "Amax = ", "Bmax = ", "Tmax = ", "Tmin = "};
        const bool merodavna = std::any_of(kImena.begin(), kImena.end(),
                                           [&l](const char* ime) { return l.starts_with(ime); });
        if (!merodavna || p1 == std::string::npos) {
            linije.push_back(std::move(l));
            continue;
        }
        linije.push_back(l.substr(0, p1 + 1));
        linije.push_back("    " + l.substr(p1 + 2));
    }
    return linije;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "IzvestajMerodavnih.h"

#include "FormatBroja.h"
#include "Linija.h"
#include "Prosireno.h"

std::vector<std::string> LinijeMerodavnihVrednosti(const TMerodavneVrednosti& m,
                                                   std::int32_t brojSila, char sep, TZapis zapis) {
    const auto B = [&](Prosireno v, TJedinica j) { return FormatZa(zapis, v, j, sep); };
    const auto linija = [&](std::string_view ime, TJedinica j, std::string_view jedinica,
                            const TMerodavnaVrednost& v, bool presek) {
        std::string s = Linija({ime, " = ", B(v.Vrednost, j), " [", jedinica, "]"});
        if (presek) s += Linija({" u preseku x = ", B(v.x, TJedinica::m), " [m]"});
        return s + Linija({", P1 na ", B(v.Polozaj.PolozajP1, TJedinica::m), " [m], voz ",
                           ImeVoza(brojSila, v.Polozaj.Obrnut)});
    };
    return {linija("Mmax", TJedinica::kNm, "kNm", m.Mmax, true),
            linija("Amax", TJedinica::kN, "kN", m.Amax, false),
            linija("Bmax", TJedinica::kN, "kN", m.Bmax, false),
            linija("Tmax", TJedinica::kN, "kN", m.Tmax, true),
            linija("Tmin", TJedinica::kN, "kN", m.Tmin, true)};
}

std::vector<std::string> LinijeMerodavnih(const TMerodavno& m, std::int32_t brojSila, char sep,
                                          TZapis zapis) {
    std::vector<std::string> linije{"Karakteristicne vrednosti:"};
    for (std::string& l : LinijeMerodavnihVrednosti(m.Karakteristicne, brojSila, sep, zapis))
        linije.push_back(std::move(l));
    linije.emplace_back("Proracunske vrednosti:");
    for (std::string& l : LinijeMerodavnihVrednosti(m.Proracunske, brojSila, sep, zapis))
        linije.push_back(std::move(l));
    return linije;
}

std::string LinijaProracunske(std::string_view ime, std::string_view jedinica,
                              const TProracunskiEkstrem& e, std::int32_t brojSila, TSmerVoza smer,
                              char sep, TZapis zapis) {
    const auto B = [&](Prosireno v) {
        return FormatZa(zapis, v, jedinica == "kNm" ? TJedinica::kNm : TJedinica::kN, sep);
    };
    const auto M = [&](Prosireno v) { return FormatZa(zapis, v, TJedinica::m, sep); };
    std::string s = Linija(
        {ime, " = ", B(e.Vrednost), " [", jedinica, "], P1 na ", M(e.Polozaj.PolozajP1), " [m], "});
    s += e.Polozaj.Sila > 0 ? Linija({"P", std::to_string(e.Polozaj.Sila), " na preseku"})
                            : std::string("nijedna sila na preseku");
    if (smer == TSmerVoza::Oba) s += ", voz " + ImeVoza(brojSila, e.Polozaj.Obrnut);
    for (std::int32_t i = 0; i < e.Q.Broj; ++i) {
        const TDeonica& d = e.Q.Deonice[static_cast<std::size_t>(i)];
        s += Linija({i == 0 ? "; q od " : " i od ", M(d.Od), " do ", M(d.Do), " [m]"});
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

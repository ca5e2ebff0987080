// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "FormatBroja.h"
#include "SlucajOpterecenja.h"
#include "TabeleCsv.h"

namespace {

using Redovi = std::vector<std::vector<std::string>>;

// A reader of RFC 4180 as a spreadsheet reads it: records end with CR LF,
// a quoted field may hold commas, doubled quotes and line ends. A stray
// character (a bare LF, text after a closing quote) fails the test.
Redovi ProcitajCsv(const std::string& csv) {
    Redovi redovi;
    std::vector<std::string> red;
    std::string polje;
    std::size_t i = 0;
    const auto kraj = [&] { return i >= csv.size(); };
    while (!kraj()) {
        if (csv[i] == '"') {
            for (++i;; ++i) {
                if (kraj()) {
                    ADD_FAILURE() << "unterminated quote";
                    return redovi;
                }
                if (csv[i] == '"') {
                    if (i + 1 < csv.size() && csv[i + 1] == '"') {
                        polje += '"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                polje += csv[i];
            }
        } else {
            while (!kraj() && csv[i] != ',' && csv[i] != '\r') {
                EXPECT_NE(csv[i], '\n') << "a bare LF at " << i;
                EXPECT_NE(csv[i], '"') << "a quote inside an unquoted field at " << i;
                polje += csv[i++];
            }
        }
        red.push_back(std::move(polje));
        polje.clear();
        if (kraj()) {
            ADD_FAILURE() << "the last record has no CR LF";
            break;
        }
        if (csv[i] == ',') {
            ++i;
            continue;
        }
        EXPECT_EQ(csv.compare(i, 2, "\r\n"), 0) << "a record ends with CR LF, at " << i;
        i += 2;
        redovi.push_back(std::move(red));
        red.clear();
    }
    return redovi;
}

double Procitaj(const std::string& polje) {
    double v = std::numeric_limits<double>::quiet_NaN();
    const auto [kraj, greska] = std::from_chars(polje.data(), polje.data() + polje.size(), v);
    EXPECT_TRUE(greska == std::errc() && kraj == polje.data() + polje.size()) << polje;
    return v;
}

struct Polje {
    const char* ime;
    std::string ulaz;
    std::string csv;
};

class PoljeCsvTest : public testing::TestWithParam<Polje> {};

TEST_P(PoljeCsvTest, QuotesOnlyWhatMustBeQuoted) {
    EXPECT_EQ(PoljeCsv(GetParam().ulaz), GetParam().csv);
    const Redovi r = ProcitajCsv(PoljeCsv(GetParam().ulaz) + "\r\n");
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0], std::vector<std::string>{GetParam().ulaz});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, PoljeCsvTest, testing::Values(
    Polje{"Plain", "x [m]", "x [m]"},
    Polje{"Number", "-1.5e-05", "-1.5e-05"},
    Polje{"Comma", "P1..P2, obrnut", "\"P1..P2, obrnut\""},
    Polje{"Quote", "a \"b\"", "\"a \"\"b\"\"\""},
    Polje{"CrLf", "a\r\nb", "\"a\r\nb\""},
    Polje{"LoneLf", "a\nb", "\"a\nb\""}
), [](const auto& info) { return std::string(info.param.ime); });
// clang-format on

struct Zaokruzivanje {
    const char* ime;
    const char* tekst;
    const char* izvestaj;
};

class ZaokruzenKaoIzvestajTest : public testing::TestWithParam<Zaokruzivanje> {};

TEST_P(ZaokruzenKaoIzvestajTest, RoundsTheExactDigits) {
    EXPECT_EQ(ZaokruzenKaoIzvestaj(GetParam().tekst), GetParam().izvestaj);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, ZaokruzenKaoIzvestajTest, testing::Values(
    Zaokruzivanje{"Short", "416.5", "416.5"},
    Zaokruzivanje{"Zero", "0", "0"},
    Zaokruzivanje{"SixteenthBelowHalf", "5.4510204081632649", "5.45102040816326"},
    // exactly half, which no extended value near it need be
    Zaokruzivanje{"ExactlyHalfGoesAway", "5.451020408163265", "5.45102040816327"},
    Zaokruzivanje{"NegativeHalfGoesAway", "-0.6904761904761905", "-0.690476190476191"},
    Zaokruzivanje{"CarryThroughNines", "9.9999999999999995", "10"},
    Zaokruzivanje{"CarryIntoScientific", "999999999999999.5", "1E15"},
    Zaokruzivanje{"Exponent", "-8.881784197001252e-14", "-8.88178419700125E-14"},
    Zaokruzivanje{"PositiveExponent", "1.5e+20", "1.5E20"},
    Zaokruzivanje{"LeadingZeros", "0.000123456789012345678", "0.000123456789012346"}
), [](const auto& info) { return std::string(info.param.ime); });
// clang-format on

struct Broj {
    const char* ime;
    double v;
    const char* csv;
};

class BrojCsvTest : public testing::TestWithParam<Broj> {};

TEST_P(BrojCsvTest, IsTheShortestFormThatRoundsAsTheReport) {
    EXPECT_EQ(BrojCsv(GetParam().v), GetParam().csv);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, BrojCsvTest, testing::Values(
    Broj{"Zero", 0.0, "0"},
    Broj{"NegativeZero", -0.0, "0"},
    Broj{"Integer", 416.5, "416.5"},
    Broj{"Tenth", 0.9, "0.9"},
    Broj{"ThreeTimesATenth", 3 * 0.1, "0.30000000000000004"},
    Broj{"Seventeen", 298.44444444444446, "298.44444444444446"},
    Broj{"Small", -8.8817841970012523e-14, "-8.881784197001252e-14"},
    Broj{"Large", 1.5e20, "1.5e+20"},
    Broj{"Largest", std::numeric_limits<double>::max(), "1.7976931348623157e+308"},
    // "5e-324" would read as the report's 5E-324, not 4.94065645841247E-324
    Broj{"Subnormal", std::numeric_limits<double>::denorm_min(), "4.9406564584124654e-324"}
), [](const auto& info) { return std::string(info.param.ime); });
// clang-format on

struct ProsireniBroj {
    const char* ime;
    long double v;
    const char* csv;
};

class ProsireniBrojCsvTest : public testing::TestWithParam<ProsireniBroj> {};

TEST_P(ProsireniBrojCsvTest, IsItsDoublesUnlessTheReportRoundsItOtherwise) {
    const long double v = GetParam().v;
    const std::string t = BrojCsv(v);
    EXPECT_EQ(t, GetParam().csv);
    EXPECT_EQ(Procitaj(t), static_cast<double>(v));
    EXPECT_EQ(ZaokruzenKaoIzvestaj(t), FormatBroja(v, '.'));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, ProsireniBrojCsvTest, testing::Values(
    // 0.9 as the report's first section: a double made extended
    ProsireniBroj{"ADouble", static_cast<long double>(0.9), "0.9"},
    ProsireniBroj{"NegativeZero", -0.0L, "0"},
    // the section 5 * (2.9 / 21) prints 0.690476190476191, its double
    // 0.69047619047619, whose shortest digits lie exactly on the half
    ProsireniBroj{"OnTheHalfTheDoublesDigitsDo", 5 * static_cast<long double>(2.9 / 21),
                  "0.6904761904761905"}
), [](const auto& info) { return std::string(info.param.ime); });
// clang-format on

TEST(BrojCsv, ReadsBackAsTheSameDoubleAndRoundsAsTheReport) {
    std::mt19937_64 g(13);
    for (int i = 0; i < 5000; ++i) {
        double v = 0;
        const std::uint64_t bitovi = g();
        std::memcpy(&v, &bitovi, sizeof v);
        if (!std::isfinite(v)) continue;
        const std::string t = BrojCsv(v);
        EXPECT_EQ(t.find(','), std::string::npos) << t;
        EXPECT_EQ(Procitaj(t), v) << t;
        EXPECT_EQ(ZaokruzenKaoIzvestaj(t), FormatBroja(v, '.')) << t;
    }
}

// "M2(1.65714285714286) = 5.45102040816326 [kNm]": the shortest digits of
// its double, 5.451020408163265, lie on the half and would round up.
TEST(BrojCsv, BelowTheHalfOfItsDoublesDigitsTakesMoreOfItsOwn) {
    const SlucajOpterecenja s{
        {"1", "2", "3", "1", "2", "3"}, {"0.1", "0.2", "0.3", "0.4", "0.5"}, "2.9", "2.9", "21"};
    const long double M = s.Izvestaj().Proracun.Preseci[12].ExtM.front().M;
    ASSERT_EQ(FormatBroja(M, '.'), "5.45102040816326");
    std::array<char, 32> najkraci{};
    const char* kraj =
        std::to_chars(najkraci.data(), najkraci.data() + najkraci.size(), static_cast<double>(M))
            .ptr;
    ASSERT_EQ(std::string_view(najkraci.data(), std::size_t(kraj - najkraci.data())),
              "5.451020408163265");
    const std::string t = BrojCsv(M);
    EXPECT_GT(t.size(), std::string("5.451020408163265").size()) << t;
    EXPECT_EQ(Procitaj(t), static_cast<double>(M)) << t;
    EXPECT_EQ(ZaokruzenKaoIzvestaj(t), "5.45102040816326") << t;
}

struct SlucajTabele {
    const char* opis;
    SlucajOpterecenja slucaj;
};

void PrintTo(const SlucajTabele& s, std::ostream* os) { *os << s.opis; }

class TabelaPreseka : public testing::TestWithParam<SlucajTabele> {};

// Every row reads back as the report's numbers at full precision: the
// section, the first extM line, maxT and minT, each rounded to double.
TEST_P(TabelaPreseka, RowsReadBackAsTheReportsNumbers) {
    const SlucajOpterecenja& s = GetParam().slucaj;
    const IzvestajLastovar izvestaj = s.Izvestaj();
    const auto F = static_cast<std::int32_t>(s.sile.size());
    const std::string csv = TabeleCsv(s.Tekstovi(), F, '.', std::nullopt);
    EXPECT_EQ(csv, TabelaPresekaCsv(izvestaj.Proracun));
    const Redovi r = ProcitajCsv(csv);
    ASSERT_EQ(r.size(), std::stoul(s.preseka) + 2);
    EXPECT_EQ(r[0], (std::vector<std::string>{"x [m]", "extM [kNm]", "maxT [kN]", "minT [kN]"}));
    for (std::size_t i = 0; i < izvestaj.Proracun.Preseci.size(); ++i) {
        const TRedPreseka& p = izvestaj.Proracun.Preseci[i];
        const std::vector<std::string>& red = r[i + 1];
        ASSERT_EQ(red.size(), 4u) << i;
        EXPECT_EQ(Procitaj(red[0]), static_cast<double>(p.x)) << i;
        ASSERT_FALSE(p.ExtM.empty());
        EXPECT_EQ(Procitaj(red[1]), static_cast<double>(p.ExtM.front().M)) << i;
        EXPECT_EQ(Procitaj(red[2]), p.MaxT) << i;
        EXPECT_EQ(Procitaj(red[3]), p.MinT) << i;
    }
}

// Its digits rounded as the report rounds, every field is the report's
// printed number: the table lines are made of them.
TEST_P(TabelaPreseka, RoundedAsTheReportTheyAreItsLines) {
    const IzvestajLastovar izvestaj = GetParam().slucaj.Izvestaj();
    const Redovi r = ProcitajCsv(TabelaPresekaCsv(izvestaj.Proracun));
    std::vector<std::string> maxT, minT, extM;
    const auto broj = [](const std::string& polje) { return ZaokruzenKaoIzvestaj(polje); };
    for (std::size_t i = 1; i < r.size(); ++i) {
        const std::string x = broj(r[i][0]);
        extM.push_back("(" + x + ") = " + broj(r[i][1]) + " [kNm]");
        maxT.push_back("maxT(" + x + ") = " + broj(r[i][2]) + " [kN]");
        minT.push_back("minT(" + x + ") = " + broj(r[i][3]) + " [kN]");
    }
    const auto isto = [](const std::vector<std::string>& csv,
                         const std::vector<std::string>& uIzvestaju) {
        ASSERT_EQ(csv.size(), uIzvestaju.size());
        for (std::size_t i = 0; i < csv.size(); ++i) EXPECT_EQ(csv[i], uIzvestaju[i]);
    };
    std::vector<std::string> uIzvestaju = LinijeSa(izvestaj.Linije, "maxT(");
    uIzvestaju.pop_back();  // the arbitrary section
    isto(maxT, uIzvestaju);
    uIzvestaju = LinijeSa(izvestaj.Linije, "minT(");
    uIzvestaju.pop_back();
    isto(minT, uIzvestaju);
    // The first extM line of each section, without its "Mk".
    uIzvestaju.clear();
    std::string prethodni;
    const auto od = std::find(izvestaj.Linije.begin(), izvestaj.Linije.end(),
                              "Vrednosti extM u zadatom broju preseka:");
    for (auto l = od + 1; l != izvestaj.Linije.end() && !l->empty(); ++l) {
        const std::string presek = l->substr(l->find('('));
        if (presek.substr(0, presek.find(')')) != prethodni) uIzvestaju.push_back(presek);
        prethodni = presek.substr(0, presek.find(')'));
    }
    isto(extM, uIzvestaju);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, TabelaPreseka, testing::Values(
    SlucajTabele{"Defaults", {{"206", "208"}, {"5"}, "9", "1.25", "10"}},
    SlucajTabele{"OneForce", {{"183.628"}, {}, "14.458", "7.23", "33"}},
    SlucajTabele{"ThreeForces", {{"206", "206", "206"}, {"2", "2"}, "12", "12", "99"}},
    // two extM lines on lambda_1 make no second row
    SlucajTabele{"FourForcesOnLambda1", {{"1", "1", "1", "1"}, {"1", "1", "1"}, "10", "0", "4"}},
    SlucajTabele{"SixForces", {{"1", "2", "3", "1", "2", "3"}, {"0.1", "0.2", "0.3", "0.4", "0.5"}, "2.9", "2.9", "21"}}
), [](const auto& info) { return std::string(info.param.opis); });
// clang-format on

// A last section that rounding carried more than the tolerance past L has
// no extM line in the report, and no extM in its row.
TEST(TabelaPreseka, ASectionWithoutAnExtMLineLeavesItsFieldEmpty) {
    TProracunIzvestaja p;
    p.Preseci.push_back({0.0L, {{1, 0.0L}}, 2.0, 0.0});
    p.Preseci.push_back({1e30L, {}, 0.0, -2.0});
    const Redovi r = ProcitajCsv(TabelaPresekaCsv(p));
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[1], (std::vector<std::string>{"0", "0", "2", "0"}));
    EXPECT_EQ(r[2], (std::vector<std::string>{"1e+30", "", "0", "-2"}));
}

// The regional separator decides how the texts are read, never how the
// numbers are written.
TEST(TabeleCsv, AreTheSameWithADecimalComma) {
    const TekstoviUnosa tacka = PodrazumevaniTekstovi('.');
    TekstoviUnosa zarez = tacka;
    for (std::string& t : zarez.P) std::replace(t.begin(), t.end(), '.', ',');
    for (std::string& t : zarez.Rastojanje) std::replace(t.begin(), t.end(), '.', ',');
    for (std::string* t : {&zarez.Raspon, &zarez.ProizvoljnoX})
        std::replace(t->begin(), t->end(), '.', ',');
    for (const auto tacno : {std::optional<TSmerVoza>(), std::optional(TSmerVoza::Oba)})
        EXPECT_EQ(TabeleCsv(zarez, 2, ',', tacno), TabeleCsv(tacka, 2, '.', tacno));
}

struct Poredjenje {
    const char* ime;
    TSmerVoza smer;
    std::size_t kolona;
};

class TabelaPoredjenja : public testing::TestWithParam<Poredjenje> {};

TEST_P(TabelaPoredjenja, HoldsTheComparisonsNumbersAndPositions) {
    const TSmerVoza smer = GetParam().smer;
    const SlucajOpterecenja s{{"206", "208"}, {"5"}, "9", "1.25", "10"};
    TPodaci z = ZapisIzTekstova(s.Tekstovi(), '.');
    const TTabelaPoredjenja t =
        TPoredjenjeAnvelopa::Tabela(TProracunIzvestaja::Izracunaj(z, 2), smer);
    const std::string csv = TabeleCsv(s.Tekstovi(), 2, '.', smer);
    EXPECT_EQ(csv, TabelaPoredjenjaCsv(t, 2, smer));
    const Redovi r = ProcitajCsv(csv);
    ASSERT_EQ(r.size(), t.Redovi.size() + 1);
    const bool oba = smer == TSmerVoza::Oba;
    std::vector<std::string> zaglavlje = {
        "x [m]",           "extM [kNm]",       "maxT [kN]",
        "minT [kN]",       "extM tacno [kNm]", "maxT tacno [kN]",
        "minT tacno [kN]", "extM manjak [%]",  "maxT manjak [%]",
        "minT manjak [%]", "extM P1 na [m]",   "extM sila na preseku"};
    if (oba) zaglavlje.push_back("extM voz");
    zaglavlje.insert(zaglavlje.end(), {"maxT P1 na [m]", "maxT sila na preseku"});
    if (oba) zaglavlje.push_back("maxT voz");
    zaglavlje.insert(zaglavlje.end(), {"minT P1 na [m]", "minT sila na preseku"});
    if (oba) zaglavlje.push_back("minT voz");
    EXPECT_EQ(r[0], zaglavlje);

    // The report's own four columns come first.
    const Redovi izvestaj = ProcitajCsv(TabeleCsv(s.Tekstovi(), 2, '.', std::nullopt));
    for (std::size_t i = 0; i < t.Redovi.size(); ++i) {
        const std::vector<std::string>& red = r[i + 1];
        ASSERT_EQ(red.size(), GetParam().kolona) << i;
        EXPECT_EQ(std::vector<std::string>(red.begin(), red.begin() + 4), izvestaj[i + 1]) << i;
        const TRedPoredjenja& p = t.Redovi[i];
        std::size_t k = 4;
        for (const TPoredjenje* v : {&p.ExtM, &p.MaxT, &p.MinT})
            EXPECT_EQ(Procitaj(red[k++]), v->Tacno.Vrednost) << i;
        for (const TPoredjenje* v : {&p.ExtM, &p.MaxT, &p.MinT})
            EXPECT_EQ(Procitaj(red[k++]), v->ManjakProcenat) << i;
        for (const TPoredjenje* v : {&p.ExtM, &p.MaxT, &p.MinT}) {
            EXPECT_EQ(Procitaj(red[k++]), v->Tacno.Polozaj.PolozajP1) << i;
            EXPECT_EQ(red[k++], std::to_string(v->Tacno.Polozaj.Sila)) << i;
            if (oba) {
                EXPECT_EQ(red[k++], v->Tacno.Polozaj.Obrnut ? "P2..P1" : "P1..P2") << i;
            }
        }
    }
    // At midspan the classical extM is 11 % short: P1 at -0.5 m, P2 on the section.
    EXPECT_EQ(r[6][1], "416.5");
    EXPECT_EQ(r[6][4], "468");
    EXPECT_EQ(r[6][10], "-0.5");
    EXPECT_EQ(r[6][11], "2");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Smerovi, TabelaPoredjenja, testing::Values(
    Poredjenje{"OneWay", TSmerVoza::Napred, 16},
    Poredjenje{"BothWays", TSmerVoza::Oba, 19}
), [](const auto& info) { return std::string(info.param.ime); });
// clang-format on

}  // namespace

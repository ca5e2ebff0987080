// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "DatotekaLastovar.h"

namespace {

constexpr const char* kPodrazumevanaDatoteka =
    "206.0\r\n208.0\r\n1.0\r\n1.0\r\n1.0\r\n1.0\r\n5.0\r\n1.0\r\n1.0\r\n1.0\r\n1.0\r\n9.0\r\n"
    "1.25\r\n2\r\n10\r\n";

TEST(DatotekaLastovar, DefaultsWriteTheFifteenLinesAndReadBack) {
    const SadrzajDatoteke podrazumevano{PodrazumevaniTekstovi('.'), 2, 10};
    const std::string bajtovi = ZapisiDatoteku(podrazumevano);
    EXPECT_EQ(bajtovi, kPodrazumevanaDatoteka);
    const SadrzajDatoteke procitano = ProcitajDatoteku(bajtovi, '.');
    EXPECT_EQ(ZapisiDatoteku(procitano), bajtovi);
    EXPECT_EQ(procitano.Tekstovi.BrojPreseka, "10");
    EXPECT_EQ(procitano.Tekstovi.ProizvoljnoX, "1.25");
    EXPECT_EQ(procitano.Tekstovi.Raspon, "9.0");
}

// A file written under one locale opens under the other: the reader gives
// the defaults as that locale's form shows them, and they write back so.
TEST(DatotekaLastovar, DefaultsOfEitherSeparatorReadAsTheReadersDefaults) {
    for (const char pisac : {'.', ','}) {
        const std::string bajtovi = ZapisiDatoteku({PodrazumevaniTekstovi(pisac), 2, 10});
        for (const char citalac : {'.', ','}) {
            SCOPED_TRACE(std::string("written with ") + pisac + ", read with " + citalac);
            const SadrzajDatoteke procitano = ProcitajDatoteku(bajtovi, citalac);
            EXPECT_EQ(ZapisiDatoteku(procitano),
                      ZapisiDatoteku({PodrazumevaniTekstovi(citalac), 2, 10}));
        }
    }
}

TEST(DatotekaLastovar, TextsThatAreNoNumbersAreKeptCharacterForCharacter) {
    SadrzajDatoteke s{PodrazumevaniTekstovi('.'), 6, 99};
    s.Tekstovi.P[0] = "abc";
    s.Tekstovi.P[5] = "";
    s.Tekstovi.Rastojanje[4] = " 1.5e3 ";
    s.Tekstovi.ProizvoljnoX = "123456789.125";
    const SadrzajDatoteke procitano = ProcitajDatoteku(ZapisiDatoteku(s), '.');
    EXPECT_EQ(procitano.Tekstovi.P[0], "abc");
    EXPECT_EQ(procitano.Tekstovi.P[5], "");
    EXPECT_EQ(procitano.Tekstovi.Rastojanje[4], " 1.5e3 ");
    EXPECT_EQ(procitano.Tekstovi.ProizvoljnoX, "123456789.125");
    EXPECT_EQ(procitano.BrojSila, 6);
    EXPECT_EQ(procitano.BrojPreseka, 99);
}

struct SlucajSeparatora {
    const char* ime;
    const char* linija;  // each of lines 1 to 13
    char separator;      // the reader's
    const char* tekst;   // what each field gets
};

void PrintTo(const SlucajSeparatora& s, std::ostream* os) { *os << s.ime; }

class SeparatorCitanja : public testing::TestWithParam<SlucajSeparatora> {};

TEST_P(SeparatorCitanja, GivesEveryNumberLineTheReadersSeparator) {
    const SlucajSeparatora& s = GetParam();
    std::string bajtovi;
    for (int i = 0; i < 13; ++i) bajtovi += std::string(s.linija) + "\r\n";
    const SadrzajDatoteke d = ProcitajDatoteku(bajtovi + "3\r\n7\r\n", s.separator);
    const TekstoviUnosa& t = d.Tekstovi;
    for (const std::string* tekst :
         {&t.P[0], &t.P[1], &t.P[2], &t.P[3], &t.P[4], &t.P[5], &t.Rastojanje[0], &t.Rastojanje[1],
          &t.Rastojanje[2], &t.Rastojanje[3], &t.Rastojanje[4], &t.Raspon, &t.ProizvoljnoX})
        EXPECT_EQ(*tekst, s.tekst);
    EXPECT_EQ(d.BrojSila, 3);
    EXPECT_EQ(d.BrojPreseka, 7);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Lines, SeparatorCitanja, testing::Values(
    SlucajSeparatora{"PointReadWithAComma", "206.0", ',', "206,0"},
    SlucajSeparatora{"CommaReadWithAPoint", "206,0", '.', "206.0"},
    SlucajSeparatora{"PointReadWithAPoint", "206.0", '.', "206.0"},
    SlucajSeparatora{"CommaReadWithAComma", "206,0", ',', "206,0"},
    SlucajSeparatora{"BlanksSignAndExponentKept", " -1,5E+3\t", '.', " -1.5E+3\t"},
    SlucajSeparatora{"NoIntegerDigits", ",5", '.', ".5"},
    SlucajSeparatora{"NoFractionDigits", "5.", ',', "5,"},
    SlucajSeparatora{"NoSeparator", "5", ',', "5"},
    // digit grouping, two separators or text: no number either way
    SlucajSeparatora{"GroupedWithPoints", "1.000,5", ',', "1.000,5"},
    SlucajSeparatora{"GroupedWithCommas", "1,000.5", '.', "1,000.5"},
    SlucajSeparatora{"TwoCommas", "1,2,3", '.', "1,2,3"},
    SlucajSeparatora{"WithAUnit", "1,5 m", '.', "1,5 m"},
    SlucajSeparatora{"BeyondTheDoubleRange", "1,5e400", '.', "1,5e400"},
    SlucajSeparatora{"SeparatorAlone", ",", '.', ","},
    SlucajSeparatora{"Empty", "", ',', ""}
), [](const auto& info) { return std::string(info.param.ime); });
// clang-format on

struct SlucajCitanja {
    const char* opis;
    std::string bajtovi;
    int brojSila;  // 0: the read fails
    int brojPreseka;
    const char* prvaLinija;
    const char* raspon;
};

void PrintTo(const SlucajCitanja& s, std::ostream* os) { *os << s.opis; }

std::string Datoteka(const std::string& sile, const std::string& preseka,
                     const char* kraj = "\r\n") {
    std::string s;
    for (const char* l : {"206.0", "208.0", "1.0", "1.0", "1.0", "1.0", "5.0", "1.0", "1.0", "1.0",
                          "1.0", "9.0", "1.25"})
        s += std::string(l) + kraj;
    return s + sile + kraj + preseka + kraj;
}

class CitanjeDatoteke : public testing::TestWithParam<SlucajCitanja> {};

TEST_P(CitanjeDatoteke, Reads) {
    const SlucajCitanja& s = GetParam();
    if (s.brojSila == 0) {
        try {
            ProcitajDatoteku(s.bajtovi, '.');
            FAIL() << "read without error";
        } catch (const EGreskaDatoteke& e) {
            EXPECT_EQ(e.what(), kPorukaKonverzijeDatoteke);
        }
        return;
    }
    const SadrzajDatoteke d = ProcitajDatoteku(s.bajtovi, '.');
    EXPECT_EQ(d.BrojSila, s.brojSila);
    EXPECT_EQ(d.BrojPreseka, s.brojPreseka);
    EXPECT_EQ(d.Tekstovi.BrojPreseka, std::to_string(s.brojPreseka));
    EXPECT_EQ(d.Tekstovi.P[0], s.prvaLinija);
    EXPECT_EQ(d.Tekstovi.Raspon, s.raspon);
}

const std::string kPodrazumevana = kPodrazumevanaDatoteka;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rules, CitanjeDatoteke, testing::Values(
    SlucajCitanja{"NineForcesGiveSix", Datoteka("9", "10"), 6, 10, "206.0", "9.0"},
    SlucajCitanja{"ZeroForcesGiveOne", Datoteka("0", "10"), 1, 10, "206.0", "9.0"},
    SlucajCitanja{"NegativeForcesGiveOne", Datoteka("-4", "10"), 1, 10, "206.0", "9.0"},
    SlucajCitanja{"HundredFiftySectionsGive99", Datoteka("2", "150"), 2, 99, "206.0", "9.0"},
    SlucajCitanja{"ZeroSectionsGiveOne", Datoteka("2", "0"), 2, 1, "206.0", "9.0"},
    SlucajCitanja{"LfOnly", Datoteka("3", "7", "\n"), 3, 7, "206.0", "9.0"},
    SlucajCitanja{"NoBreakAfterTheLastLine", kPodrazumevana.substr(0, kPodrazumevana.size() - 2), 2, 10, "206.0", "9.0"},
    SlucajCitanja{"LettersInLine1", "abc" + kPodrazumevana.substr(5), 2, 10, "abc", "9.0"},
    SlucajCitanja{"LinesAfterTheFifteenthIgnored", kPodrazumevana + "x\r\ny\r\n", 2, 10, "206.0", "9.0"},
    SlucajCitanja{"LoneCrStaysInTheText", "20\r6\r\n" + kPodrazumevana.substr(7), 2, 10, "20\r6", "9.0"},
    SlucajCitanja{"TwelveLines", kPodrazumevana.substr(0, kPodrazumevana.find("1.25")), 0, 0, "", ""},
    SlucajCitanja{"FourteenLines", Datoteka("2", "").substr(0, Datoteka("2", "").size() - 2), 0, 0, "", ""},
    SlucajCitanja{"EmptyFile", "", 0, 0, "", ""},
    SlucajCitanja{"DecimalForceCount", Datoteka("2.0", "10"), 0, 0, "", ""},
    SlucajCitanja{"LettersInSectionCount", Datoteka("2", "ten"), 0, 0, "", ""},
    SlucajCitanja{"SectionCountBeyond32Bits", Datoteka("2", "99999999999"), 0, 0, "", ""}
), [](const auto& info) { return std::string(info.param.opis); });
// clang-format on

}  // namespace

namespace {

struct SlucajOstatka {
    const char* opis;
    std::string bajtovi;
    std::string ostatak;
};

std::ostream& operator<<(std::ostream& os, const SlucajOstatka& s) { return os << s.opis; }

class OstatakDatotekeTest : public testing::TestWithParam<SlucajOstatka> {};

TEST_P(OstatakDatotekeTest, IsWhatFollowsTheFifteenthLine) {
    EXPECT_EQ(OstatakDatoteke(GetParam().bajtovi), GetParam().ostatak);
}

std::string Linije(int broj, const char* kraj) {
    std::string s;
    for (int i = 0; i < broj; ++i) s += std::to_string(i) + kraj;
    return s;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Datoteke, OstatakDatotekeTest, testing::Values(
    SlucajOstatka{"fifteen lines", Linije(15, "\r\n"), ""},
    SlucajOstatka{"fewer lines", Linije(12, "\r\n"), ""},
    SlucajOstatka{"a fifteenth line without its break", Linije(14, "\r\n") + "10", ""},
    SlucajOstatka{"lines after, kept byte for byte", Linije(15, "\r\n") + "[x]\r\nq=5\n\xE9", "[x]\r\nq=5\n\xE9"},
    SlucajOstatka{"LF alone", Linije(15, "\n") + "a\n", "a\n"}
));
// clang-format on

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// The section tables as CSV from `izvestaj --csv` and `tacno --csv`.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "PokretanjeCli.h"

namespace {

std::vector<std::string> Redovi(const std::string& csv) {
    std::vector<std::string> r;
    for (std::size_t od = 0; od < csv.size();) {
        const std::size_t kraj = csv.find("\r\n", od);
        if (kraj == std::string::npos) {
            ADD_FAILURE() << "a record without CR LF: " << csv.substr(od);
            break;
        }
        r.push_back(csv.substr(od, kraj - od));
        od = kraj + 2;
    }
    return r;
}

std::size_t Polja(const std::string& red) { return std::count(red.begin(), red.end(), ',') + 1u; }

TEST(CsvIzlaz, IzvestajWritesOneRowPerSectionOfTheDefaults) {
    const Ishod i = Pokreni({"izvestaj", "--csv"});
    ASSERT_EQ(i.kod, 0) << i.greske;
    EXPECT_EQ(i.greske, "");
    const std::vector<std::string> r = Redovi(i.izlaz);
    ASSERT_EQ(r.size(), 12u);
    EXPECT_EQ(r[0], "x [m],extM [kNm],maxT [kN],minT [kN]");
    EXPECT_EQ(r[1], "0,0,298.44444444444446,0");
    // "M2(4.5) = 416.5 [kNm]"
    EXPECT_EQ(r[6].substr(0, 10), "4.5,416.5,");
    // "M2(9) = -8.88178419700125E-14 [kNm]"
    EXPECT_EQ(r[11], "9,-8.881784197001252e-14,0,-299.55555555555554");
    EXPECT_EQ(i.izlaz.find('\n'), i.izlaz.find("\r\n") + 1);
}

// A decimal comma is how the data are read, never how the table is written.
TEST(CsvIzlaz, NumbersHaveAPointWhateverTheRegionalSeparator) {
    const std::vector<std::string> tacka = {"206.0", "208.0", "1", "1", "1",    "1", "5.0", "1",
                                            "1",     "1",     "1", "9", "1.25", "2", "10"};
    std::vector<std::string> zarez = tacka;
    for (std::string& t : zarez) std::replace(t.begin(), t.end(), '.', ',');
    const auto datoteka = [](const std::string& ime, const std::vector<std::string>& linije) {
        std::string s;
        for (const std::string& l : linije) s += l + "\r\n";
        return Zapisi(ime, s);
    };
    for (const char* komanda : {"izvestaj", "tacno"}) {
        const Ishod c = Pokreni({komanda, "--csv", datoteka("tacka.Lastovar", tacka)});
        const Ishod de =
            Pokreni({komanda, "--csv", datoteka("zarez.Lastovar", zarez)}, "de_DE.UTF-8");
        ASSERT_EQ(de.kod, 0) << de.greske;
        EXPECT_EQ(de.izlaz, c.izlaz) << komanda;
    }
}

struct Tabela {
    const char* ime;
    std::vector<std::string> argumenti;
    std::size_t kolona;
    const char* poslednjaKolona;
};

class TacnoCsv : public testing::TestWithParam<Tabela> {};

TEST_P(TacnoCsv, AddsTheExactValuesAndTheCriticalPositions) {
    const Ishod i = Pokreni(GetParam().argumenti);
    ASSERT_EQ(i.kod, 0) << i.greske;
    const std::vector<std::string> r = Redovi(i.izlaz);
    ASSERT_EQ(r.size(), 12u);
    for (const std::string& red : r) EXPECT_EQ(Polja(red), GetParam().kolona) << red;
    EXPECT_TRUE(r[0].ends_with(GetParam().poslednjaKolona)) << r[0];
    // Its first four columns are the report's table.
    const std::vector<std::string> izvestaj = Redovi(Pokreni({"izvestaj", "--csv"}).izlaz);
    for (std::size_t k = 1; k < r.size(); ++k) {
        std::size_t kraj = 0;
        for (int p = 0; p < 4; ++p) kraj = r[k].find(',', kraj) + 1;
        EXPECT_EQ(r[k].substr(0, kraj - 1), izvestaj[k]);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Smerovi, TacnoCsv, testing::Values(
    Tabela{"OneWay", {"tacno", "--csv"}, 16, ",minT P1 na [m],minT sila na preseku"},
    Tabela{"BothWays", {"tacno", "--oba-smera", "--csv"}, 19, ",minT sila na preseku,minT voz"}
), [](const auto& info) { return std::string(info.param.ime); });
// clang-format on

TEST(CsvIzlaz, RefusedDataGiveTheReportsMessageAndNoTable) {
    // P1 a word, the other lines numbers
    const std::string slovo =
        "abc\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n2\r\n10\r\n";
    const Ishod i = Pokreni({"izvestaj", "--csv", Zapisi("slovo.Lastovar", slovo)});
    EXPECT_EQ(i.kod, 2);
    EXPECT_EQ(i.greske, "Greska u unosu tipa podataka za proracun!!!\n");
    EXPECT_EQ(i.izlaz, "");
}

}  // namespace

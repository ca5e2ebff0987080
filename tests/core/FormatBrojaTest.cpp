// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "FormatBroja.h"

namespace {

struct SlucajFormata {
    long double vrednost;
    char separator;
    const char* ocekivano;
};

class FormatBrojaTest : public testing::TestWithParam<SlucajFormata> {};

TEST_P(FormatBrojaTest, Formats) {
    const SlucajFormata& s = GetParam();
    EXPECT_EQ(FormatBroja(s.vrednost, s.separator), s.ocekivano);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rules, FormatBrojaTest, testing::Values(
    SlucajFormata{46.0L, '.', "46"},
    SlucajFormata{2.5L, '.', "2.5"},
    SlucajFormata{-2.5L, '.', "-2.5"},
    SlucajFormata{0.0001L, '.', "0.0001"},
    SlucajFormata{0.9L, '.', "0.9"},
    SlucajFormata{1e-5L, '.', "1E-5"},
    SlucajFormata{1.5e20L, '.', "1.5E20"},
    SlucajFormata{1e15L, '.', "1E15"},
    SlucajFormata{999999999999999.0L, '.', "999999999999999"},
    SlucajFormata{0.0L, '.', "0"},
    SlucajFormata{-0.0L, '.', "0"},
    SlucajFormata{1.2e-14L, '.', "1.2E-14"},
    SlucajFormata{-8.88178419700125232e-14L, '.', "-8.88178419700125E-14"},
    // 0.99999999999999995 rounds into a new leading digit
    SlucajFormata{0.99999999999999995L, '.', "1"},
    // 9999999999999995 rounds to 1E16 and so leaves fixed notation
    SlucajFormata{9999999999999995.0L, '.', "1E16"},
    // 0.000099999999999999995 rounds up to 0.0001 and so enters fixed notation
    SlucajFormata{0.000099999999999999995L, '.', "0.0001"},
    // an exact tie at the 16th digit goes away from zero
    SlucajFormata{100000000000000.5L, '.', "100000000000001"},
    SlucajFormata{-100000000000000.5L, '.', "-100000000000001"},
    SlucajFormata{2.51207729468599034L, '.', "2.51207729468599"},
    SlucajFormata{301.180555555555556L, '.', "301.180555555556"},
    SlucajFormata{2.5L, ',', "2,5"},
    SlucajFormata{1.5e20L, ',', "1,5E20"},
    SlucajFormata{-1.25e-7L, ',', "-1,25E-7"}
));
// clang-format on

TEST(FormatFiksno, ThreeDecimalsHalfAwayFromZero) {
    EXPECT_EQ(FormatFiksno(416.5L, 3, '.'), "416.500");
    EXPECT_EQ(FormatFiksno(0.0625L, 3, '.'), "0.063");
    EXPECT_EQ(FormatFiksno(-0.0625L, 3, '.'), "-0.063");
    EXPECT_EQ(FormatFiksno(9.9996L, 3, '.'), "10.000");
    EXPECT_EQ(FormatFiksno(0.0096L, 3, '.'), "0.010");
    EXPECT_EQ(FormatFiksno(0.00051L, 3, '.'), "0.001");
    EXPECT_EQ(FormatFiksno(0.0004L, 3, '.'), "0.000");
    EXPECT_EQ(FormatFiksno(-0.0004L, 3, '.'), "0.000");
    EXPECT_EQ(FormatFiksno(0.0L, 3, ','), "0,000");
    EXPECT_EQ(FormatFiksno(1234567.25L, 3, ','), "1234567,250");
    EXPECT_EQ(FormatFiksno(1e20L, 3, '.'), "100000000000000000000.000");
}

struct Inzenjerski {
    long double v;
    TJedinica jedinica;
    char sep;
    const char* tekst;
};

class FormatInzenjerskiTest : public testing::TestWithParam<Inzenjerski> {};

TEST_P(FormatInzenjerskiTest, RoundsToTheUnitsDecimalsAndWritesZeroAsZero) {
    const Inzenjerski& r = GetParam();
    EXPECT_EQ(FormatInzenjerski(r.v, r.jedinica, r.sep), r.tekst);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Redovi, FormatInzenjerskiTest, testing::Values(
    Inzenjerski{446.76349L, TJedinica::kNm, '.', "446.763"},
    Inzenjerski{227.65L, TJedinica::kN, ',', "227,650"},
    Inzenjerski{-0.0999999999999996L, TJedinica::m, '.', "-0.100"},
    Inzenjerski{4.00000000000002L, TJedinica::Procenat, '.', "4.00"},
    Inzenjerski{0.5155L, TJedinica::Procenat, '.', "0.52"},
    // rounding residues and a negative zero are 0, never "-0.000"
    Inzenjerski{-8.88178419700125E-14L, TJedinica::kNm, '.', "0"},
    Inzenjerski{-0.0004L, TJedinica::kN, '.', "0"},
    Inzenjerski{-0.0L, TJedinica::m, '.', "0"},
    Inzenjerski{0.004L, TJedinica::Procenat, ',', "0"},
    Inzenjerski{0.00075L, TJedinica::m, '.', "0.001"},
    Inzenjerski{123456.789L, TJedinica::m, ',', "123456,789"},
    Inzenjerski{1e20L, TJedinica::kNm, '.', "100000000000000000000.000"}
));
// clang-format on

}  // namespace

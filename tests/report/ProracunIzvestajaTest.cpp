// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "ProracunIzvestaja.h"
#include "SlucajOpterecenja.h"

namespace {

TProracunIzvestaja Proracun(const SlucajOpterecenja& s, std::int32_t brojSila) {
    return TProracunIzvestaja::Izracunaj(ZapisIzTekstova(s.Tekstovi(), '.'), brojSila);
}

std::vector<std::int32_t> Zone(const TRedPreseka& red) {
    std::vector<std::int32_t> zone;
    for (const TMomentUPreseku& m : red.ExtM) zone.push_back(m.Zona);
    return zone;
}

// The section on lambda_1 of four forces keeps both of its extM lines, in
// the report's order; a reader that wants one value takes the first.
TEST(ProracunIzvestaja, SectionOnLambda1OfFourForcesHoldsBothLines) {
    const TProracunIzvestaja p =
        Proracun({{"1", "1", "1", "1"}, {"1", "1", "1"}, "10", "0", "4"}, 4);
    ASSERT_EQ(p.Preseci.size(), 5u);
    const std::vector<std::vector<std::int32_t>> ocekivano{{1}, {1, 2}, {2}, {3}, {4}};
    for (std::size_t i = 0; i < p.Preseci.size(); ++i)
        EXPECT_EQ(Zone(p.Preseci[i]), ocekivano[i]) << i;
    EXPECT_EQ(p.Preseci[1].x, 2.5L);
    EXPECT_EQ(p.Preseci[1].ExtM[0].M, p.Voz.Moment(1, 2.5L));
    EXPECT_EQ(p.Preseci[1].ExtM[1].M, p.Voz.Moment(2, 2.5L));
}

// The calculator answers -0.0 where the report prints 0; the rows hold what
// is printed, so a table file written from them shows no "-0" either.
TEST(ProracunIzvestaja, ShearZerosAreUnsigned) {
    const TProracunIzvestaja p = Proracun({{"206.0", "208.0"}, {"5.0"}, "9.0", "1.25", "10"}, 2);
    ASSERT_EQ(p.Preseci.size(), 11u);
    EXPECT_EQ(p.Preseci.front().MinT, 0.0);
    EXPECT_EQ(p.Preseci.back().MaxT, 0.0);
    for (const TRedPreseka& red : p.Preseci) {
        EXPECT_FALSE(red.MaxT == 0 && std::signbit(red.MaxT)) << static_cast<double>(red.x);
        EXPECT_FALSE(red.MinT == 0 && std::signbit(red.MinT)) << static_cast<double>(red.x);
    }
}

TEST(ProracunIzvestaja, NoTrainOrNoSectionsGiveNoRows) {
    const SlucajOpterecenja s{{"206.0", "208.0"}, {"5.0"}, "9.0", "1.25", "10"};
    const TProracunIzvestaja bezVoza = Proracun(s, 7);
    EXPECT_FALSE(bezVoza.Voz.Vazi());
    EXPECT_TRUE(bezVoza.Preseci.empty());
    EXPECT_EQ(bezVoza.KorakPreseka, 0.0);
    EXPECT_FALSE(bezVoza.Granice[0].Desna.has_value());
    EXPECT_EQ(bezVoza.Proizvoljni.x, 1.25);
    EXPECT_EQ(bezVoza.Proizvoljni.Zona, 0);

    SlucajOpterecenja bezPreseka = s;
    bezPreseka.preseka = std::string("0");  // a literal trips GCC 12's -Wrestrict at -O2
    const TProracunIzvestaja p = Proracun(bezPreseka, 2);
    EXPECT_TRUE(p.Preseci.empty());
    EXPECT_EQ(p.Proizvoljni.Zona, 1);
}

}  // namespace

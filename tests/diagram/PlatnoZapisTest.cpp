// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "PlatnoZapis.h"

namespace {

TEST(PlatnoZapis, WritesLinesFromTheCurrentPointWithPenChangesOnly) {
    TPlatnoZapis p(PocetniFontStampe());
    p.PopuniPozadinu(0, 0, 10, 10);
    p.Olovka() = {kCrvena, 2};
    p.PomeriNa(1, 2);
    p.LinijaDo(3, 4);
    p.LinijaDo(5, 6);
    p.Olovka().Sirina = 9;  // changed and changed back before any line
    p.Olovka().Sirina = 2;
    p.PomeriNa(0, 0);
    p.LinijaDo(-7, 8);
    p.Olovka().Boja = kPlava;
    p.LinijaDo(9, 9);
    p.Font().Boja = TBoja{0x12, 0xAB, 0x0F};
    p.Tekst(9, -10, "5.744");
    EXPECT_EQ(p.Zapis(),
              "olovka #FF0000 2\n"
              "linija 1 2 3 4\n"
              "linija 3 4 5 6\n"
              "linija 0 0 -7 8\n"
              "olovka #0000FF 2\n"
              "linija -7 8 9 9\n"
              "tekst 9 -10 #12AB0F \"5.744\"\n");
}

// A polygon's fill is its own colour: it writes no pen and moves nothing.
TEST(PlatnoZapis, WritesAFilledPolygonWithItsVerticesInOrder) {
    TPlatnoZapis p(PocetniFontStampe());
    p.Olovka() = {kCrvena, 2};
    p.PomeriNa(1, 2);
    p.PopuniPoligon({{0, 0}, {10, -3}, {4, 7}}, TBoja{0xFF, 0xE0, 0xB2});
    p.LinijaDo(3, 4);
    EXPECT_EQ(p.Zapis(),
              "poligon #FFE0B2 0 0 10 -3 4 7\n"
              "olovka #FF0000 2\n"
              "linija 1 2 3 4\n");
}

TEST(PlatnoZapis, KeepsTheFontSizeFigureOfEachText) {
    TPlatnoZapis p(PocetniFontStampe(), 96);
    p.Font().PostaviVisinu(14);
    p.Tekst(0, 0, "a");
    ASSERT_EQ(p.Operacije().size(), 1u);
    EXPECT_EQ(p.Operacije()[0].velicina, -11);
}

}  // namespace

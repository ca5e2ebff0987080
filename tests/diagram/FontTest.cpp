// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Font.h"

namespace {

struct SlucajVisine {
    int piksela;
    int tacakaPoIncu;
    int velicina;
};

void PrintTo(const SlucajVisine& s, std::ostream* os) {
    *os << s.piksela << " px at " << s.tacakaPoIncu << " dpi";
}

class VisinaFontaTest : public testing::TestWithParam<SlucajVisine> {};

TEST_P(VisinaFontaTest, ReportsTheNegativeCellHeightInPoints) {
    const SlucajVisine& s = GetParam();
    TFont f = PocetniFontStampe();
    f.PostaviVisinu(s.piksela);
    EXPECT_EQ(f.Velicina(s.tacakaPoIncu), s.velicina);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rounding, VisinaFontaTest, testing::Values(
    SlucajVisine{14, 96, -11},   // 10.5 rounds away from zero
    SlucajVisine{11, 96, -8},    // 8.25
    SlucajVisine{10, 96, -8},    // 7.5 rounds away from zero
    SlucajVisine{16, 96, -12},
    SlucajVisine{14, 120, -8},   // 8.4
    SlucajVisine{14, 600, -2},
    SlucajVisine{-14, 96, 11}    // a negative height gives the positive figure
));
// clang-format on

TEST(Font, SizeInPointsIsItsOwnFigureOnAnyDevice) {
    TFont f = FontProzoraDijagrama();
    EXPECT_EQ(f.Velicina(96), 8);
    f.PostaviVisinu(14);
    f.PostaviVelicinu(12);
    EXPECT_EQ(f.Velicina(96), 12);
    EXPECT_EQ(f.Velicina(1200), 12);
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "Konverzija.h"

namespace {

struct SlucajBroja {
    const char* tekst;
    char separator;
    std::optional<double> ocekivano;  // nullopt: a conversion error
};

std::ostream& operator<<(std::ostream& os, const SlucajBroja& s) {
    return os << '"' << s.tekst << "\" sep '" << s.separator << "'";
}

class TekstUBrojTest : public testing::TestWithParam<SlucajBroja> {};

TEST_P(TekstUBrojTest, ConvertsOrRefuses) {
    const SlucajBroja& s = GetParam();
    if (s.ocekivano) {
        EXPECT_EQ(TekstUBroj(s.tekst, s.separator), *s.ocekivano);
    } else {
        try {
            TekstUBroj(s.tekst, s.separator);
            FAIL() << "accepted";
        } catch (const EGreskaKonverzije& e) {
            EXPECT_EQ(e.tekst(), s.tekst);
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Grammar, TekstUBrojTest, testing::Values(
    SlucajBroja{"206.0", '.', 206.0},
    SlucajBroja{"  1.25\t", '.', 1.25},
    SlucajBroja{"+5", '.', 5.0},
    SlucajBroja{"-0.5", '.', -0.5},
    SlucajBroja{"5.", '.', 5.0},
    SlucajBroja{".5", '.', 0.5},
    SlucajBroja{"1e3", '.', 1000.0},
    SlucajBroja{"1.5E+20", '.', 1.5e20},
    SlucajBroja{"2.5e-3", '.', 0.0025},
    SlucajBroja{"1e-400", '.', 0.0},
    SlucajBroja{"1,5", ',', 1.5},
    SlucajBroja{"1.7976931348623157e308", '.', 1.7976931348623157e308},
    SlucajBroja{"", '.', std::nullopt},
    SlucajBroja{"   ", '.', std::nullopt},
    SlucajBroja{"abc", '.', std::nullopt},
    SlucajBroja{"1.0", ',', std::nullopt},
    SlucajBroja{"1,5", '.', std::nullopt},
    SlucajBroja{"1.2.3", '.', std::nullopt},
    SlucajBroja{".", '.', std::nullopt},
    SlucajBroja{"-", '.', std::nullopt},
    SlucajBroja{"+-1", '.', std::nullopt},
    SlucajBroja{"1e", '.', std::nullopt},
    SlucajBroja{"1e+", '.', std::nullopt},
    SlucajBroja{"e5", '.', std::nullopt},
    SlucajBroja{"1 2", '.', std::nullopt},
    SlucajBroja{"1e400", '.', std::nullopt},
    SlucajBroja{"-1e309", '.', std::nullopt},
    SlucajBroja{"inf", '.', std::nullopt},
    SlucajBroja{"nan", '.', std::nullopt},
    SlucajBroja{"0x10", '.', std::nullopt},
    SlucajBroja{"0x1p3", '.', std::nullopt},
    SlucajBroja{"5m", '.', std::nullopt}
));
// clang-format on

TEST(TekstUBroj, NegativeUnderflowKeepsItsSign) {
    const double v = TekstUBroj("-1e-400", '.');
    EXPECT_EQ(v, 0.0);
    EXPECT_TRUE(std::signbit(v));
}

TEST(TekstUCeoBroj, AcceptsDecimalIntegersOnly) {
    EXPECT_EQ(TekstUCeoBroj("10"), 10);
    EXPECT_EQ(TekstUCeoBroj(" -7 "), -7);
    EXPECT_EQ(TekstUCeoBroj("+99"), 99);
    EXPECT_EQ(TekstUCeoBroj("2147483647"), 2147483647);
    EXPECT_EQ(TekstUCeoBroj("-2147483648"), -2147483647 - 1);
    for (const char* los : {"", "1.0", "1,0", "2147483648", "-2147483649", "abc", "1e2", "$10",
                            "0x10", "99999999999999999999", "-"})
        EXPECT_THROW(TekstUCeoBroj(los), EGreskaKonverzije) << los;
}

}  // namespace

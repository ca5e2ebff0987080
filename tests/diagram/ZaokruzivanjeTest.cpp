// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <charconv>
#include <limits>

#include "Zaokruzivanje.h"

namespace {

struct SlucajZaokruzivanja {
    long double vrednost;
    std::int32_t ocekivano;
};

void PrintTo(const SlucajZaokruzivanja& s, std::ostream* os) {
    char bafer[32];
    const auto r = std::to_chars(bafer, bafer + sizeof bafer, static_cast<double>(s.vrednost));
    os->write(bafer, r.ptr - bafer);
}

class ZaokruzivanjeTest : public testing::TestWithParam<SlucajZaokruzivanja> {};

TEST_P(ZaokruzivanjeTest, RoundsHalvesToEven) {
    EXPECT_EQ(ZaokruziParno(GetParam().vrednost), GetParam().ocekivano);
}

constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
constexpr auto kMax = std::numeric_limits<std::int32_t>::max();

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, ZaokruzivanjeTest, testing::Values(
    SlucajZaokruzivanja{2.5L, 2},
    SlucajZaokruzivanja{3.5L, 4},
    SlucajZaokruzivanja{-2.5L, -2},
    SlucajZaokruzivanja{-3.5L, -4},
    SlucajZaokruzivanja{3712.5L, 3712},
    SlucajZaokruzivanja{462.5L, 462},
    SlucajZaokruzivanja{0.49999999999999994L, 0},
    SlucajZaokruzivanja{1045.9L, 1046},
    SlucajZaokruzivanja{-0.4L, 0},
    SlucajZaokruzivanja{1e12L, kMax},
    SlucajZaokruzivanja{-1e12L, kMin},
    SlucajZaokruzivanja{std::numeric_limits<long double>::quiet_NaN(), kMin}
));
// clang-format on

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "UticajneLinije.h"
#include "VozUPolozaju.h"

namespace {

TVoz Voz(std::int32_t n, std::array<double, 6> P, std::array<double, 5> Ls, double L) {
    return TVoz(n, P, Ls, L);
}

struct SlucajPolozaja {
    const char* opis;
    TVoz voz;
    bool obrnut;
    std::int32_t sila;  // this force stands at ksi
    double ksi;
    double x;  // the section read
    double A, B, M, TLevo, TDesno;
};

void PrintTo(const SlucajPolozaja& s, std::ostream* os) { *os << s.opis; }

class VozUPolozaju : public testing::TestWithParam<SlucajPolozaja> {};

TEST_P(VozUPolozaju, GivesTheHandComputedStatics) {
    const SlucajPolozaja& s = GetParam();
    const TVozUPolozaju v(s.voz, s.obrnut, s.sila, s.ksi);
    EXPECT_NEAR(v.A(), s.A, 1e-12);
    EXPECT_NEAR(v.B(), s.B, 1e-12);
    const TStanjePreseka p = v.UPreseku(s.x);
    EXPECT_NEAR(p.M, s.M, 1e-12);
    EXPECT_NEAR(p.TLevo, s.TLevo, 1e-12);
    EXPECT_NEAR(p.TDesno, s.TDesno, 1e-12);
}

const TVoz kJedna = Voz(1, {10}, {}, 4);
const TVoz kPodrazumevani = Voz(2, {206, 208}, {5}, 9);
const TVoz kTeskaDruga = Voz(2, {1, 100}, {1}, 10);

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, VozUPolozaju, testing::Values(
    SlucajPolozaja{"one force read under it", kJedna, false, 1, 1.0, 1.0, 7.5, 2.5, 7.5, 7.5, -2.5},
    SlucajPolozaja{"one force read right of it", kJedna, false, 1, 1.0, 2.0, 7.5, 2.5, 5.0, -2.5, -2.5},
    SlucajPolozaja{"one force on the left support", kJedna, false, 1, 0.0, 0.0, 10, 0, 0, 10, 0},
    SlucajPolozaja{"one force on the right support", kJedna, false, 1, 4.0, 4.0, 0, 10, 0, 0, -10},
    SlucajPolozaja{"one force off the span", kJedna, false, 1, -0.5, 1.0, 0, 0, 0, 0, 0},
    SlucajPolozaja{"a section off the span", kJedna, false, 1, 1.0, 4.5, 7.5, 2.5, 0, 0, 0},
    SlucajPolozaja{"defaults, P1 beyond the left support", kPodrazumevani, false, 2, 4.5, 4.5, 104, 104, 468, 104, -104},
    SlucajPolozaja{"defaults, both on the span", kPodrazumevani, false, 1, 1.0, 1.0, 206 * 8 / 9.0 + 208 * 3 / 9.0, 206 / 9.0 + 208 * 6 / 9.0, 206 * 8 / 9.0 + 208 * 3 / 9.0, 206 * 8 / 9.0 + 208 * 3 / 9.0, 208 * 3 / 9.0 - 206 / 9.0},
    SlucajPolozaja{"reversed: P1 right of P2", kTeskaDruga, true, 2, 5.0, 5.0, 50.4, 50.6, 252, 50.4, -49.6},
    SlucajPolozaja{"reversed, placed by P1", kTeskaDruga, true, 1, 6.0, 5.0, 50.4, 50.6, 252, 50.4, -49.6}
));
// clang-format on

TEST(VozUPolozaju, PlacesEachForceByItsOffsetAndTellsWhichLoadTheSpan) {
    const TVoz v = Voz(3, {10, 20, 30}, {2, 3}, 10);
    const TVozUPolozaju napred(v, false, 2, 1.0);
    ASSERT_EQ(napred.Sile().size(), 3u);
    EXPECT_EQ(napred.Sile()[0].x, -1.0L);
    EXPECT_EQ(napred.Sile()[1].x, 1.0L);
    EXPECT_EQ(napred.Sile()[2].x, 4.0L);
    EXPECT_FALSE(napred.Sile()[0].NaRasponu);
    EXPECT_TRUE(napred.Sile()[2].NaRasponu);
    EXPECT_EQ(napred.PolozajP1(), -1.0L);
    const TVozUPolozaju nazad(v, true, 2, 9.0);
    EXPECT_EQ(nazad.Sile()[0].x, 11.0L);
    EXPECT_EQ(nazad.Sile()[2].x, 6.0L);
    EXPECT_FALSE(nazad.Sile()[0].NaRasponu);
    EXPECT_EQ(nazad.Sile()[2].Sila, 3);
    EXPECT_EQ(nazad.Sile()[2].P, 30.0);
}

TEST(VozUPolozaju, ANumberOutsideTheTrainStandsNoForce) {
    const TVoz v = Voz(2, {10, 20}, {2}, 10);
    EXPECT_TRUE(TVozUPolozaju(v, false, 3, 1.0).Sile().empty());
    EXPECT_TRUE(TVozUPolozaju(v, false, 0, 1.0).Sile().empty());
    EXPECT_TRUE(TVozUPolozaju(TVoz(), false, 1, 1.0).Sile().empty());
    EXPECT_EQ(TVozUPolozaju(v, false, 3, 1.0).M(5.0), 0.0L);
}

// Equilibrium at random positions: the reactions carry the forces on the
// span, the moment is the same taken from either end, and the shear drops
// by the force on the section.
TEST(VozUPolozaju, IsInEquilibriumWhereverItStands) {
    std::mt19937_64 gen(2718);
    std::uniform_real_distribution<double> sila(0.5, 300.0), razmak(0.2, 6.0), udeo(0.0, 1.0);
    for (int redni = 0; redni < 300; ++redni) {
        const std::int32_t n = 1 + redni % 6;
        std::array<double, 6> P{};
        std::array<double, 5> Ls{};
        double duzina = 0;
        for (int i = 0; i < n; ++i) P[i] = sila(gen);
        for (int i = 0; i < n - 1; ++i) duzina += (Ls[i] = razmak(gen));
        const double L = duzina + 1 + 10 * udeo(gen);
        const TVoz v(n, P, Ls, L);
        const bool obrnut = redni % 2 == 1;
        const TOpsegPrelaza opseg = OpsegPrelaza(v, obrnut);
        const TVozUPolozaju p = TVozUPolozaju::SaP1(v, obrnut, opseg.Tacka(udeo(gen)));
        // A section under a force now and then, to see the jump.
        const std::int32_t naPreseku = 1 + redni % n;
        const long double x = redni % 3 == 0 && p.Sile()[naPreseku - 1].NaRasponu
                                  ? p.Sile()[naPreseku - 1].x
                                  : udeo(gen) * L;
        long double naRasponu = 0, levo = 0, desno = 0, silaNaX = 0;
        for (const TSilaUPolozaju& s : p.Sile()) {
            if (!s.NaRasponu) continue;
            naRasponu += s.P;
            if (s.x < x) levo += s.P * (x - s.x);
            if (s.x > x) desno += s.P * (s.x - x);
            if (s.x == x) silaNaX += s.P;
        }
        SCOPED_TRACE(testing::Message() << "train " << redni << " x=" << static_cast<double>(x));
        const long double skala = naRasponu * L * 1e-15L;
        EXPECT_NEAR(p.A() + p.B(), naRasponu, naRasponu * 1e-15L);
        EXPECT_NEAR(p.M(x), p.A() * x - levo, skala);
        EXPECT_NEAR(p.M(x), p.B() * (L - x) - desno, skala);
        EXPECT_NEAR(p.TLevo(x) - p.TDesno(x), silaNaX, naRasponu * 1e-15L);
    }
}

// At either end of the crossing every force stands off the span or on a
// support, where it carries nothing; just inside, the leading force loads it.
TEST(OpsegPrelaza, RunsFromWhollyOffOnTheLeftToWhollyOffOnTheRight) {
    const TVoz v = Voz(3, {10, 20, 30}, {2, 3}, 10);
    for (const bool obrnut : {false, true}) {
        const TOpsegPrelaza o = OpsegPrelaza(v, obrnut);
        EXPECT_EQ(o.Od, obrnut ? 0.0 : -5.0);
        EXPECT_EQ(o.Do, obrnut ? 15.0 : 10.0);
        for (const double p1 : {o.Od, o.Do}) {
            const TVozUPolozaju p = TVozUPolozaju::SaP1(v, obrnut, p1);
            EXPECT_EQ(p.A() + p.B(), (p1 == o.Od ? (obrnut ? 10 : 30) : (obrnut ? 30 : 10)))
                << "the force on a support goes straight into it";
            for (double x = 0; x <= 10; x += 0.5) EXPECT_EQ(p.M(x), 0.0L) << x;
        }
        EXPECT_GT(TVozUPolozaju::SaP1(v, obrnut, o.Od + 0.1).M(0.05), 0.0L);
        EXPECT_GT(TVozUPolozaju::SaP1(v, obrnut, o.Do - 0.1).M(9.95), 0.0L);
    }
    EXPECT_EQ(OpsegPrelaza(Voz(1, {10}, {}, 4), false).Od, 0.0);
    EXPECT_EQ(OpsegPrelaza(Voz(1, {10}, {}, 4), true).Do, 4.0);
}

struct SlucajPrelaza {
    const char* opis;
    TVoz voz;
    bool obrnut;
    double Od, Do, sredina;
};

void PrintTo(const SlucajPrelaza& s, std::ostream* os) { *os << s.opis; }

class TackePrelaza : public testing::TestWithParam<SlucajPrelaza> {};

// Every point of the way is finite and between the ends, and the fraction
// of the way reads back, also where the distance between the ends is no
// double (a train as long as a span near the largest double: its midpoint
// once came out infinite).
TEST_P(TackePrelaza, StayFiniteBetweenTheEnds) {
    const SlucajPrelaza& s = GetParam();
    ASSERT_TRUE(s.voz.Vazi());
    const TOpsegPrelaza o = OpsegPrelaza(s.voz, s.obrnut);
    EXPECT_EQ(o.Od, s.Od);
    EXPECT_EQ(o.Do, s.Do);
    EXPECT_EQ(o.Sredina(), s.sredina);
    EXPECT_EQ(o.Tacka(0), o.Od);
    EXPECT_EQ(o.Tacka(1), o.Do);
    EXPECT_EQ(o.Tacka(-0.5), o.Od);
    EXPECT_EQ(o.Tacka(1.5), o.Do);
    for (const double udeo : {1e-9, 0.001, 0.25, 0.5, 0.75, 0.999}) {
        const double p = o.Tacka(udeo);
        ASSERT_TRUE(std::isfinite(p)) << udeo;
        EXPECT_GE(p, o.Od) << udeo;
        EXPECT_LE(p, o.Do) << udeo;
        EXPECT_NEAR(o.Udeo(p), udeo, 1e-15) << udeo;
    }
    EXPECT_EQ(o.Udeo(o.Od), 0.0);
    EXPECT_EQ(o.Udeo(o.Do), 1.0);
    EXPECT_EQ(o.Udeo(-std::numeric_limits<double>::max()), 0.0);
    EXPECT_EQ(o.Udeo(std::numeric_limits<double>::max()), 1.0);
}

constexpr double kNajveci = std::numeric_limits<double>::max();

// clang-format off
INSTANTIATE_TEST_SUITE_P(Trains, TackePrelaza, testing::Values(
    SlucajPrelaza{"ThreeForces", Voz(3, {10, 20, 30}, {2, 3}, 10), false, -5, 10, 2.5},
    SlucajPrelaza{"ThreeForcesReversed", Voz(3, {10, 20, 30}, {2, 3}, 10), true, 0, 15, 7.5},
    SlucajPrelaza{"OneForce", Voz(1, {10}, {}, 4), false, 0, 4, 2},
    SlucajPrelaza{"AsLongAsAHugeSpan", Voz(3, {0.5, 0.5, 0.5}, {1e308, 1e30}, 1e308), false, -1e308, 1e308, 0},
    // 2e308 is no double: the far end is held at the largest one.
    SlucajPrelaza{"AsLongAsAHugeSpanReversed", Voz(3, {0.5, 0.5, 0.5}, {1e308, 1e30}, 1e308), true, 0, kNajveci, kNajveci / 2},
    SlucajPrelaza{"SubnormalForcesAsInTheFuzzFinding", Voz(3, {4.9e-312, 1e-320, 4e-310}, {1e308, 1e30}, 1e308), false, -1e308, 1e308, 0}
), [](const auto& info) { return std::string(info.param.opis); });
// clang-format on

struct SlucajUticaja {
    double x, ksi;
    double M, TLevo, TDesno;
};

void PrintTo(const SlucajUticaja& s, std::ostream* os) { *os << "x=" << s.x << " ksi=" << s.ksi; }

class UticajneLinije : public testing::TestWithParam<SlucajUticaja> {};

TEST_P(UticajneLinije, GiveTheOrdinatesOfAUnitForce) {
    const SlucajUticaja& s = GetParam();
    constexpr long double L = 8;
    EXPECT_NEAR(UticajM(L, s.x, s.ksi), s.M, 1e-15) << s.x << " " << s.ksi;
    EXPECT_NEAR(UticajTLevo(L, s.x, s.ksi), s.TLevo, 1e-15) << s.x << " " << s.ksi;
    EXPECT_NEAR(UticajTDesno(L, s.x, s.ksi), s.TDesno, 1e-15) << s.x << " " << s.ksi;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(RasponOsam, UticajneLinije, testing::Values(
    SlucajUticaja{2, 1, 0.75, -0.125, -0.125},    // left of the section
    SlucajUticaja{2, 2, 1.5, 0.75, -0.25},        // on it: the jump
    SlucajUticaja{2, 6, 0.5, 0.25, 0.25},         // right of it
    SlucajUticaja{2, 0, 0, 0, 0},                 // on the left support
    SlucajUticaja{2, 8, 0, 0, 0},                 // on the right support
    SlucajUticaja{0, 0, 0, 1, 0},                 // the section on a support, the force on it
    SlucajUticaja{8, 8, 0, 0, -1},
    SlucajUticaja{2, -0.1, 0, 0, 0},              // off the span
    SlucajUticaja{2, 8.1, 0, 0, 0},
    SlucajUticaja{-1, 2, 0, 0, 0},                // a section off the span
    SlucajUticaja{9, 2, 0, 0, 0}
));
// clang-format on

}  // namespace

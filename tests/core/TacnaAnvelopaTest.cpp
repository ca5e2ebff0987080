// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <ostream>
#include <random>

#include "ProracunLastovar.h"
#include "SlucajanVoz.h"
#include "TacnaAnvelopa.h"

namespace {

TTacnaAnvelopaUPreseku Tacno(const VozTesta& v, double x, TSmerVoza smer) {
    return TTacnaAnvelopa::UPreseku(v.Zapis(), v.n, x, smer);
}

// Plain statics of the train with P1 at p1, the others at p1 + smer*s_i;
// only the forces on [0, L] load the beam. Force naX, if any, stands on x.
struct Statika {
    double M;       // moment at x
    double TLevo;   // shear just left of x: a force on x belongs to the right part
    double TDesno;  // shear just right of x: a force on x belongs to the left part
};

Statika Staticki(const VozTesta& v, double p1, int smer, double x, int naX = 0) {
    double A = 0, levoOdX = 0, naPreseku = 0, momentLevih = 0;
    for (int i = 1; i <= v.n; ++i) {
        const double xi = i == naX ? x : p1 + smer * v.s(i);
        if (xi < 0 || xi > v.L) continue;
        const double P = v.P[i - 1];
        A += P * (v.L - xi) / v.L;
        if (xi < x) {
            levoOdX += P;
            momentLevih += P * (x - xi);
        } else if (xi == x) {
            naPreseku += P;
        }
    }
    return {A * x - momentLevih, A - levoOdX, A - levoOdX - naPreseku};
}

struct Zahvat {
    double extM = 0, maxT = 0, minT = 0;  // the train off the span gives zeros
};

// Steps the train across the beam by h, its leftmost force from -length to L.
Zahvat Korak(const VozTesta& v, double x, int smer, double h) {
    const double duzina = v.s(v.n);
    Zahvat z;
    for (int k = 0; k * h <= v.L + duzina; ++k) {
        const double levi = -duzina + k * h;
        const Statika st = Staticki(v, smer > 0 ? levi : levi + duzina, smer, x);
        z.extM = std::max(z.extM, st.M);
        z.maxT = std::max({z.maxT, st.TLevo, st.TDesno});
        z.minT = std::min({z.minT, st.TLevo, st.TDesno});
    }
    return z;
}

// The force on the section and the values must be reproduced by statics at
// the reported position.
void ProveriPolozaj(const VozTesta& v, double x, const TTacnaAnvelopaUPreseku& t) {
    const double skala = v.R() * v.L * 1e-12;
    const auto proveri = [&](const TEkstrem& e, double Statika::*citanje, const char* sta) {
        const int smer = e.Polozaj.Obrnut ? -1 : 1;
        ASSERT_GE(e.Polozaj.Sila, 1) << sta;
        ASSERT_LE(e.Polozaj.Sila, v.n) << sta;
        EXPECT_NEAR(e.Polozaj.PolozajP1 + smer * v.s(e.Polozaj.Sila), x, v.L * 1e-12) << sta;
        const double p1 = x - smer * v.s(e.Polozaj.Sila);
        const Statika st = Staticki(v, p1, smer, x, e.Polozaj.Sila);
        EXPECT_NEAR(st.*citanje, e.Vrednost, skala) << sta;
        // What the section carries at the same time, read in that position.
        EXPECT_NEAR(e.Istovremeno.M, st.M, skala) << sta;
        EXPECT_NEAR(e.Istovremeno.TLevo, st.TLevo, v.R() * 1e-12) << sta;
        EXPECT_NEAR(e.Istovremeno.TDesno, st.TDesno, v.R() * 1e-12) << sta;
    };
    proveri(t.ExtM, &Statika::M, "extM");
    proveri(t.MaxT, &Statika::TLevo, "maxT");
    proveri(t.MinT, &Statika::TDesno, "minT");
    EXPECT_EQ(t.ExtM.Istovremeno.M, t.ExtM.Vrednost);
    EXPECT_EQ(t.MaxT.Istovremeno.TLevo, t.MaxT.Vrednost);
    EXPECT_EQ(t.MinT.Istovremeno.TDesno, t.MinT.Vrednost);
}

class TacnaAnvelopaPoBrojuSila : public testing::TestWithParam<int> {};

TEST_P(TacnaAnvelopaPoBrojuSila, MatchesAFineSweepOfEveryPosition) {
    const int n = GetParam();
    std::mt19937_64 gen(7919 + n);
    constexpr int kVozova = 30, kKoraka = 10000;
    for (int redni = 0; redni < kVozova; ++redni) {
        const VozTesta v = SlucajanVoz(gen, n, redni, 0.3);
        std::uniform_real_distribution<double> presek(0.0, v.L);
        const double R = v.R();
        for (int t = 0; t < 8; ++t) {
            const double x = t == 0 ? 0.0 : t == 1 ? v.L : presek(gen);
            SCOPED_TRACE(testing::Message() << "train " << redni << " L=" << v.L << " x=" << x);
            const double h = (v.L + v.s(v.n)) / kKoraka;
            const Zahvat napred = Korak(v, x, 1, h);
            const Zahvat nazad = Korak(v, x, -1, h);
            const Zahvat oba{std::max(napred.extM, nazad.extM), std::max(napred.maxT, nazad.maxT),
                             std::min(napred.minT, nazad.minT)};
            // Between two steps the moment moves by at most R*h, the shear by R*h/L.
            const double dopustM = R * h + R * v.L * 1e-12, dopustT = R * h / v.L + R * 1e-12;
            for (const auto& [smer, z] :
                 {std::pair{TSmerVoza::Napred, napred}, std::pair{TSmerVoza::Nazad, nazad},
                  std::pair{TSmerVoza::Oba, oba}}) {
                const TTacnaAnvelopaUPreseku e = Tacno(v, x, smer);
                EXPECT_GE(e.ExtM.Vrednost, z.extM - R * v.L * 1e-12);
                EXPECT_LE(e.ExtM.Vrednost, z.extM + dopustM);
                EXPECT_GE(e.MaxT.Vrednost, z.maxT - R * 1e-12);
                EXPECT_LE(e.MaxT.Vrednost, z.maxT + dopustT);
                EXPECT_LE(e.MinT.Vrednost, z.minT + R * 1e-12);
                EXPECT_GE(e.MinT.Vrednost, z.minT - dopustT);
                ProveriPolozaj(v, x, e);
                if (smer != TSmerVoza::Oba) {
                    const bool obrnut = smer == TSmerVoza::Nazad;
                    EXPECT_EQ(e.ExtM.Polozaj.Obrnut, obrnut);
                    EXPECT_EQ(e.MaxT.Polozaj.Obrnut, obrnut);
                    EXPECT_EQ(e.MinT.Polozaj.Obrnut, obrnut);
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(SveSile, TacnaAnvelopaPoBrojuSila, testing::Range(1, 7));

// The classical method is exact where its assumptions hold: extM where the
// exact critical position keeps the whole train on the span, maxT where P1
// and minT where Pn is the critical force. It is never above the exact value.
TEST(TacnaAnvelopa, AgreesWithTheClassicalWhereItsAssumptionsHold) {
    std::mt19937_64 gen(424242);
    int celiVoz = 0, prvaSila = 0, poslednjaSila = 0;
    for (int redni = 0; redni < 600; ++redni) {
        const VozTesta v = SlucajanVoz(gen, 1 + redni % 6, redni, 0.3);
        const double R = v.R(), duzina = v.s(v.n);
        std::uniform_real_distribution<double> presek(0.0, v.L);
        for (int t = 0; t < 20; ++t) {
            const double x = presek(gen);
            SCOPED_TRACE(testing::Message()
                         << "train " << redni << " n=" << v.n << " L=" << v.L << " x=" << x);
            const auto klasicno = [&](auto op) {
                return op(v.n, x, v.L, v.P[0], v.P[1], v.P[2], v.P[3], v.P[4], v.P[5], v.Ls[0],
                          v.Ls[1], v.Ls[2], v.Ls[3], v.Ls[4]);
            };
            const double extM = klasicno(TProracun::ExtM), maxT = -klasicno(TProracun::MaxT),
                         minT = -klasicno(TProracun::MinT);
            const TTacnaAnvelopaUPreseku e = Tacno(v, x, TSmerVoza::Napred);
            EXPECT_GE(e.ExtM.Vrednost, extM - R * v.L * 1e-12);
            EXPECT_GE(e.MaxT.Vrednost, maxT - R * 1e-12);
            EXPECT_LE(e.MinT.Vrednost, minT + R * 1e-12);
            const double p1 = e.ExtM.Polozaj.PolozajP1;
            if (p1 > 1e-9 * v.L && p1 + duzina < v.L * (1 - 1e-9)) {
                ++celiVoz;
                EXPECT_NEAR(e.ExtM.Vrednost, extM, R * v.L * 1e-12);
            }
            if (e.MaxT.Polozaj.Sila == 1) {
                ++prvaSila;
                EXPECT_NEAR(e.MaxT.Vrednost, maxT, R * 1e-12);
            }
            if (e.MinT.Polozaj.Sila == v.n) {
                ++poslednjaSila;
                EXPECT_NEAR(e.MinT.Vrednost, minT, R * 1e-12);
            }
        }
    }
    // Each claim was put to the test often enough to mean something.
    EXPECT_GT(celiVoz, 1000);
    EXPECT_GT(prvaSila, 1000);
    EXPECT_GT(poslednjaSila, 1000);
}

// A train that reads the same both ways ties with its mirror image bit for
// bit, so either way it keeps its own orientation.
TEST(TacnaAnvelopa, ASymmetricTrainKeepsItsOwnOrientation) {
    std::mt19937_64 gen(1234);
    for (int redni = 0; redni < 200; ++redni) {
        VozTesta v = SlucajanVoz(gen, 2 + redni % 5, redni, 0.3);
        for (int i = 0; i < v.n / 2; ++i) {
            v.P[v.n - 1 - i] = v.P[i];
            v.Ls[v.n - 2 - i] = v.Ls[i];
        }
        v.L = std::max(v.L, v.s(v.n));
        std::uniform_real_distribution<double> presek(0.0, v.L);
        for (int t = 0; t < 10; ++t) {
            const double x = presek(gen);
            const TTacnaAnvelopaUPreseku a = Tacno(v, x, TSmerVoza::Napred),
                                         b = Tacno(v, x, TSmerVoza::Oba);
            EXPECT_FALSE(b.ExtM.Polozaj.Obrnut || b.MaxT.Polozaj.Obrnut || b.MinT.Polozaj.Obrnut)
                << redni << " " << x;
            EXPECT_EQ(a.ExtM.Vrednost, b.ExtM.Vrednost);
            EXPECT_EQ(a.MaxT.Vrednost, b.MaxT.Vrednost);
            EXPECT_EQ(a.MinT.Vrednost, b.MinT.Vrednost);
        }
    }
}

// A light force between two heavy ones.
const VozTesta kLakaSredina{3, 10.0, {10, 1, 10}, {4, 4.9}};

// The classical critical position keeping the whole train on the span is
// not enough: P1, P2, P3 at 1, 5, 9.9 give the classical 8 kNm, while P1 on
// the section with P3 off the span gives 25.5 kNm.
TEST(TacnaAnvelopa, ClassicalPositionOnTheSpanDoesNotMakeItExact) {
    const VozTesta& v = kLakaSredina;
    EXPECT_NEAR(
        TProracun::ExtM(3, 5.0, v.L, v.P[0], v.P[1], v.P[2], 0, 0, 0, v.Ls[0], v.Ls[1], 0, 0, 0),
        8.0, 1e-12);
    EXPECT_NEAR(Tacno(v, 5.0, TSmerVoza::Napred).ExtM.Vrednost, 25.5, 1e-12);
}

struct Ocekivano {
    double vrednost;
    int sila;
    double polozajP1;
    bool obrnut;
};

struct SlucajPreseka {
    const char* opis;
    VozTesta voz;
    double x;
    TSmerVoza smer;
    Ocekivano extM, maxT, minT;
};

std::ostream& operator<<(std::ostream& os, const SlucajPreseka& s) { return os << s.opis; }

void Uporedi(const TEkstrem& e, const Ocekivano& o, const char* sta) {
    EXPECT_NEAR(e.Vrednost, o.vrednost, 1e-9) << sta;
    EXPECT_EQ(e.Polozaj.Sila, o.sila) << sta;
    EXPECT_NEAR(e.Polozaj.PolozajP1, o.polozajP1, 1e-12) << sta;
    EXPECT_EQ(e.Polozaj.Obrnut, o.obrnut) << sta;
}

class TacnaAnvelopaUPreseku : public testing::TestWithParam<SlucajPreseka> {};

TEST_P(TacnaAnvelopaUPreseku, GivesTheHandComputedExtremes) {
    const SlucajPreseka& s = GetParam();
    const TTacnaAnvelopaUPreseku e = Tacno(s.voz, s.x, s.smer);
    Uporedi(e.ExtM, s.extM, "extM");
    Uporedi(e.MaxT, s.maxT, "maxT");
    Uporedi(e.MinT, s.minT, "minT");
}

const VozTesta kPodrazumevani{2, 9.0, {206, 208}, {5}};
const VozTesta kTeskaDruga{2, 10.0, {1, 100}, {1}};
constexpr TSmerVoza N = TSmerVoza::Napred, Z = TSmerVoza::Nazad, O = TSmerVoza::Oba;
constexpr Ocekivano kNista{0, 0, 0, false};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, TacnaAnvelopaUPreseku, testing::Values(
    SlucajPreseka{"defaults at midspan: P2 alone", kPodrazumevani, 4.5, N,
                  {468, 2, -0.5, false}, {104, 2, -0.5, false}, {-104, 2, -0.5, false}},
    SlucajPreseka{"defaults at the left support", kPodrazumevani, 0.0, N,
                  {0, 1, 0, false}, {206 + 208.0 * 4 / 9, 1, 0, false}, {0, 2, -5, false}},
    SlucajPreseka{"defaults at the right support", kPodrazumevani, 9.0, N,
                  {0, 1, 9, false}, {0, 1, 9, false}, {-208 - 206.0 * 4 / 9, 2, 4, false}},
    SlucajPreseka{"single force", VozTesta{1, 4.0, {10}, {}}, 1.0, O,
                  {7.5, 1, 1, false}, {7.5, 1, 1, false}, {-2.5, 1, 1, false}},
    SlucajPreseka{"light middle force, a tie goes to P1..Pn", kLakaSredina, 5.0, O,
                  {25.5, 1, 5, false}, {5.1, 1, 5, false}, {-5.1, 1, 5, true}},
    SlucajPreseka{"heavy second force forward", kTeskaDruga, 5.0, N,
                  {252, 2, 4, false}, {49.6, 2, 4, false}, {-50.4, 2, 4, false}},
    SlucajPreseka{"heavy second force reversed", kTeskaDruga, 5.0, Z,
                  {252, 2, 6, true}, {50.4, 2, 6, true}, {-49.6, 2, 6, true}},
    SlucajPreseka{"heavy second force, worse of both ways", kTeskaDruga, 5.0, O,
                  {252, 2, 4, false}, {50.4, 2, 6, true}, {-50.4, 2, 4, false}},
    SlucajPreseka{"coincident forces act as one", VozTesta{2, 4.0, {4, 6}, {0}}, 1.0, O,
                  {7.5, 1, 1, false}, {7.5, 1, 1, false}, {-2.5, 1, 1, false}},
    SlucajPreseka{"section left of the span", kPodrazumevani, -0.1, O, kNista, kNista, kNista},
    SlucajPreseka{"section right of the span", kPodrazumevani, 9.1, O, kNista, kNista, kNista},
    SlucajPreseka{"no forces", VozTesta{0, 9.0, {206, 208}, {5}}, 4.5, O, kNista, kNista, kNista},
    SlucajPreseka{"seven forces", VozTesta{7, 9.0, {206, 208}, {5}}, 4.5, O, kNista, kNista, kNista}
));
// clang-format on

TEST(TacnaAnvelopa, IgnoresForcesAndSpacingsBeyondTheTrain) {
    const VozTesta cist{3, 12.0, {30, 20, 10}, {2, 3}};
    VozTesta prljav = cist;
    prljav.P = {30, 20, 10, 99, 98, 97};
    prljav.Ls = {2, 3, 50, 60, 70};
    for (double x = 0; x <= 12.0; x += 0.37) {
        const TTacnaAnvelopaUPreseku a = Tacno(cist, x, TSmerVoza::Oba),
                                     b = Tacno(prljav, x, TSmerVoza::Oba);
        EXPECT_EQ(a.ExtM.Vrednost, b.ExtM.Vrednost) << x;
        EXPECT_EQ(a.MaxT.Vrednost, b.MaxT.Vrednost) << x;
        EXPECT_EQ(a.MinT.Vrednost, b.MinT.Vrednost) << x;
        EXPECT_EQ(a.MinT.Polozaj.PolozajP1, b.MinT.Polozaj.PolozajP1) << x;
    }
}

// The values in double stay within a few units in the last place of the
// quantity's scale of the extended ones, at every kind of section.
TEST(TacnaAnvelopa, ItsValuesInDoubleAgreeWithTheExtendedOnes) {
    std::mt19937_64 gen(31337);
    for (int redni = 0; redni < 300; ++redni) {
        const VozTesta v = SlucajanVoz(gen, 1 + redni % 6, redni, 0.3);
        const TTacnaAnvelopa tacna(TVoz(v.n, v.P, v.Ls, v.L));
        std::uniform_real_distribution<double> presek(0.0, v.L);
        for (int t = 0; t < 20; ++t) {
            const double x = t == 0 ? 0.0 : t == 1 ? v.L : presek(gen);
            for (const TSmerVoza smer : {TSmerVoza::Napred, TSmerVoza::Oba}) {
                const TTacnaAnvelopaUPreseku e = tacna.UPreseku(x, smer);
                const TVrednostiAnvelope d = tacna.Vrednosti(x, smer);
                EXPECT_NEAR(d.ExtM, e.ExtM.Vrednost, v.R() * v.L * 1e-15) << redni << " " << x;
                EXPECT_NEAR(d.MaxT, e.MaxT.Vrednost, v.R() * 1e-15) << redni << " " << x;
                EXPECT_NEAR(d.MinT, e.MinT.Vrednost, v.R() * 1e-15) << redni << " " << x;
            }
        }
    }
    const TTacnaAnvelopa tacna(TVoz(2, {206, 208}, {5}, 9));
    for (const double x : {-0.1, 9.1}) {
        const TVrednostiAnvelope d = tacna.Vrednosti(x, TSmerVoza::Oba);
        EXPECT_EQ(d.ExtM, 0.0);
        EXPECT_EQ(d.MaxT, 0.0);
        EXPECT_EQ(d.MinT, 0.0);
    }
}

// With P1 at 4 and the heavy P2 on the section at 5: A = 50.6, so the shear
// is 49.6 just left of P2 and -50.4 just right; maxT stands there too.
TEST(TacnaAnvelopa, GivesWhatTheSectionCarriesInTheCriticalPosition) {
    const TTacnaAnvelopaUPreseku e = Tacno(kTeskaDruga, 5.0, TSmerVoza::Napred);
    EXPECT_NEAR(e.ExtM.Istovremeno.TLevo, 49.6, 1e-12);
    EXPECT_NEAR(e.ExtM.Istovremeno.TDesno, -50.4, 1e-12);
    EXPECT_NEAR(e.MaxT.Istovremeno.M, 252, 1e-12);
    EXPECT_NEAR(e.MinT.Istovremeno.M, 252, 1e-12);
}

}  // namespace

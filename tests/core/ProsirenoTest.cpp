// SPDX-License-Identifier: GPL-3.0-or-later
// The emulated 80-bit type against this machine's x87 long double: the same
// operations on the same operands give the same bits.
#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "Prosireno.h"

namespace {

static_assert(std::numeric_limits<long double>::digits == 64, "the reference is the x87 format");
static_assert(std::is_same_v<Prosireno, long double>);

using T = TProsireno80;

T Emulirani(long double v) {
    std::uint64_t m;
    std::uint16_t se;
    std::memcpy(&m, &v, 8);
    std::memcpy(&se, reinterpret_cast<const char*>(&v) + 8, 2);
    return T::IzBitova(se, m);
}

long double Pravi(T v) {
    long double r = 0;
    const std::uint64_t m = v.Znacajni();
    const std::uint16_t se = v.ZnakIEksponent();
    std::memcpy(&r, &m, 8);
    std::memcpy(reinterpret_cast<char*>(&r) + 8, &se, 2);
    return r;
}

std::string Heks(long double v) {
    char b[64];
    std::snprintf(b, sizeof b, "%La", v);
    return b;
}

// The same value bit for bit, or both NaN (whose payloads may differ).
bool Isti(T dobijeno, long double ocekivano) {
    if (std::isnan(ocekivano)) return dobijeno.JeNaN();
    const T o = Emulirani(ocekivano);
    return dobijeno.ZnakIEksponent() == o.ZnakIEksponent() && dobijeno.Znacajni() == o.Znacajni();
}

bool IstiDouble(double a, double b) {
    return std::isnan(a) ? std::isnan(b) : std::memcmp(&a, &b, sizeof a) == 0;
}

// Every operation on one pair of operands; the first differences are kept.
class TPoredjenje {
public:
    void Par(long double a, long double b) {
        const T x = Emulirani(a), y = Emulirani(b);
        Proveri(x + y, a + b, "+", a, b);
        Proveri(x - y, a - b, "-", a, b);
        Proveri(x * y, a * b, "*", a, b);
        Proveri(x / y, a / b, "/", a, b);
        Proveri(std::sqrt(x), std::sqrt(a), "sqrt", a, b);
        Proveri(std::floor(x), std::floor(a), "floor", a, b);
        Proveri(-x, -a, "neg", a, b);
        Proveri(std::copysign(x, y), std::copysign(a, b), "copysign", a, b);
        Proveri(T(static_cast<double>(a)), static_cast<long double>(static_cast<double>(a)),
                "from double", a, b);
        if (!IstiDouble(static_cast<double>(x), static_cast<double>(a))) Greska("to double", a, b);
        if (!Isti(Emulirani(static_cast<long double>(x)), a)) Greska("to long double", a, b);
        if ((x < y) != (a < b) || (x <= y) != (a <= b) || (x == y) != (a == b) ||
            (x > y) != (a > b) || (x != y) != (a != b))
            Greska("compare", a, b);
        if (std::isfinite(x) != std::isfinite(a) || std::signbit(x) != std::signbit(a))
            Greska("class", a, b);
    }
    void Ostatak(long double a, long double b) {
        Proveri(std::fmod(Emulirani(a), Emulirani(b)), std::fmod(a, b), "fmod", a, b);
    }
    void Proveri(T dobijeno, long double ocekivano, const char* op, long double a, long double b) {
        if (!Isti(dobijeno, ocekivano)) Greska(op, a, b);
    }
    void Greska(const char* op, long double a, long double b) {
        if (++fGresaka <= 10) fOpis += std::string(op) + " " + Heks(a) + " " + Heks(b) + "\n";
    }
    std::int64_t Gresaka() const { return fGresaka; }
    const std::string& Opis() const { return fOpis; }

private:
    std::int64_t fGresaka = 0;
    std::string fOpis;
};

// Operands of every kind: any bits, the middle of the range where sums
// cancel, doubles (subnormal ones too), small integers and halves, 80-bit
// subnormals, significands of few or all ones, zeros, infinities and NaN.
class TOperandi {
public:
    explicit TOperandi(std::uint64_t seme) : fGen(seme) {}

    long double Sledeci() {
        const std::uint64_t m = fGen(), z = fGen();
        const std::uint16_t znak = (z & 1) ? 0x8000 : 0;
        switch (z >> 1 & 7) {
            case 0:
                return Pravi(
                    T::IzBitova(znak | static_cast<std::uint16_t>(1 + z % 0x7FFE), m | 1ULL << 63));
            case 1:
                return Pravi(T::IzBitova(znak | static_cast<std::uint16_t>(16383 - 70 + z % 140),
                                         m | 1ULL << 63));
            case 2: {
                double d;
                std::memcpy(&d, &m, sizeof d);
                return d;
            }
            case 3:
                return static_cast<long double>(static_cast<std::int64_t>(m % 2001) - 1000) /
                       (1 << (z % 4));
            case 4:
                return Pravi(T::IzBitova(znak | static_cast<std::uint16_t>(z % 3),
                                         z % 3 ? m | 1ULL << 63 : m >> (z % 64)));
            case 5: {
                const std::uint64_t malo = (1ULL << 63) | (m & 0xF) | (m >> 60 << 1);
                return Pravi(T::IzBitova(znak | static_cast<std::uint16_t>(16383 - 3 + z % 7),
                                         (z & 2) ? malo : ~(m & 0xF)));
            }
            case 6: {
                constexpr long double kPosebni[] = {0.0L,    -0.0L,   HUGE_VALL,   -HUGE_VALL,
                                                    NAN,     1.0L,    LDBL_MAX,    LDBL_MIN,
                                                    DBL_MAX, DBL_MIN, DBL_TRUE_MIN};
                return kPosebni[m % std::size(kPosebni)];
            }
            default:
                return fPrethodni;
        }
    }

    // Pairs of nearby values too: the second shares the first's exponent
    // or lies next to it, so that their difference cancels.
    std::pair<long double, long double> Par() {
        const long double a = Sledeci();
        long double b = Sledeci();
        if (fGen() % 4 == 0) {
            T t = Emulirani(a);
            // The integer bit as the x87 encodes it: set but in the subnormals.
            const std::uint16_t se = t.ZnakIEksponent() ^ (fGen() % 2 ? 0x8000 : 0);
            const std::uint64_t m = t.Znacajni() ^ (fGen() >> (fGen() % 64) >> 1);
            b = Pravi(T::IzBitova(se, m));
        }
        fPrethodni = a;
        return {a, b};
    }

    std::mt19937_64& Gen() { return fGen; }

private:
    std::mt19937_64 fGen;
    long double fPrethodni = 1;
};

TEST(ProsirenoTest, RandomOperandsGiveTheX87Bits) {
    TPoredjenje p;
    TOperandi o(20251211);
    for (int i = 0; i < 300000; ++i) {
        const auto [a, b] = o.Par();
        p.Par(a, b);
    }
    EXPECT_EQ(p.Gresaka(), 0) << p.Opis();
}

TEST(ProsirenoTest, FmodOfNearbyExponents) {
    // fmod's x87 loop is slow for far exponents: those are the edge rows'.
    TPoredjenje p;
    TOperandi o(7);
    for (int i = 0; i < 20000; ++i) {
        const auto [a, b] = o.Par();
        const bool daleko =
            std::isnormal(a) && std::isnormal(b) && std::abs(std::ilogb(a) - std::ilogb(b)) > 300;
        if (!daleko) p.Ostatak(a, b);
    }
    EXPECT_EQ(p.Gresaka(), 0) << p.Opis();
}

TEST(ProsirenoTest, IntegersAndBackAreExact) {
    std::mt19937_64 g(3);
    int gresaka = 0;
    for (int i = 0; i < 200000; ++i) {
        const std::uint64_t u = g() >> (g() % 64);
        const auto s = static_cast<std::int64_t>(g()) >> (g() % 64);
        gresaka +=
            !Isti(T(u), static_cast<long double>(u)) + !Isti(T(s), static_cast<long double>(s));
        gresaka += static_cast<std::int64_t>(T(s) / 7) != static_cast<std::int64_t>(s / 7.0L);
        gresaka += static_cast<std::int32_t>(T(s % 100000) / 3) !=
                   static_cast<std::int32_t>(static_cast<long double>(s % 100000) / 3);
    }
    EXPECT_EQ(gresaka, 0);
    EXPECT_TRUE(Isti(T(std::numeric_limits<std::int64_t>::min()), -0x1p63L));
}

// Hand-picked operands: ties at the 64th bit, carries and borrows across
// it, the limits of both formats, the double's subnormals and overflow,
// cancellation, and far apart exponents.
struct SlucajIvice {
    long double a, b;
};

void PrintTo(const SlucajIvice& s, std::ostream* o) { *o << Heks(s.a) << ", " << Heks(s.b); }

class ProsirenoIviceTest : public testing::TestWithParam<SlucajIvice> {};

TEST_P(ProsirenoIviceTest, EveryOperationGivesTheX87Bits) {
    const auto [a, b] = GetParam();
    TPoredjenje p;
    p.Par(a, b);
    p.Par(b, a);
    p.Par(-a, b);
    p.Ostatak(a, b);
    p.Ostatak(b, a);
    EXPECT_EQ(p.Gresaka(), 0) << p.Opis();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Edges, ProsirenoIviceTest, testing::Values(
    SlucajIvice{1.0L, 0x1p-64L},                  // 1 + half an ulp: a tie, to even
    SlucajIvice{1.0L, 0x3p-64L},                  // a tie to the odd side, rounded up
    SlucajIvice{0x1.fffffffffffffffep0L, 0x1p-64L},  // the carry out of all ones
    SlucajIvice{1.0L, -0x1p-65L},                 // a borrow to below 1, a tie back to 1
    SlucajIvice{1.0000000000000000001L, -1.0L},   // cancellation to one ulp
    SlucajIvice{0x1.0000000000000002p0L, 0x1.fffffffffffffffep-1L},
    SlucajIvice{3.0L, 7.0L},                      // 3/7, 7/3: never exact
    SlucajIvice{2.0L, 0x1p-200L},
    SlucajIvice{1.0L, 0x1p-16000L},               // far apart: only a sticky bit
    SlucajIvice{LDBL_MAX, LDBL_MAX},              // overflow to infinity
    SlucajIvice{LDBL_MAX, 0.5L},
    SlucajIvice{LDBL_MIN, 0.5L},                  // into the subnormals
    SlucajIvice{LDBL_TRUE_MIN, 0.5L},             // a tie to zero
    SlucajIvice{3 * LDBL_TRUE_MIN, 0.5L},         // a tie to two
    SlucajIvice{0x1.fffffffffffffffcp-16383L, 1.0000000000000000001L},  // a subnormal up to the least normal
    SlucajIvice{LDBL_MIN, 0x1p-64L},
    SlucajIvice{DBL_MAX, 1.0L},
    SlucajIvice{0x1.fffffffffffff8p1023L, 1.0L},  // to double: a tie to infinity
    SlucajIvice{0x1.fffffffffffff7fep1023L, 1.0L},
    SlucajIvice{DBL_MIN, 0x1p-53L},
    SlucajIvice{0x1.fffffffffffff8p-1023L, 1.0L}, // to double: a subnormal up to DBL_MIN
    SlucajIvice{0x1p-1075L, 1.0L},                // to double: a tie to zero
    SlucajIvice{0x1.8p-1074L, 1.0L},              // to double: a tie to two
    SlucajIvice{0x1.0000000000000002p-1075L, 1.0L},
    SlucajIvice{DBL_TRUE_MIN, 0x1p-1074L},
    SlucajIvice{0.0L, -0.0L},
    SlucajIvice{-0.0L, 5.0L},
    SlucajIvice{HUGE_VALL, -HUGE_VALL},
    SlucajIvice{HUGE_VALL, 0.0L},
    SlucajIvice{NAN, 1.0L},
    SlucajIvice{-2.5L, 2.0L},                     // floor of halves, fmod's sign
    SlucajIvice{-0.5L, 0x1p63L},
    SlucajIvice{0x1p63L + 0.5L, 3.0L},
    SlucajIvice{1e300L, 1e-300L},
    SlucajIvice{206.0L * 5 / 414, 9.0L}
));
// clang-format on

// The report's moment equation of the second force, M2(X) = ((L - a2)(R/L))X
// - (X X)(R/L) - Mlevo2, as core forms it, in either type: its rounding
// residue at the span's end is what the browser printed differently. The
// section is the i-th of ten, i (L/10) with L/10 rounded to double.
template <typename F>
F MomentDrugeSile(double P1, double P2, double L1, double L, int i) {
    const double R = static_cast<double>(F(P1) + F(P2));
    const double xR = static_cast<double>(F(P2) * F(L1) / R);
    const F RkrozL = F(R) / L;
    const F a = static_cast<double>(F(xR) - L1);
    const F mlevo = static_cast<double>(F(P1) * F(L1));
    const F X = F(i) * static_cast<double>(F(L) / 10);
    return ((L - a) * RkrozL) * X - (X * X) * RkrozL - mlevo;
}

TEST(ProsirenoTest, TheReportsResiduesAreTheDesktops) {
    const double slucajevi[][4] = {{206, 208, 5, 9}, {206.5, 208, 5.25, 9.75}, {60, 145, 4.3, 15}};
    for (const auto& s : slucajevi) {
        for (int i = 0; i <= 10; ++i)
            EXPECT_TRUE(Isti(MomentDrugeSile<T>(s[0], s[1], s[2], s[3], i),
                             MomentDrugeSile<long double>(s[0], s[1], s[2], s[3], i)))
                << s[0] << " " << s[1] << " i=" << i;
    }
    // The defaults' M2(9) = -8.88178419700125E-14 in the report.
    EXPECT_TRUE(Isti(MomentDrugeSile<T>(206, 208, 5, 9, 10), -0x1.9p-44L));
}

#define LITERAL(x) \
    std::pair { T::IzDecimalnog(#x), x##L }

TEST(ProsirenoTest, DecimalLiteralsRoundAsTheCompilers) {
    for (const auto& [emulirani, pravi] :
         {LITERAL(0.0), LITERAL(0.5), LITERAL(0.02), LITERAL(0.04), LITERAL(0.2), LITERAL(0.60),
          LITERAL(1e-12), LITERAL(20.0), LITERAL(1.0e19), LITERAL(0.1),
          LITERAL(3.14159265358979323), LITERAL(1e-19), LITERAL(9999999999999999999.),
          LITERAL(123.456e-7)})
        EXPECT_TRUE(Isti(emulirani, pravi)) << Heks(pravi);
}

TEST(ProsirenoTest, LimitsAreTheX87s) {
    using G = std::numeric_limits<T>;
    using D = std::numeric_limits<long double>;
    EXPECT_TRUE(Isti(G::max(), D::max()));
    EXPECT_TRUE(Isti(G::lowest(), D::lowest()));
    EXPECT_TRUE(Isti(G::min(), D::min()));
    EXPECT_TRUE(Isti(G::denorm_min(), D::denorm_min()));
    EXPECT_TRUE(Isti(G::epsilon(), D::epsilon()));
    EXPECT_TRUE(Isti(G::infinity(), D::infinity()));
    EXPECT_TRUE(G::quiet_NaN().JeNaN());
    EXPECT_EQ(G::digits, D::digits);
    EXPECT_EQ(G::min_exponent, D::min_exponent);
    EXPECT_EQ(G::max_exponent, D::max_exponent);
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <bit>
#include <cmath>
#include <compare>
#include <concepts>
#include <cstdint>
#include <limits>
#include <type_traits>
#include <utility>

/// The x87 80-bit extended format computed in integers: a 64-bit
/// significand with an explicit integer bit, a 15-bit exponent, subnormals,
/// and every +, -, *, / and sqrt rounded to nearest, ties to even, exactly as
/// the desktop's long double rounds them, so a target whose long double is
/// another format computes the desktop's bits. The conversions from double
/// and integers are exact, the one to double rounds as the desktop's does.
/// NaN results are NaN; their payloads are not the desktop's.
class TProsireno80 {
    __extension__ typedef unsigned __int128 u128;

public:
    constexpr TProsireno80() = default;
    constexpr TProsireno80(double d) : TProsireno80(IzDouble(d)) {}
    template <std::integral T>
    constexpr TProsireno80(T v) {
        if constexpr (std::is_signed_v<T>)
            *this = IzCelog(
                v < 0, v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v));
        else
            *this = IzCelog(false, v);
    }
    // Not rounded silently to double: a long double becomes one of these
    // only through its bits.
    TProsireno80(long double) = delete;

    /// From the bits of a value in the x87's own encodings (none of the
    /// unnormals and pseudo-values that it refuses as operands).
    static constexpr TProsireno80 IzBitova(std::uint16_t znakIEksponent, std::uint64_t znacajni) {
        TProsireno80 r;
        r.fZnakIEksponent = znakIEksponent;
        r.fZnacajni = znacajni;
        return r;
    }
    constexpr std::uint16_t ZnakIEksponent() const { return fZnakIEksponent; }
    constexpr std::uint64_t Znacajni() const { return fZnacajni; }

    /// A decimal literal's value rounded once, as a compiler rounds "0.02L":
    /// at most 19 significant digits and a power of ten within 10^±19, so
    /// that both operands of the one rounding operation are exact.
    static consteval TProsireno80 IzDecimalnog(const char* s);

    explicit constexpr operator double() const;
    /// Exact where long double holds every 80-bit value (x87, binary128).
    explicit operator long double() const {
        static_assert(std::numeric_limits<long double>::digits >= 64 &&
                      std::numeric_limits<long double>::min_exponent <= -16381);
        if (JeNaN()) return std::numeric_limits<long double>::quiet_NaN();
        if (JeNula()) return Negativan() ? -0.0L : 0.0L;
        const long double v =
            JeBeskonacno() ? std::numeric_limits<long double>::infinity()
                           : std::ldexp(static_cast<long double>(Raspakuj().m), Raspakuj().e - 63);
        return Negativan() ? -v : v;
    }
    /// Toward zero, as a built-in conversion; saturates outside 64 bits.
    template <std::integral T>
    explicit constexpr operator T() const {
        if (JeNaN() || JeNula()) return 0;
        const TRaspakovano r = Raspakuj();
        if (r.e < 0) return 0;
        const std::uint64_t celi = r.e > 62 ? std::uint64_t{1} << 63 : r.m >> (63 - r.e);
        if (r.negativan) return static_cast<T>(0 - celi);
        return static_cast<T>(r.e > 62 ? celi - 1 : celi);
    }

    constexpr bool Negativan() const { return fZnakIEksponent >> 15; }
    constexpr bool JeNula() const { return Polje() == 0 && fZnacajni == 0; }
    constexpr bool JeNaN() const { return Polje() == kNajvecePolje && fZnacajni << 1 != 0; }
    constexpr bool JeBeskonacno() const { return Polje() == kNajvecePolje && fZnacajni << 1 == 0; }

    static constexpr TProsireno80 Beskonacno(bool negativan) {
        return IzBitova(Znak(negativan) | kNajvecePolje, kCeoBit);
    }
    /// The x87's "indefinite", what an invalid operation gives.
    static constexpr TProsireno80 NaN() { return IzBitova(0xFFFF, 0xC000000000000000); }

    friend constexpr TProsireno80 operator-(TProsireno80 a) {
        a.fZnakIEksponent ^= 0x8000;
        return a;
    }
    friend constexpr TProsireno80 operator+(TProsireno80 a, TProsireno80 b) { return Zbir(a, b); }
    friend constexpr TProsireno80 operator-(TProsireno80 a, TProsireno80 b) { return Zbir(a, -b); }
    friend constexpr TProsireno80 operator*(TProsireno80 a, TProsireno80 b) {
        return Proizvod(a, b);
    }
    friend constexpr TProsireno80 operator/(TProsireno80 a, TProsireno80 b) {
        return Kolicnik(a, b);
    }
    constexpr TProsireno80& operator+=(TProsireno80 b) { return *this = *this + b; }
    constexpr TProsireno80& operator-=(TProsireno80 b) { return *this = *this - b; }
    constexpr TProsireno80& operator*=(TProsireno80 b) { return *this = *this * b; }
    constexpr TProsireno80& operator/=(TProsireno80 b) { return *this = *this / b; }

    friend constexpr std::partial_ordering operator<=>(TProsireno80 a, TProsireno80 b) {
        if (a.JeNaN() || b.JeNaN()) return std::partial_ordering::unordered;
        if (a.JeNula() && b.JeNula()) return std::partial_ordering::equivalent;
        if (a.Negativan() != b.Negativan())
            return a.Negativan() ? std::partial_ordering::less : std::partial_ordering::greater;
        // Same sign: the encodings order the magnitudes, subnormals below normals.
        const auto poredak = a.Velicina() <=> b.Velicina();
        return a.Negativan() ? 0 <=> poredak : poredak;
    }
    friend constexpr bool operator==(TProsireno80 a, TProsireno80 b) { return (a <=> b) == 0; }

    /// sqrt, fmod (exact, with the dividend's sign) and floor.
    static TProsireno80 Koren(TProsireno80 a);
    static constexpr TProsireno80 Ostatak(TProsireno80 a, TProsireno80 b);
    static constexpr TProsireno80 NaDole(TProsireno80 a);

private:
    static constexpr std::uint64_t kCeoBit = std::uint64_t{1} << 63;
    static constexpr std::uint16_t kNajvecePolje = 0x7FFF;
    static constexpr std::int32_t kPomak = 16383;  // the exponent's bias

    // A finite non-zero value m 2^(e - 63), m's top bit set.
    struct TRaspakovano {
        bool negativan;
        std::int32_t e;
        std::uint64_t m;
    };

    static constexpr std::uint16_t Znak(bool negativan) { return negativan ? 0x8000 : 0; }
    constexpr std::uint16_t Polje() const { return fZnakIEksponent & kNajvecePolje; }
    constexpr u128 Velicina() const { return u128{Polje()} << 64 | fZnacajni; }

    constexpr TRaspakovano Raspakuj() const {
        // A subnormal has the least normal exponent without the integer bit.
        const std::int32_t polje = Polje() == 0 ? 1 : Polje();
        const int nule = std::countl_zero(fZnacajni);
        return {Negativan(), polje - kPomak - nule, fZnacajni << nule};
    }

    static constexpr TProsireno80 Nula(bool negativan) { return IzBitova(Znak(negativan), 0); }
    // A NaN operand's result: the same NaN, quiet.
    static constexpr TProsireno80 Tihi(TProsireno80 a) {
        a.fZnacajni |= std::uint64_t{3} << 62;
        return a;
    }

    static constexpr int VodeceNule(u128 m) {
        const auto gornji = static_cast<std::uint64_t>(m >> 64);
        return gornji ? std::countl_zero(gornji)
                      : 64 + std::countl_zero(static_cast<std::uint64_t>(m));
    }

    // The value m 2^e (m != 0) to the nearest 80-bit value, ties to even,
    // through the subnormals down to zero and past the largest to infinity.
    static constexpr TProsireno80 Zaokruzi(bool negativan, std::int32_t e, u128 m) {
        const int nule = VodeceNule(m);
        m <<= nule;
        std::int32_t polje = e + 127 - nule + kPomak;  // of the leading bit
        int odbaceno = 64;
        if (polje < 1) {
            odbaceno += 1 - polje;
            polje = 0;
        }
        std::uint64_t zadrzano = 0;
        u128 ostatak = odbaceno > 128 ? 1 : m;  // the dropped bits, left-aligned
        if (odbaceno < 128) {
            zadrzano = static_cast<std::uint64_t>(m >> odbaceno);
            ostatak = m << (128 - odbaceno);
        }
        constexpr u128 kPola = u128{1} << 127;
        if (ostatak > kPola || (ostatak == kPola && (zadrzano & 1))) {
            if (++zadrzano == 0) {
                zadrzano = kCeoBit;
                ++polje;
            } else if (zadrzano == kCeoBit) {
                polje = 1;  // a subnormal rounded up to the least normal
            }
        }
        if (polje >= kNajvecePolje) return Beskonacno(negativan);
        return IzBitova(Znak(negativan) | static_cast<std::uint16_t>(polje), zadrzano);
    }

    static constexpr TProsireno80 IzCelog(bool negativan, std::uint64_t v) {
        if (v == 0) return Nula(false);
        const int nule = std::countl_zero(v);
        return IzBitova(Znak(negativan) | static_cast<std::uint16_t>(63 - nule + kPomak),
                        v << nule);
    }

    static constexpr TProsireno80 IzDouble(double d) {
        const auto b = __builtin_bit_cast(std::uint64_t, d);
        const bool negativan = b >> 63;
        const auto polje = static_cast<std::int32_t>(b >> 52 & 0x7FF);
        const std::uint64_t razlomak = b & ((std::uint64_t{1} << 52) - 1);
        if (polje == 0x7FF)
            return razlomak
                       ? Tihi(IzBitova(Znak(negativan) | kNajvecePolje, kCeoBit | razlomak << 11))
                       : Beskonacno(negativan);
        if (polje == 0) {
            if (razlomak == 0) return Nula(negativan);
            const int nule = std::countl_zero(razlomak);
            return IzBitova(Znak(negativan) | static_cast<std::uint16_t>(-1011 - nule + kPomak),
                            razlomak << nule);
        }
        return IzBitova(Znak(negativan) | static_cast<std::uint16_t>(polje - 1023 + kPomak),
                        (kCeoBit | razlomak << 11));
    }

    static constexpr TProsireno80 Proizvod(TProsireno80 a, TProsireno80 b);
    static constexpr TProsireno80 Kolicnik(TProsireno80 a, TProsireno80 b);
    static constexpr TProsireno80 Zbir(TProsireno80 a, TProsireno80 b) {
        if (a.JeNaN()) return Tihi(a);
        if (b.JeNaN()) return Tihi(b);
        if (a.JeBeskonacno()) return b.JeBeskonacno() && a.Negativan() != b.Negativan() ? NaN() : a;
        if (b.JeBeskonacno()) return b;
        if (b.JeNula()) return a.JeNula() ? Nula(a.Negativan() && b.Negativan()) : a;
        if (a.JeNula()) return b;
        if (a.Velicina() < b.Velicina()) std::swap(a, b);
        const TRaspakovano x = a.Raspakuj(), y = b.Raspakuj();
        // 63 bits of room below the larger significand keep the sum exact
        // down to where a sticky bit stands for the rest of the smaller one.
        const u128 A = u128{x.m} << 63;
        u128 B = u128{y.m} << 63;
        const std::int32_t razlika = x.e - y.e;
        if (razlika >= 127) {
            B = 1;
        } else if (razlika > 0) {
            const bool lepljiv = (B << (128 - razlika)) != 0;
            B = B >> razlika | lepljiv;
        }
        const u128 S = x.negativan == y.negativan ? A + B : A - B;
        if (S == 0) return Nula(false);
        return Zaokruzi(x.negativan, x.e - 126, S);
    }

    std::uint64_t fZnacajni = 0;
    std::uint16_t fZnakIEksponent = 0;
};

// std::bit_cast, which the browser build's C++ library lacks.
constexpr double KaoDouble(std::uint64_t bitovi) { return __builtin_bit_cast(double, bitovi); }

constexpr TProsireno80::operator double() const {
    const std::uint64_t znak = std::uint64_t{Negativan()} << 63;
    if (JeNaN()) return KaoDouble(znak | 0x7FF8000000000000 | (fZnacajni << 1) >> 12);
    if (JeBeskonacno()) return KaoDouble(znak | 0x7FF0000000000000);
    if (JeNula()) return KaoDouble(znak);
    const TRaspakovano r = Raspakuj();
    // 53 of the 64 bits kept, fewer for a subnormal double.
    std::int32_t polje = r.e + 1023;
    int odbaceno = 11;
    if (polje < 1) {
        odbaceno += 1 - polje;
        polje = 1;
    }
    if (polje >= 0x7FF) return KaoDouble(znak | 0x7FF0000000000000);
    std::uint64_t zadrzano = 0, ostatak = odbaceno > 64 ? 1 : r.m;
    if (odbaceno < 64) {
        zadrzano = r.m >> odbaceno;
        ostatak = r.m << (64 - odbaceno);
    }
    constexpr std::uint64_t kPola = std::uint64_t{1} << 63;
    if (ostatak > kPola || (ostatak == kPola && (zadrzano & 1))) ++zadrzano;
    // The integer bit lands in the exponent field: a carry out of the
    // significand raises the exponent, up to infinity's bits.
    const std::uint64_t bitovi = (std::uint64_t(polje - 1) << 52) + zadrzano;
    return KaoDouble(znak | std::min(bitovi, std::uint64_t{0x7FF0000000000000}));
}

constexpr TProsireno80 TProsireno80::Proizvod(TProsireno80 a, TProsireno80 b) {
    const bool negativan = a.Negativan() != b.Negativan();
    if (a.JeNaN()) return Tihi(a);
    if (b.JeNaN()) return Tihi(b);
    if (a.JeBeskonacno() || b.JeBeskonacno())
        return a.JeNula() || b.JeNula() ? NaN() : Beskonacno(negativan);
    if (a.JeNula() || b.JeNula()) return Nula(negativan);
    const auto x = a.Raspakuj(), y = b.Raspakuj();
    return Zaokruzi(negativan, x.e + y.e - 126, u128{x.m} * y.m);
}

constexpr TProsireno80 TProsireno80::Kolicnik(TProsireno80 a, TProsireno80 b) {
    const bool negativan = a.Negativan() != b.Negativan();
    if (a.JeNaN()) return Tihi(a);
    if (b.JeNaN()) return Tihi(b);
    if (a.JeBeskonacno()) return b.JeBeskonacno() ? NaN() : Beskonacno(negativan);
    if (b.JeBeskonacno()) return Nula(negativan);
    if (b.JeNula()) return a.JeNula() ? NaN() : Beskonacno(negativan);
    if (a.JeNula()) return Nula(negativan);
    const auto x = a.Raspakuj(), y = b.Raspakuj();
    // q = floor(x.m 2^66 / y.m), at least 66 bits, and a sticky bit below.
    const std::uint64_t celi = x.m >= y.m;
    const std::uint64_t r = x.m - (celi ? y.m : 0);
    const u128 deljenik = u128{r} << 64;
    const auto q = static_cast<std::uint64_t>(deljenik / y.m);
    std::uint64_t ostatak = 0 - q * y.m;  // below y.m, so its low 64 bits are all of it
    u128 kolicnik = u128{celi} << 64 | q;
    for (int i = 0; i < 2; ++i) {
        const bool prenos = ostatak >> 63;
        ostatak <<= 1;
        const bool bit = prenos || ostatak >= y.m;
        if (bit) ostatak -= y.m;
        kolicnik = kolicnik << 1 | bit;
    }
    kolicnik = kolicnik << 1 | (ostatak != 0);
    return Zaokruzi(negativan, x.e - y.e - 67, kolicnik);
}

consteval TProsireno80 TProsireno80::IzDecimalnog(const char* s) {
    std::uint64_t cifre = 0;
    int eksponent = 0, znacajnih = 0;
    bool tacka = false;
    for (; *s && *s != 'e' && *s != 'E'; ++s) {
        if (*s == '.') {
            tacka = true;
            continue;
        }
        if (*s < '0' || *s > '9') throw "a digit, a point or an exponent expected";
        if (cifre || *s != '0') ++znacajnih;
        if (znacajnih > 19) throw "more than 19 significant digits";
        cifre = cifre * 10 + static_cast<std::uint64_t>(*s - '0');
        if (tacka) --eksponent;
    }
    if (*s) {
        const bool minus = *++s == '-';
        if (*s == '-' || *s == '+') ++s;
        int e = 0;
        for (; *s; ++s) e = e * 10 + (*s - '0');
        eksponent += minus ? -e : e;
    }
    if (eksponent < -19 || eksponent > 19) throw "a power of ten beyond 10^19";
    std::uint64_t stepen = 1;
    for (int i = 0; i < (eksponent < 0 ? -eksponent : eksponent); ++i) stepen *= 10;
    return eksponent < 0 ? TProsireno80(cifre) / TProsireno80(stepen)
                         : TProsireno80(cifre) * TProsireno80(stepen);
}

inline TProsireno80 TProsireno80::Koren(TProsireno80 a) {
    if (a.JeNaN()) return Tihi(a);
    if (a.JeNula()) return a;
    if (a.Negativan()) return NaN();
    if (a.JeBeskonacno()) return a;
    const auto x = a.Raspakuj();
    // sqrt(m 2^s) = sqrt(N) 2^(t/2), N = m 2^(s - t) < 2^128 with t even.
    const std::int32_t s = x.e - 63;
    const int pomak = (s & 1) ? 63 : 64;
    const u128 N = u128{x.m} << pomak;
    const std::int32_t t = s - pomak;
    // A double's root to 52 bits, one Newton step to within one of
    // floor(sqrt(N)) from above, then down to it.
    const double procena = std::sqrt(static_cast<double>(N));
    const auto r0 = static_cast<std::uint64_t>(std::min(procena, 0x1p64 - 0x1p11));
    u128 r = (r0 + N / r0) / 2;
    if (r >> 64) r = ~std::uint64_t{0};
    while (r * r > N) --r;
    const u128 ostatak = N - r * r;
    // sqrt(N) - r >= 1/2 exactly when N - r^2 > r; it is never exactly 1/2.
    const u128 W = r << 2 | (ostatak > r ? 2 : 0) | (ostatak != 0);
    return Zaokruzi(false, t / 2 - 2, W);
}

constexpr TProsireno80 TProsireno80::Ostatak(TProsireno80 a, TProsireno80 b) {
    if (a.JeNaN()) return Tihi(a);
    if (b.JeNaN()) return Tihi(b);
    if (a.JeBeskonacno() || b.JeNula()) return NaN();
    if (a.JeNula() || b.JeBeskonacno() || a.Velicina() < b.Velicina()) return a;
    const auto x = a.Raspakuj(), y = b.Raspakuj();
    std::uint64_t r = x.m % y.m;
    for (std::int32_t d = x.e - y.e; d > 0 && r != 0;) {
        const int korak = d < 63 ? d : 63;
        r = static_cast<std::uint64_t>((u128{r} << korak) % y.m);
        d -= korak;
    }
    if (r == 0) return Nula(x.negativan);
    return Zaokruzi(x.negativan, y.e - 63, r);
}

constexpr TProsireno80 TProsireno80::NaDole(TProsireno80 a) {
    if (a.JeNaN()) return Tihi(a);
    if (a.JeNula() || a.JeBeskonacno()) return a;
    const auto x = a.Raspakuj();
    if (x.e >= 63) return a;
    if (x.e < 0) return x.negativan ? TProsireno80(-1) : Nula(false);
    const std::uint64_t razlomak = (std::uint64_t{1} << (63 - x.e)) - 1;
    if ((x.m & razlomak) == 0) return a;
    const u128 ceo = u128{x.m & ~razlomak} + (x.negativan ? razlomak + 1 : 0);
    return Zaokruzi(x.negativan, x.e - 63, ceo);
}

template <>
class std::numeric_limits<TProsireno80> {
public:
    static constexpr bool is_specialized = true;
    static constexpr bool is_signed = true;
    static constexpr bool is_integer = false;
    static constexpr bool is_exact = false;
    static constexpr bool has_infinity = true;
    static constexpr bool has_quiet_NaN = true;
    static constexpr bool is_iec559 = true;
    static constexpr float_round_style round_style = round_to_nearest;
    static constexpr int radix = 2;
    static constexpr int digits = 64;
    static constexpr int digits10 = 18;
    static constexpr int max_digits10 = 21;
    static constexpr int min_exponent = -16381;
    static constexpr int max_exponent = 16384;
    static constexpr TProsireno80 min() { return TProsireno80::IzBitova(1, 1ULL << 63); }
    static constexpr TProsireno80 max() { return TProsireno80::IzBitova(0x7FFE, ~0ULL); }
    static constexpr TProsireno80 lowest() { return -max(); }
    static constexpr TProsireno80 epsilon() {
        return TProsireno80::IzBitova(16383 - 63, 1ULL << 63);
    }
    static constexpr TProsireno80 denorm_min() { return TProsireno80::IzBitova(0, 1); }
    static constexpr TProsireno80 infinity() { return TProsireno80::Beskonacno(false); }
    static constexpr TProsireno80 quiet_NaN() { return TProsireno80::NaN(); }
};

// The <cmath> functions the computing code calls on its extended values.
namespace std {
inline TProsireno80 sqrt(TProsireno80 a) { return TProsireno80::Koren(a); }
constexpr TProsireno80 fabs(TProsireno80 a) { return a.Negativan() ? -a : a; }
constexpr TProsireno80 floor(TProsireno80 a) { return TProsireno80::NaDole(a); }
constexpr TProsireno80 fmod(TProsireno80 a, TProsireno80 b) { return TProsireno80::Ostatak(a, b); }
constexpr bool isfinite(TProsireno80 a) { return !a.JeNaN() && !a.JeBeskonacno(); }
constexpr bool isnan(TProsireno80 a) { return a.JeNaN(); }
constexpr bool signbit(TProsireno80 a) { return a.Negativan(); }
}  // namespace std

#if __LDBL_MANT_DIG__ == 64
/// The project's extended precision: the desktop's x87 long double itself.
using Prosireno = long double;
constexpr long double operator""_pr(long double v) { return v; }
#else
/// The project's extended precision: the desktop's bits where long double
/// is another format.
using Prosireno = TProsireno80;
consteval TProsireno80 operator""_pr(const char* s) { return TProsireno80::IzDecimalnog(s); }
#endif

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <bit>
#include <cmath>
#include <compare>
#include <concepts>
#include <cstdint>
#include <initializer_list>
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
    /// NaN, an infinity or a zero: what the operations take apart first.
    constexpr bool Poseban() const { return Polje() == kNajvecePolje || JeNula(); }

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
        if (Manji(a, b) || Manji(b, a))
            return Manji(a, b) != a.Negativan() ? std::partial_ordering::less
                                                : std::partial_ordering::greater;
        return std::partial_ordering::equivalent;
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
    // |a| < |b|: the encodings order the magnitudes, subnormals below normals.
    static constexpr bool Manji(TProsireno80 a, TProsireno80 b) {
        return a.Polje() != b.Polje() ? a.Polje() < b.Polje() : a.fZnacajni < b.fZnacajni;
    }

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

    // The value (hi + lo 2^-64) 2^(e - 63), hi's top bit set and lo's last
    // bit set for any bits below it, to the nearest 80-bit value, ties to
    // even, through the subnormals down to zero and past the largest value
    // to infinity. Inlined into each operation; the rare subnormal result
    // is called out.
    [[gnu::always_inline]] static constexpr TProsireno80 Zaokruzi(bool negativan, std::int32_t e,
                                                                  std::uint64_t hi,
                                                                  std::uint64_t lo) {
        constexpr std::uint64_t kPola = kCeoBit;
        std::int32_t polje = e + kPomak;
        if (polje < 1) return Podnormalan(negativan, 1 - polje, hi, lo);
        if (lo > kPola || (lo == kPola && (hi & 1))) {
            if (++hi == 0) {
                hi = kCeoBit;
                ++polje;
            }
        }
        if (polje >= kNajvecePolje) return Beskonacno(negativan);
        return IzBitova(Znak(negativan) | static_cast<std::uint16_t>(polje), hi);
    }

    // Zaokruzi's subnormal result: s more bits dropped, left-aligned below
    // the kept ones.
    static constexpr TProsireno80 Podnormalan(bool negativan, std::int32_t s, std::uint64_t hi,
                                              std::uint64_t lo) {
        constexpr std::uint64_t kPola = kCeoBit;
        std::uint64_t zadrzano = 0, ostatak = s == 64 ? hi | (lo != 0) : 1;
        if (s < 64) {
            zadrzano = hi >> s;
            ostatak = hi << (64 - s) | lo >> s | ((lo << (64 - s)) != 0);
        }
        if (ostatak > kPola || (ostatak == kPola && (zadrzano & 1))) ++zadrzano;
        // Rounded up to the least normal, the integer bit is the exponent's 1.
        return IzBitova(Znak(negativan) | static_cast<std::uint16_t>(zadrzano >> 63), zadrzano);
    }

    // The 128-bit product as hi and lo, from 32-bit halves: WebAssembly
    // multiplies 64-bit words only.
    [[gnu::always_inline]] static constexpr void Pomnozi(std::uint64_t a, std::uint64_t b,
                                                         std::uint64_t& hi, std::uint64_t& lo) {
        constexpr std::uint64_t k32 = 0xFFFFFFFF;
        const std::uint64_t p00 = (a & k32) * (b & k32), p01 = (a & k32) * (b >> 32),
                            p10 = (a >> 32) * (b & k32), p11 = (a >> 32) * (b >> 32);
        const std::uint64_t sredina = (p00 >> 32) + (p01 & k32) + (p10 & k32);
        lo = sredina << 32 | (p00 & k32);
        hi = p11 + (p01 >> 32) + (p10 >> 32) + (sredina >> 32);
    }

    // (hi 2^64 + lo) / d for hi < d and d's top bit set, in two 32-bit
    // digits of 64-bit division (Knuth's algorithm D); the remainder too.
    [[gnu::always_inline]] static constexpr std::uint64_t Podeli(std::uint64_t hi, std::uint64_t lo,
                                                                 std::uint64_t d,
                                                                 std::uint64_t& ostatak) {
        constexpr std::uint64_t k32 = 0xFFFFFFFF;
        std::uint64_t kolicnik = 0, r = hi;
        for (const std::uint64_t cifra : {lo >> 32, lo & k32}) {
            // The digit estimated from d's top half is at most two too large.
            std::uint64_t q = r / (d >> 32), r1 = r % (d >> 32);
            while (q > k32 || q * (d & k32) > (r1 << 32 | cifra)) {
                --q;
                r1 += d >> 32;
                if (r1 > k32) break;
            }
            r = (r << 32 | cifra) - q * d;  // below d: the words' overflow cancels
            kolicnik = kolicnik << 32 | q;
        }
        ostatak = r;
        return kolicnik;
    }

    // std::bit_cast, which the browser build's C++ library lacks.
    static constexpr double KaoDouble(std::uint64_t bitovi) {
        return __builtin_bit_cast(double, bitovi);
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
        if (a.Poseban() || b.Poseban()) {
            if (a.JeNaN()) return Tihi(a);
            if (b.JeNaN()) return Tihi(b);
            if (a.JeBeskonacno())
                return b.JeBeskonacno() && a.Negativan() != b.Negativan() ? NaN() : a;
            if (b.JeBeskonacno()) return b;
            if (b.JeNula()) return a.JeNula() ? Nula(a.Negativan() && b.Negativan()) : a;
            return b;  // a is zero
        }
        TRaspakovano x = a.Raspakuj(), y = b.Raspakuj();
        if (x.e < y.e || (x.e == y.e && x.m < y.m)) std::swap(x, y);
        // The smaller significand aligned to the larger one as hi and lo;
        // what falls below lo is lo's last bit.
        const std::int32_t d = x.e - y.e;
        std::uint64_t hi = 0, lo = 0;
        if (d == 0) {
            hi = y.m;
        } else if (d < 64) {
            hi = y.m >> d;
            lo = y.m << (64 - d);
        } else if (d == 64) {
            lo = y.m;
        } else {
            lo = d < 128 ? y.m >> (d - 64) | ((y.m << (128 - d)) != 0) : 1;
        }
        std::int32_t e = x.e;
        if (x.negativan == y.negativan) {
            hi += x.m;
            if (hi < x.m) {  // carried into a 65th bit
                lo = lo >> 1 | hi << 63 | (lo & 1);
                hi = hi >> 1 | kCeoBit;
                ++e;
            }
        } else {
            hi = x.m - hi - (lo != 0);
            lo = 0 - lo;
            if (hi == 0 && lo == 0) return Nula(false);
            const int nule = hi ? std::countl_zero(hi) : 64 + std::countl_zero(lo);
            if (nule >= 64) {
                hi = lo << (nule - 64);
                lo = 0;
            } else if (nule > 0) {
                hi = hi << nule | lo >> (64 - nule);
                lo <<= nule;
            }
            e -= nule;
        }
        return Zaokruzi(x.negativan, e, hi, lo);
    }

    std::uint64_t fZnacajni = 0;
    std::uint16_t fZnakIEksponent = 0;
};

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
    if (a.Poseban() || b.Poseban()) {
        if (a.JeNaN()) return Tihi(a);
        if (b.JeNaN()) return Tihi(b);
        if (a.JeBeskonacno() || b.JeBeskonacno())
            return a.JeNula() || b.JeNula() ? NaN() : Beskonacno(negativan);
        return Nula(negativan);
    }
    const auto x = a.Raspakuj(), y = b.Raspakuj();
    std::uint64_t hi = 0, lo = 0;
    Pomnozi(x.m, y.m, hi, lo);
    const bool manje = !(hi >> 63);  // below 2: one bit more to keep
    return Zaokruzi(negativan, x.e + y.e + !manje, hi << manje | lo >> 63 >> !manje, lo << manje);
}

constexpr TProsireno80 TProsireno80::Kolicnik(TProsireno80 a, TProsireno80 b) {
    const bool negativan = a.Negativan() != b.Negativan();
    if (a.Poseban() || b.Poseban()) {
        if (a.JeNaN()) return Tihi(a);
        if (b.JeNaN()) return Tihi(b);
        if (a.JeBeskonacno()) return b.JeBeskonacno() ? NaN() : Beskonacno(negativan);
        if (b.JeBeskonacno()) return Nula(negativan);
        if (b.JeNula()) return a.JeNula() ? NaN() : Beskonacno(negativan);
        return Nula(negativan);  // a is zero
    }
    const auto x = a.Raspakuj(), y = b.Raspakuj();
    // x.m / y.m in [1/2, 2): its integer bit, 64 bits below it, and the
    // rest f = ostatak / y.m: at least a half or not, and whether exactly.
    const bool celi = x.m >= y.m;
    std::uint64_t ostatak = 0;
    const std::uint64_t q = Podeli(celi ? x.m - y.m : x.m, 0, y.m, ostatak);
    const std::uint64_t f =
        (ostatak >= y.m - ostatak ? kCeoBit : 0) | (ostatak != 0 && ostatak != y.m - ostatak);
    return celi ? Zaokruzi(negativan, x.e - y.e, kCeoBit | q >> 1, q << 63 | (f != 0))
                : Zaokruzi(negativan, x.e - y.e - 1, q, f);
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
    __extension__ typedef unsigned __int128 u128;
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
    return Zaokruzi(false, 63 + t / 2, static_cast<std::uint64_t>(r),
                    (ostatak > r ? kCeoBit : 0) | (ostatak != 0));
}

constexpr TProsireno80 TProsireno80::Ostatak(TProsireno80 a, TProsireno80 b) {
    if (a.JeNaN()) return Tihi(a);
    if (b.JeNaN()) return Tihi(b);
    if (a.JeBeskonacno() || b.JeNula()) return NaN();
    if (a.JeNula() || b.JeBeskonacno() || Manji(a, b)) return a;
    const auto x = a.Raspakuj(), y = b.Raspakuj();
    // (x.m 2^d) mod y.m, up to 63 of the d doublings at a time.
    std::uint64_t r = x.m % y.m;
    for (std::int32_t d = x.e - y.e; d > 0 && r != 0;) {
        const int korak = d < 63 ? d : 63;
        Podeli(r >> (64 - korak), r << korak, y.m, r);
        d -= korak;
    }
    if (r == 0) return Nula(x.negativan);
    const int nule = std::countl_zero(r);
    return Zaokruzi(x.negativan, y.e - nule, r << nule, 0);
}

constexpr TProsireno80 TProsireno80::NaDole(TProsireno80 a) {
    if (a.JeNaN()) return Tihi(a);
    if (a.JeNula() || a.JeBeskonacno()) return a;
    const auto x = a.Raspakuj();
    if (x.e >= 63) return a;
    if (x.e < 0) return x.negativan ? TProsireno80(-1) : Nula(false);
    const std::uint64_t razlomak = (std::uint64_t{1} << (63 - x.e)) - 1;
    if ((x.m & razlomak) == 0) return a;
    const std::uint64_t ceo = (x.m & ~razlomak) + (x.negativan ? razlomak + 1 : 0);
    // Rounding a negative value down may carry into the next power of two.
    if (ceo == 0) return IzBitova(static_cast<std::uint16_t>(a.fZnakIEksponent + 1), kCeoBit);
    return IzBitova(a.fZnakIEksponent, ceo);
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
constexpr TProsireno80 copysign(TProsireno80 a, TProsireno80 b) {
    return std::signbit(a) == std::signbit(b) ? a : -a;
}
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

/// The value as the target's own long double, exactly: what {fmt} formats.
inline long double KaoLongDouble(Prosireno v) { return static_cast<long double>(v); }

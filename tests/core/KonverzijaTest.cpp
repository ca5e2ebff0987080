// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>

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

// Texts too long to spell out: a digit position far from the exponent's
// own size must not be lost when the two are added.
struct SlucajDugogBroja {
    const char* opis;
    std::string tekst;
    std::optional<double> ocekivano;  // nullopt: a conversion error
};

void PrintTo(const SlucajDugogBroja& s, std::ostream* os) { *os << s.opis; }

class DugiBrojTest : public testing::TestWithParam<SlucajDugogBroja> {};

TEST_P(DugiBrojTest, TheExactValueDecidesTheRange) {
    const SlucajDugogBroja& s = GetParam();
    if (!s.ocekivano) {
        EXPECT_THROW(TekstUBroj(s.tekst, '.'), EGreskaKonverzije);
        return;
    }
    const double v = TekstUBroj(s.tekst, '.');
    EXPECT_EQ(v, *s.ocekivano);
    EXPECT_EQ(std::signbit(v), std::signbit(*s.ocekivano));
}

const std::string kMilionNula(1'000'000, '0');
const std::string kMilionJedinica(1'000'000, '1');

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, DugiBrojTest, testing::Values(
    SlucajDugogBroja{"a million zeros then 1e10000000 is about 1e8999999", "0." + kMilionNula + "1e10000000", std::nullopt},
    SlucajDugogBroja{"a million ones times 1e-10000000 is below every subnormal", kMilionJedinica + "e-10000000", 0.0},
    SlucajDugogBroja{"the same negative keeps its sign", "-" + kMilionJedinica + "e-10000000", -0.0},
    SlucajDugogBroja{"a million zeros cancel an exponent of a million", "0." + kMilionNula + "25e1000001", 2.5},
    SlucajDugogBroja{"a million ones brought down to 1.11", kMilionJedinica + "e-999999", 1.1111111111111112},
    SlucajDugogBroja{"an exponent of a million digits", "1e" + kMilionJedinica, std::nullopt},
    SlucajDugogBroja{"a negative exponent of a million digits", "1e-" + kMilionJedinica, 0.0},
    SlucajDugogBroja{"zero with any exponent", "0.000e" + kMilionJedinica, 0.0},
    SlucajDugogBroja{"an exponent with a million leading zeros", "5e" + kMilionNula + "2", 500.0},
    SlucajDugogBroja{"the largest double after many zeros", "0." + std::string(400, '0') + "17976931348623157e709", 1.7976931348623157e308},
    SlucajDugogBroja{"the smallest subnormal after many zeros", "0." + std::string(400, '0') + "5e77", 4.9406564584124654e-324}
), [](const auto& info) { return "Row" + std::to_string(info.index); });
// clang-format on

// The reference: exact arithmetic on the text. The decimal exponent of the
// first nonzero digit, as a 128-bit integer, puts a value beyond the
// range's ends or within them; within them the text is brought to its
// significant digits and a short exponent, which the C library reads
// exactly (an infinity there is beyond the largest double).
// Exponents of up to thirty digits and digit positions, exactly.
__extension__ using Ceo128 = __int128;

std::optional<double> Referenca(const std::string& tekst) {
    std::size_t i = 0;
    const bool negativan = tekst[0] == '-';
    if (tekst[0] == '-' || tekst[0] == '+') ++i;
    std::string znacajne;
    Ceo128 red = 0;
    bool separator = false;
    bool nadjena = false;
    for (; i < tekst.size() && tekst[i] != 'e'; ++i) {
        const char c = tekst[i];
        if (c == '.') {
            separator = true;
            continue;
        }
        if (!nadjena && c == '0') {
            if (separator) --red;
            continue;
        }
        if (!nadjena) {
            nadjena = true;
            red = separator ? red - 1 : -1;
        }
        if (!separator) ++red;
        znacajne += c;
    }
    Ceo128 eksponent = 0;
    if (i < tekst.size()) {
        const bool negativanEksponent = tekst[i + 1] == '-';
        const bool znak = tekst[i + 1] == '-' || tekst[i + 1] == '+';
        for (std::size_t k = i + (znak ? 2 : 1); k < tekst.size(); ++k)
            eksponent = eksponent * 10 + (tekst[k] - '0');
        if (negativanEksponent) eksponent = -eksponent;
    }
    const double nula = negativan ? -0.0 : 0.0;
    if (!nadjena) return nula;
    const Ceo128 d = red + eksponent;
    if (d > 308) return std::nullopt;
    if (d < -324) return nula;
    while (znacajne.size() > 1 && znacajne.back() == '0') znacajne.pop_back();
    const long long e = static_cast<long long>(d) - static_cast<long long>(znacajne.size() - 1);
    const std::string kratak = (negativan ? "-" : "") + znacajne + "e" + std::to_string(e);
    const double v = std::strtod(kratak.c_str(), nullptr);
    if (std::isinf(v)) return std::nullopt;
    return v;
}

// Long mantissas (runs of zeros before and after the significant digits,
// on either side of the separator) and exponents from a few digits to
// thirty, aimed at the ends of the range and far beyond them.
std::string SlucajanTekst(std::mt19937_64& g) {
    const auto izmedju = [&](long long a, long long b) {
        return std::uniform_int_distribution<long long>(a, b)(g);
    };
    const auto cifre = [&](long long n, bool bezNule) {
        std::string s;
        for (long long k = 0; k < n; ++k)
            s += static_cast<char>('0' + izmedju(bezNule && k == 0 ? 1 : 0, 9));
        return s;
    };
    const long long duzina = izmedju(0, 3) == 0 ? 20000 : 300;
    std::string t;
    if (izmedju(0, 2) == 0) t += izmedju(0, 1) ? "-" : "+";
    const long long nuleIspred = izmedju(0, duzina);
    const long long znacajnih = izmedju(0, 4) == 0 ? izmedju(0, duzina) : izmedju(1, 20);
    const long long nuleIza = izmedju(0, duzina);
    std::string mantisa = std::string(nuleIspred, '0') + cifre(znacajnih, true) +
                          std::string(nuleIza, '0') + cifre(izmedju(0, 3), false);
    if (mantisa.empty()) mantisa = "0";
    const auto tacka = static_cast<std::size_t>(izmedju(0, static_cast<long long>(mantisa.size())));
    if (izmedju(0, 3) != 0) mantisa.insert(tacka, ".");
    if (mantisa == ".") mantisa = "0.";
    t += mantisa;
    // The exponent that brings the first significant digit near an end of
    // the range, give or take a little, or one far beyond it.
    long long pomak = 0;
    switch (izmedju(0, 3)) {
        case 0:
            pomak = izmedju(300, 330);
            break;
        case 1:
            pomak = -izmedju(300, 330);
            break;
        case 2:
            pomak = izmedju(-20, 20);
            break;
        default:
            break;
    }
    const std::size_t prva = t.find_first_of("123456789");
    const std::size_t sep = t.find('.') == std::string::npos ? t.size() : t.find('.');
    long long red = 0;
    if (prva != std::string::npos)
        red = prva < sep ? static_cast<long long>(sep - prva) - 1
                         : -static_cast<long long>(prva - sep);
    std::string eksponent;
    if (izmedju(0, 4) == 0) {
        eksponent = cifre(izmedju(7, 30), true);
        if (izmedju(0, 1)) eksponent = "-" + eksponent;
    } else {
        const long long e = pomak - red;
        eksponent = std::to_string(e);
    }
    if (izmedju(0, 5) == 0)
        eksponent.insert(eksponent[0] == '-' ? 1 : 0, std::string(izmedju(1, 50), '0'));
    if (izmedju(0, 6) != 0 || prva == std::string::npos) t += "e" + eksponent;
    return t;
}

TEST(TekstUBroj, AgreesWithExactDecimalArithmeticOnLongTexts) {
    std::mt19937_64 g(20240612);
    for (int k = 0; k < 400; ++k) {
        const std::string tekst = SlucajanTekst(g);
        const std::optional<double> ocekivano = Referenca(tekst);
        const std::string ime = tekst.size() > 120
                                    ? tekst.substr(0, 60) + "..." + tekst.substr(tekst.size() - 60)
                                    : tekst;
        if (!ocekivano) {
            EXPECT_THROW(TekstUBroj(tekst, '.'), EGreskaKonverzije) << ime;
            continue;
        }
        double v = 0.0;
        ASSERT_NO_THROW(v = TekstUBroj(tekst, '.')) << ime;
        EXPECT_EQ(v, *ocekivano) << ime;
        EXPECT_EQ(std::signbit(v), std::signbit(*ocekivano)) << ime;
    }
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormatBroja.h"

#include <fmt/format.h>

#include <charconv>
#include <cmath>
#include <string_view>

namespace {

// Enough digits that the rounding {fmt} itself does at the last one cannot
// be mistaken for the digit that decides ours.
constexpr int kTacnihCifara = 60;

// The report's significant digits.
constexpr std::size_t kZnacajnihCifara = 15;

struct Cifre {
    std::string cifre;  // significant digits, the first one non-zero
    int eksponent;      // decimal exponent of the first digit
};

// The value's leading `cifara` decimal digits, the last one rounded. {fmt}
// works them out from the value's bits whatever the width of the target's
// long double, where a C++ library may offer no long double at all; that
// long double holds every extended value exactly.
Cifre PrveCifre(Prosireno v, int cifara) {
    char bafer[kTacnihCifara + 32];
    const auto r =
        fmt::format_to_n(bafer, sizeof bafer, "{:.{}e}", KaoLongDouble(std::fabs(v)), cifara - 1);
    const std::string_view t(bafer, static_cast<std::size_t>(r.out - bafer));
    const std::size_t e = t.find('e');
    Cifre c;
    c.cifre.reserve(static_cast<std::size_t>(cifara));
    for (std::size_t i = 0; i < e; ++i)
        if (t[i] != '.') c.cifre += t[i];
    std::from_chars(t.data() + e + 1 + (t[e + 1] == '+'), t.data() + t.size(), c.eksponent);
    return c;
}

// The value's leading decimal digits, exact to kTacnihCifara places.
Cifre TacneCifre(Prosireno v) { return PrveCifre(v, kTacnihCifara + 1); }

// Digits enough to round the value to `broj` of them: the exact digit
// after them decides. A few more digits settle it unless their own rounding
// carried into that digit, which leaves only zeros behind it; then (and
// for a value that ends there) the exact digits are taken.
Cifre CifreZaZaokruzivanje(Prosireno v, std::size_t broj) {
    constexpr std::size_t kRezerva = 6;
    Cifre c = PrveCifre(v, static_cast<int>(broj + 1 + kRezerva));
    if (c.cifre.find_first_not_of('0', broj + 1) == std::string::npos) c = TacneCifre(v);
    return c;
}

// Keeps `broj` digits, rounding half away from zero; a carry out of the
// first digit raises the exponent.
void Zaokruzi(Cifre& c, std::size_t broj) {
    if (c.cifre.size() <= broj) {
        c.cifre.append(broj - c.cifre.size(), '0');
        return;
    }
    const bool navise = c.cifre[broj] >= '5';
    c.cifre.resize(broj);
    if (!navise) return;
    std::size_t i = broj;
    while (i > 0) {
        --i;
        if (c.cifre[i] != '9') {
            ++c.cifre[i];
            return;
        }
        c.cifre[i] = '0';
    }
    c.cifre.insert(c.cifre.begin(), '1');
    c.cifre.pop_back();
    ++c.eksponent;
}

void BezNulaNaKraju(std::string& s) {
    while (!s.empty() && s.back() == '0') s.pop_back();
}

std::string NeKonacan(Prosireno v) {
    if (std::isnan(v)) return "NAN";
    return v < 0 ? "-INF" : "INF";
}

// The report's general format of the decimal sign * 0.d1d2... * 10^(e + 1),
// its digits `c` from the first non-zero one on.
std::string Opsti(bool negativan, Cifre c, char decimalniSeparator) {
    Zaokruzi(c, kZnacajnihCifara);
    std::string izlaz = negativan ? "-" : "";
    if (c.eksponent >= -4 && c.eksponent < 15) {
        std::string celi, razlomak;
        if (c.eksponent >= 0) {
            celi = c.cifre.substr(0, static_cast<std::size_t>(c.eksponent) + 1);
            razlomak = c.cifre.substr(static_cast<std::size_t>(c.eksponent) + 1);
        } else {
            celi = "0";
            razlomak = std::string(static_cast<std::size_t>(-c.eksponent - 1), '0') + c.cifre;
        }
        BezNulaNaKraju(razlomak);
        izlaz += celi;
        if (!razlomak.empty()) izlaz += decimalniSeparator + razlomak;
        return izlaz;
    }
    std::string razlomak = c.cifre.substr(1);
    BezNulaNaKraju(razlomak);
    izlaz += c.cifre[0];
    if (!razlomak.empty()) izlaz += decimalniSeparator + razlomak;
    return izlaz + "E" + std::to_string(c.eksponent);
}

}  // namespace

std::string FormatBroja(Prosireno v, char decimalniSeparator) {
    if (!std::isfinite(v)) return NeKonacan(v);
    if (v == 0) return "0";
    return Opsti(std::signbit(v), CifreZaZaokruzivanje(v, kZnacajnihCifara), decimalniSeparator);
}

std::string FormatDecimala(bool negativan, std::string_view cifre, int eksponent,
                           char decimalniSeparator) {
    const std::size_t prva = cifre.find_first_not_of('0');
    if (prva == std::string_view::npos) return "0";
    return Opsti(negativan, Cifre{std::string(cifre.substr(prva)), eksponent}, decimalniSeparator);
}

std::string FormatFiksno(Prosireno v, int decimala, char decimalniSeparator) {
    if (!std::isfinite(v)) return NeKonacan(v);
    std::string cifre;  // all digits of the rounded value, at least decimala + 1 of them
    if (v != 0) {
        Cifre c = TacneCifre(v);
        const long long zadrzati = static_cast<long long>(c.eksponent) + 1 + decimala;
        if (zadrzati > 0) {
            Zaokruzi(c, static_cast<std::size_t>(zadrzati));
            const long long zadrzatiPosle = static_cast<long long>(c.eksponent) + 1 + decimala;
            cifre = c.cifre;
            if (static_cast<long long>(cifre.size()) < zadrzatiPosle) cifre += '0';
        } else if (zadrzati == 0 && c.cifre[0] >= '5') {
            cifre.push_back('1');  // rounds up into the last decimal
        }
    }
    const bool nula = cifre.find_first_not_of('0') == std::string::npos;
    const std::size_t potrebno = static_cast<std::size_t>(decimala) + 1;
    if (cifre.size() < potrebno) cifre.insert(0, potrebno - cifre.size(), '0');
    const std::size_t celih = cifre.size() - static_cast<std::size_t>(decimala);
    std::string izlaz = (!nula && std::signbit(v)) ? "-" : "";
    izlaz += cifre.substr(0, celih);
    if (decimala > 0) izlaz += decimalniSeparator + cifre.substr(celih);
    return izlaz;
}

int DecimalaJedinice(TJedinica jedinica) { return jedinica == TJedinica::Procenat ? 2 : 3; }

std::string FormatInzenjerski(Prosireno v, TJedinica jedinica, char decimalniSeparator) {
    std::string s = FormatFiksno(v, DecimalaJedinice(jedinica), decimalniSeparator);
    // FormatFiksno writes a value that rounds to zero without a sign.
    if (s.find_first_of("123456789") == std::string::npos && std::isfinite(v)) return "0";
    return s;
}

std::string FormatZa(TZapis zapis, Prosireno v, TJedinica jedinica, char decimalniSeparator) {
    return zapis == TZapis::Inzenjerski ? FormatInzenjerski(v, jedinica, decimalniSeparator)
                                        : FormatBroja(v, decimalniSeparator);
}

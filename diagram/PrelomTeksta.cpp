// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrelomTeksta.h"

#include <optional>

namespace {

bool Cifra(char c) { return c >= '0' && c <= '9'; }

// A number's characters: its digits, its decimal separator (either) and its
// exponent's mark and sign.
bool DeoBroja(char c) {
    return Cifra(c) || c == '.' || c == ',' || c == 'E' || c == 'e' || c == '+' || c == '-';
}

// Whether the place before s[i] lies inside a number: between a digit (or
// what continues one) and what continues it, or between an exponent's mark
// and its sign.
bool UnutarBroja(std::string_view s, std::size_t i) {
    if (i == 0 || i >= s.size()) return false;
    const char pre = s[i - 1], posle = s[i];
    if (!DeoBroja(pre) || !DeoBroja(posle)) return false;
    const bool eksponent =
        (pre == 'E' || pre == 'e') && i >= 2 && (Cifra(s[i - 2]) || s[i - 2] == '.');
    if (posle == '+' || posle == '-') return eksponent;
    if (pre == '+' || pre == '-') return Cifra(posle) || posle == '.';
    if (pre == 'E' || pre == 'e') return eksponent;
    if (posle == 'E' || posle == 'e') return Cifra(pre) || pre == '.';
    return true;
}

// A minus that subtracts: after a blank, a closing bracket or a letter or
// digit that ends an operand, and followed by a blank. A minus before a
// digit or a bracket is a sign.
bool Operator(std::string_view s, std::size_t i) {
    const char c = s[i];
    if (c == '=' || c == '+' || c == '*' || c == '/' || c == '^') return !UnutarBroja(s, i);
    if (c != '-' || i == 0 || i + 1 >= s.size()) return false;
    return s[i + 1] == ' ' && !UnutarBroja(s, i);
}

struct TMestoPreloma {
    std::size_t kraj;      // the piece ends here
    std::size_t nastavak;  // the next one starts here
};

// The last place to break the rest s[od..] so that its piece has at most
// `sirina` characters.
std::optional<TMestoPreloma> PoslednjeMesto(std::string_view s, std::size_t od,
                                            std::size_t sirina) {
    std::optional<TMestoPreloma> mesto;
    const std::size_t granica = std::min(s.size(), od + sirina);
    for (std::size_t i = od + 1; i <= granica; ++i) {
        if (i < s.size() && s[i] == ' ' && s[i - 1] != ' ') {
            std::size_t nastavak = i;
            while (nastavak < s.size() && s[nastavak] == ' ') ++nastavak;
            mesto = TMestoPreloma{i, nastavak};
        } else if (i < s.size() && Operator(s, i) && s[i - 1] != ' ') {
            mesto = TMestoPreloma{i, i};
        }
    }
    return mesto;
}

// A part with no place to break: cut where the width ends, moved back out
// of a number where the part holds something else before it.
TMestoPreloma Presek(std::string_view s, std::size_t od, std::size_t sirina) {
    std::size_t i = std::min(s.size(), od + sirina);
    while (i > od + 1 && UnutarBroja(s, i)) --i;
    if (i == od + 1 && UnutarBroja(s, i)) i = std::min(s.size(), od + sirina);
    return {i, i};
}

}  // namespace

std::vector<std::string> PrelomiLinijuIzvestaja(std::string_view linija, std::size_t znakova,
                                                std::size_t uvlaka) {
    std::vector<std::string> delovi;
    const std::string uvuceno(uvlaka, ' ');
    std::size_t od = 0;
    while (od < linija.size()) {
        const bool prvi = delovi.empty();
        const std::size_t sirina = prvi ? std::max<std::size_t>(1, znakova)
                                        : (znakova > uvlaka + 1 ? znakova - uvlaka : 1);
        std::string_view ostatak = linija.substr(od);
        if (ostatak.size() <= sirina) {
            delovi.push_back((prvi ? std::string() : uvuceno) + std::string(ostatak));
            break;
        }
        const TMestoPreloma m =
            PoslednjeMesto(linija, od, sirina).value_or(Presek(linija, od, sirina));
        std::string_view deo = linija.substr(od, m.kraj - od);
        while (!deo.empty() && deo.back() == ' ') deo.remove_suffix(1);
        delovi.push_back((prvi ? std::string() : uvuceno) + std::string(deo));
        od = m.nastavak;
        // A continuation never starts with the blanks of its break.
        while (od < linija.size() && linija[od] == ' ') ++od;
    }
    if (delovi.empty()) delovi.emplace_back();
    return delovi;
}

std::vector<std::string> PrelomiPasus(std::string_view tekst, TPismoListe pismo, double velicina,
                                      double sirina) {
    std::vector<std::string> linije;
    std::string linija;
    const auto dodaj = [&](std::string_view rec) {
        const std::string probna =
            linija.empty() ? std::string(rec) : linija + " " + std::string(rec);
        if (linija.empty() || SirinaTeksta(probna, pismo, velicina) <= sirina) {
            linija = probna;
        } else {
            linije.push_back(std::move(linija));
            linija = std::string(rec);
        }
        // A word wider than a line on its own is cut between characters.
        while (SirinaTeksta(linija, pismo, velicina) > sirina && BrojZnakova(linija) > 1) {
            std::size_t kraj = linija.size();
            do {
                --kraj;
                while (kraj > 0 && (static_cast<unsigned char>(linija[kraj]) & 0xC0) == 0x80)
                    --kraj;
            } while (kraj > 1 && SirinaTeksta(std::string_view(linija).substr(0, kraj), pismo,
                                              velicina) > sirina);
            if (kraj == 0) break;
            linije.push_back(linija.substr(0, kraj));
            linija.erase(0, kraj);
        }
    };
    std::size_t od = 0;
    while (od < tekst.size()) {
        const std::size_t kraj = std::min(tekst.find(' ', od), tekst.size());
        if (kraj > od) dodaj(tekst.substr(od, kraj - od));
        od = kraj + 1;
    }
    if (!linija.empty() || linije.empty()) linije.push_back(std::move(linija));
    return linije;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZlatnaDatoteka.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

std::string Procitaj(const std::string& putanja) {
    std::ifstream ulaz(putanja, std::ios::binary);
    return {std::istreambuf_iterator<char>(ulaz), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Linije(const std::string& tekst) {
    std::vector<std::string> linije;
    std::istringstream ulaz(tekst);
    for (std::string l; std::getline(ulaz, l);) linije.push_back(l);
    return linije;
}

}  // namespace

void UporediSaReferencom(const std::string& stvarno, const std::string& putanja) {
    const std::string ocekivano = Procitaj(putanja);
    ASSERT_FALSE(ocekivano.empty()) << putanja;
    if (stvarno == ocekivano) return;

    const std::vector<std::string> a = Linije(stvarno);
    const std::vector<std::string> o = Linije(ocekivano);
    const auto razlika = std::mismatch(a.begin(), a.end(), o.begin(), o.end());
    const std::size_t red = static_cast<std::size_t>(razlika.first - a.begin()) + 1;
    ADD_FAILURE() << putanja << " differs at line " << red
                  << ":\n  actual:   " << (razlika.first != a.end() ? *razlika.first : "<end>")
                  << "\n  expected: " << (razlika.second != o.end() ? *razlika.second : "<end>")
                  << "\n  (" << a.size() << " lines, expected " << o.size() << ")";
    std::ofstream(putanja + ".actual", std::ios::binary) << stvarno;
}

void UporediSaReferencom(const std::vector<std::string>& linije, const std::string& putanja) {
    std::string tekst;
    for (const std::string& l : linije) tekst += l + '\n';
    UporediSaReferencom(tekst, putanja);
}

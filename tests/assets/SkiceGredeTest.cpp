// SPDX-License-Identifier: GPL-3.0-or-later
// The embedded sketches are the committed files byte for byte: saving a
// sketch hands these bytes to the user unchanged.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "SkiceGrede.h"

namespace {

std::vector<unsigned char> Datoteka(int n) {
    std::ifstream ulaz(std::string(LASTOVAR_SKICE) + "/Skica" + std::to_string(n) + ".jpg",
                       std::ios::binary);
    return {std::istreambuf_iterator<char>(ulaz), std::istreambuf_iterator<char>()};
}

struct Slucaj {
    int brojSila;
    int skica;  // the committed file SkicaN.jpg it must give
};

class SkiceGredeTest : public ::testing::TestWithParam<Slucaj> {};

TEST_P(SkiceGredeTest, AreTheCommittedFileUnchanged) {
    const Slucaj s = GetParam();
    const std::vector<unsigned char> ocekivano = Datoteka(s.skica);
    ASSERT_GT(ocekivano.size(), 1000U);
    const std::span<const unsigned char> ugradjeno = SkicaGrede(s.brojSila);
    EXPECT_TRUE(std::equal(ugradjeno.begin(), ugradjeno.end(), ocekivano.begin(), ocekivano.end()))
        << ugradjeno.size() << " bajtova prema " << ocekivano.size();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(BrojSila, SkiceGredeTest, ::testing::Values(
    Slucaj{1, 1}, Slucaj{2, 2}, Slucaj{3, 3}, Slucaj{4, 4}, Slucaj{5, 5}, Slucaj{6, 6},
    // outside 1..6 the one-force sketch
    Slucaj{0, 1}, Slucaj{7, 1}, Slucaj{-1, 1}));
// clang-format on

}  // namespace

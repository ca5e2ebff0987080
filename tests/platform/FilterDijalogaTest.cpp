// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "FilterDijaloga.h"

namespace {

struct SlucajFiltera {
    const char* filter;
    QStringList filteri;
};

class FilteriDijalogaTest : public ::testing::TestWithParam<SlucajFiltera> {};

TEST_P(FilteriDijalogaTest, PairsBecomeNameFiltersThatShowTheirPatternsOnce) {
    EXPECT_EQ(FilteriDijaloga(GetParam().filter), GetParam().filteri);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, FilteriDijalogaTest, ::testing::Values(
    SlucajFiltera{"Lastovar datoteka|*.Lastovar", {"Lastovar datoteka (*.Lastovar)"}},
    SlucajFiltera{"JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg",
                  {"JPEG Image File (*.jpg)", "JPEG Image File (*.jpeg)"}},
    // Parentheses that show other patterns, or none, are part of the description.
    SlucajFiltera{"JPEG Image File (*.jpg)|*.jpeg", {"JPEG Image File (*.jpg) (*.jpeg)"}},
    SlucajFiltera{"Slike (jpeg)|*.jpg", {"Slike (jpeg) (*.jpg)"}},
    SlucajFiltera{"Slike|*.jpg;*.jpeg", {"Slike (*.jpg *.jpeg)"}},
    SlucajFiltera{"Slike (*.jpg *.jpeg)|*.jpg;*.jpeg", {"Slike (*.jpg *.jpeg)"}},
    SlucajFiltera{"A|*.a|bez uzorka", {"A (*.a)"}},
    SlucajFiltera{"", {}}));
// clang-format on

struct SlucajEkstenzije {
    const char* filter;
    int n;
    const char* ekstenzija;
};

class EkstenzijaFilteraTest : public ::testing::TestWithParam<SlucajEkstenzije> {};

TEST_P(EkstenzijaFilteraTest, IsThePatternsExtension) {
    EXPECT_EQ(EkstenzijaFiltera(GetParam().filter, GetParam().n), GetParam().ekstenzija);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, EkstenzijaFilteraTest, ::testing::Values(
    SlucajEkstenzije{"Lastovar datoteka|*.Lastovar", 0, "Lastovar"},
    SlucajEkstenzije{"A|*.jpg|B|*.jpeg", 1, "jpeg"},
    SlucajEkstenzije{"A|*.jpg;*.jpeg", 0, "jpg"},
    SlucajEkstenzije{"Sve|*.*", 0, ""},
    SlucajEkstenzije{"Sve|*", 0, ""},
    SlucajEkstenzije{"A|*.jpg", 1, ""},
    SlucajEkstenzije{"A|*.jpg", -1, ""}));
// clang-format on

}  // namespace

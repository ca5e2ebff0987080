// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "FilterDijaloga.h"

namespace {

TEST(FilterDijaloga, PairsBecomeNameFilters) {
    EXPECT_EQ(FilteriDijaloga("Lastovar datoteka|*.Lastovar"),
              QStringList{"Lastovar datoteka (*.Lastovar)"});
    EXPECT_EQ(
        FilteriDijaloga("JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg"),
        (QStringList{"JPEG Image File (*.jpg) (*.jpg)", "JPEG Image File (*.jpeg) (*.jpeg)"}));
    EXPECT_TRUE(FilteriDijaloga("").isEmpty());
}

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

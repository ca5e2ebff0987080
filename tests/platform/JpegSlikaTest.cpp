// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "JpegSlika.h"
#include "SkiceGrede.h"

namespace {

class SkicaTest : public ::testing::TestWithParam<int> {};

TEST_P(SkicaTest, DecodesAtItsSizeAsABlackDrawingOnWhite) {
    const int n = GetParam();
    const QImage slika = DekodirajJpeg(SkicaGrede(n));
    ASSERT_FALSE(slika.isNull());
    EXPECT_EQ(slika.size(), QSize(2868, n == 1 ? 978 : 980));
    EXPECT_GT(qGray(slika.pixel(5, 5)), 245);
    int crnih = 0;
    for (int y = 0; y < slika.height(); y += 4)
        for (int x = 0; x < slika.width(); x += 4) crnih += qGray(slika.pixel(x, y)) < 60;
    EXPECT_GT(crnih, 500);
}

INSTANTIATE_TEST_SUITE_P(BrojSila, SkicaTest, ::testing::Range(1, 7));

TEST(JpegSlika, EverySketchIsItsOwnPictureAndOutsideTheRangeTheFirst) {
    for (int n = 2; n <= 6; ++n) EXPECT_NE(SkicaGrede(n).data(), SkicaGrede(n - 1).data());
    EXPECT_EQ(SkicaGrede(0).data(), SkicaGrede(1).data());
    EXPECT_EQ(SkicaGrede(7).data(), SkicaGrede(1).data());
}

TEST(JpegSlika, ShownSmallerItDecodesAtAFractionStillWideEnough) {
    EXPECT_EQ(DekodirajJpeg(SkicaGrede(2), 400).size(), QSize(717, 245));
    EXPECT_EQ(DekodirajJpeg(SkicaGrede(2), 1000).size(), QSize(1434, 490));
    EXPECT_EQ(DekodirajJpeg(SkicaGrede(2), 3000).size(), QSize(2868, 980));
}

TEST(JpegSlika, DataThatIsNoJpegGivesANullImage) {
    const std::vector<unsigned char> smece{0x00, 0x01, 0x02, 0x03};
    EXPECT_TRUE(DekodirajJpeg(smece).isNull());
    EXPECT_TRUE(DekodirajJpeg({}).isNull());
}

// libjpeg pads a cut stream; the sanitizer build catches a read past its end.
TEST(JpegSlika, CutDataIsReadOnlyWithinItsBytes) {
    const auto skica = SkicaGrede(3);
    for (const std::size_t duzina : {std::size_t(2), std::size_t(200), skica.size() / 2}) {
        const QImage slika = DekodirajJpeg(skica.first(duzina));
        EXPECT_TRUE(slika.isNull() || slika.size() == QSize(2868, 980)) << duzina;
    }
}

}  // namespace

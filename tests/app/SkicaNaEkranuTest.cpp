// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>

#include "AplikacijaFixture.h"
#include "PodaciObrazac.h"
#include "SkicaNaEkranu.h"
#include "SpinEdit.h"

namespace {

struct Razmera {
    qreal odnos;
    QSize uredjaja;
};

class SkicaNaEkranuTest : public ::testing::TestWithParam<Razmera> {};

// As many device pixels as the screen has under the sketch's 400 x 136:
// drawn at that ratio, it is shown pixel for pixel.
TEST_P(SkicaNaEkranuTest, IsDecodedAtTheScreensPixelRatio) {
    for (int brojSila = 1; brojSila <= 6; ++brojSila) {
        const QPixmap skica = SkicaNaEkranu(brojSila, GetParam().odnos);
        EXPECT_EQ(skica.size(), GetParam().uredjaja) << brojSila;
        EXPECT_EQ(skica.devicePixelRatio(), GetParam().odnos) << brojSila;
        EXPECT_EQ(skica.deviceIndependentSize(), QSizeF(400, 136)) << brojSila;
        // A line drawing: black on white.
        const QImage slika = skica.toImage();
        int crnih = 0;
        for (int y = 0; y < slika.height(); ++y)
            for (int x = 0; x < slika.width(); ++x) crnih += qGray(slika.pixel(x, y)) < 64;
        EXPECT_GT(crnih, slika.width()) << brojSila;
    }
}

INSTANTIATE_TEST_SUITE_P(Ekrani, SkicaNaEkranuTest,
                         ::testing::Values(Razmera{1.0, {400, 136}}, Razmera{1.5, {600, 204}},
                                           Razmera{2.0, {800, 272}}));

using SkicaFormeTest = AplikacijaTest;

// Also run with QT_SCALE_FACTOR=2, where the sketch is 800 x 272 pixels.
TEST_F(SkicaFormeTest, TheFormShowsTheSketchAtItsScreensPixelRatio) {
    for (const int brojSila : {2, 5}) {
        PodaciO->SpinEditBrojSila->setValue(brojSila);
        const QLabel* slika = PodaciO->Image[brojSila - 1];
        const qreal odnos = slika->devicePixelRatioF();
        EXPECT_EQ(slika->pixmap().devicePixelRatio(), odnos);
        EXPECT_EQ(slika->pixmap().size(), QSize(qRound(400 * odnos), qRound(136 * odnos)));
        EXPECT_EQ(slika->size(), QSize(400, 136));
    }
}

}  // namespace

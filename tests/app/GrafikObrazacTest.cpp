// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTest>

#include "AplikacijaFixture.h"
#include "Edit.h"
#include "GrafikObrazac.h"
#include "NacrtajDijagrame.h"
#include "PlatnoSlike.h"
#include "PodaciObrazac.h"
#include "SpinEdit.h"

namespace {

using GrafikObrazacTest = AplikacijaTest;

QImage Prozor() {
    return GrafikO->Povrsina()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool SveBelo(const QImage& s) {
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if ((s.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) return false;
    return true;
}

// The defaults drawn on an image of the window's size, the window's own
// drawing as its canvas would be after `crtanja` earlier drawings.
QImage OcekivaniCrtez(QSize velicina, int crtanja) {
    TPlatnoSlike platno(velicina.width(), velicina.height(), FontProzoraDijagrama(),
                        GrafikO->Povrsina()->logicalDpiY());
    for (int i = 0; i <= crtanja; ++i)
        NacrtajDijagrame(platno, velicina.width(), velicina.height(), kZaProgram,
                         {platno, velicina.width(), velicina.height()}, TUlazDijagrama{});
    return platno.Slika().convertToFormat(QImage::Format_RGB32);
}

void PromeniVelicinu(QSize velicina) {
    GrafikO->resize(velicina);
    QApplication::processEvents();
}

TEST_F(GrafikObrazacTest, StaysWhiteWhileUnlocked) {
    EXPECT_TRUE(SveBelo(Prozor()));
    PromeniVelicinu(QSize(520, 480));
    EXPECT_TRUE(SveBelo(Prozor()));

    QTest::mouseClick(PodaciO->btnProracun, Qt::LeftButton);
    ASSERT_TRUE(PodaciO->Zakljucano());
    EXPECT_FALSE(SveBelo(Prozor()));

    QTest::mouseClick(PodaciO->btnProracun, Qt::LeftButton);
    ASSERT_FALSE(PodaciO->Zakljucano());
    EXPECT_TRUE(SveBelo(Prozor()));
    PromeniVelicinu(QSize(600, 500));
    EXPECT_TRUE(SveBelo(Prozor()));
}

TEST_F(GrafikObrazacTest, CalculationDrawsTheDefaultsAndEveryRepaintDrawsAgain) {
    PodaciO->btnProracunClick();
    const QSize velicina = GrafikO->Povrsina()->size();
    // the command's drawing is the window canvas's first one
    auto& platno = dynamic_cast<TPlatnoSlike&>(GrafikO->Platno());
    EXPECT_EQ(platno.Slika().convertToFormat(QImage::Format_RGB32), OcekivaniCrtez(velicina, 0));
    QApplication::processEvents();
    GrafikO->Povrsina()->repaint();
    EXPECT_EQ(Prozor(), OcekivaniCrtez(velicina, 1));
}

TEST_F(GrafikObrazacTest, ResizeRedrawsForTheNewSize) {
    PodaciO->btnProracunClick();
    const QSize pre = GrafikO->Povrsina()->size();
    GrafikO->resize(760, 620);  // a shown window gets its resize at once
    const QSize velicina = GrafikO->Povrsina()->size();
    ASSERT_NE(velicina, pre);
    auto& platno = dynamic_cast<TPlatnoSlike&>(GrafikO->Platno());
    EXPECT_EQ(platno.Slika().convertToFormat(QImage::Format_RGB32), OcekivaniCrtez(velicina, 1));

    QApplication::processEvents();
    const QImage prozor = Prozor();
    ASSERT_EQ(prozor.size(), velicina);
    EXPECT_EQ(prozor, OcekivaniCrtez(velicina, 1));
    // x0 stays 50 while x1, y0 and y1 follow the client size
    const int x1 = velicina.width() - 100;
    const int y0 = qRound(velicina.height() / 8.0);
    const int y1 = qRound(velicina.height() * 4 / 6.0);
    EXPECT_EQ(prozor.pixelColor(52, y0), QColor(Qt::black));
    EXPECT_EQ(prozor.pixelColor(45, y0), QColor(Qt::white));
    EXPECT_EQ(prozor.pixelColor(x1 - 20, y1), QColor(Qt::black));
    EXPECT_EQ(prozor.pixelColor(x1 + 6, y1), QColor(Qt::white));
}

// Texts changed behind the lock (a data file opened while locked) neither
// break the repaint nor change the diagram of the calculation on show.
TEST_F(GrafikObrazacTest, LockedWindowKeepsDrawingTheLoadCaseItLockedWith) {
    QTest::mouseClick(PodaciO->btnProracun, Qt::LeftButton);
    PodaciO->txtRaspon->setText(QStringLiteral("abc"));
    PodaciO->SpinEditBrojSila->setValue(5);
    GrafikO->Povrsina()->repaint();
    EXPECT_EQ(Prozor(), OcekivaniCrtez(GrafikO->Povrsina()->size(), 1));
    PromeniVelicinu(QSize(640, 560));
    EXPECT_EQ(Prozor(), OcekivaniCrtez(GrafikO->Povrsina()->size(), 1));
    EXPECT_TRUE(poruke.Prikazano.empty());
}

// A paint draws the picture and shows it; it must not ask for another
// paint, or the window repaints without end and holds a processor busy.
TEST_F(GrafikObrazacTest, APaintAsksForNoFurtherPaint) {
    TBrojacSlikanja brojac;
    QTest::mouseClick(PodaciO->btnProracun, Qt::LeftButton);
    ASSERT_TRUE(PodaciO->Zakljucano());
    QApplication::processEvents();
    GrafikO->Povrsina()->installEventFilter(&brojac);
    GrafikO->Povrsina()->repaint();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    EXPECT_EQ(brojac.slikanja, 1);
    EXPECT_EQ(Prozor(), OcekivaniCrtez(GrafikO->Povrsina()->size(), 1));
}

}  // namespace

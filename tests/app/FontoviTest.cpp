// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFontInfo>
#include <QTimer>

#include "Fontovi.h"
#include "QtDijalozi.h"

namespace {

TEST(Fontovi, TheWindowsFaceIsInstalled) {
    EXPECT_EQ(QFontInfo(FontProzora(13, true)).family().toStdString(), kTipografija);
    EXPECT_TRUE(QFontInfo(FontProzora(13, true)).bold());
    EXPECT_EQ(QFontInfo(FontProzora(11, false)).pixelSize(), 11);
}

TEST(Fontovi, TheInitialPrintFontIsTheFaceBoldTwelvePointsInBlack) {
    const TFontIzbor izbor = IzborFonta(PocetniFontStampe());
    EXPECT_EQ(izbor.Font.family().toStdString(), "Liberation Sans");
    EXPECT_TRUE(izbor.Font.bold());
    EXPECT_EQ(izbor.Font.pointSize(), 12);
    EXPECT_EQ(izbor.Boja, QColor(Qt::black));
    EXPECT_EQ(FontStampe(izbor, 96), PocetniFontStampe());
    EXPECT_EQ(FontStampe(izbor, 300), PocetniFontStampe());
}

// The font dialog preselects the print font, so confirming it untouched
// hands the same font back: no other face, and bold stays bold.
TEST(Fontovi, TheFontDialogConfirmedUntouchedKeepsThePrintFont) {
    QTimer::singleShot(0, [] {
        if (auto* dijalog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dijalog->accept();
    });
    TQtDijalozi dijalozi;
    const std::optional<TFontIzbor> izbor = dijalozi.Font(IzborFonta(PocetniFontStampe()));
    ASSERT_TRUE(izbor.has_value());
    EXPECT_EQ(FontStampe(*izbor, 96), PocetniFontStampe());
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "GreskaStampe.h"
#include "QtStampanje.h"

namespace {

TEST(QtStampanje, APdfPrinterGetsOnePageOfTheDrawing) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("strana.pdf");
    TQtStampanje stampanje;
    stampanje.Postavi({"PDF:" + pdf, 21000, 29700});
    EXPECT_EQ(stampanje.TrenutniStampac(), "PDF:" + pdf);
    EXPECT_EQ(stampanje.Platno(), nullptr);
    stampanje.PocniPosao();
    ASSERT_NE(stampanje.Platno(), nullptr);
    stampanje.Platno()->drawLine(200, 464, 1900, 464);
    EXPECT_THROW(stampanje.PocniPosao(), EGreskaStampe);
    stampanje.ZavrsiPosao();
    EXPECT_EQ(stampanje.Platno(), nullptr);
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray sadrzaj = f.readAll();
    EXPECT_TRUE(sadrzaj.startsWith("%PDF"));
    EXPECT_TRUE(sadrzaj.contains("/Type /Page\n") || sadrzaj.contains("/Type /Page "));
}

TEST(QtStampanje, ACancelledJobLeavesNoPage) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("otkazano.pdf");
    TQtStampanje stampanje;
    stampanje.Postavi({"PDF:" + pdf, 21000, 29700});
    stampanje.PocniPosao();
    stampanje.OtkaziPosao();
    EXPECT_EQ(stampanje.Platno(), nullptr);
    EXPECT_FALSE(QFile::exists(pdf) && QFile(pdf).size() > 0);
}

TEST(QtStampanje, AJobThatCannotStartFailsWithAMessage) {
    TQtStampanje stampanje;
    stampanje.Postavi({"PDF:/nema/takvog/foldera/x.pdf", 21000, 29700});
    EXPECT_THROW(stampanje.PocniPosao(), EGreskaStampe);
    EXPECT_EQ(stampanje.Platno(), nullptr);
}

}  // namespace

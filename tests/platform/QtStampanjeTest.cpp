// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <deque>

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

struct SlucajStrane {
    const char* ime;
    int sirinaPapira, visinaPapira;  // hundredths of a millimetre
    double sirinaMm, visinaMm;       // printable, within 10 mm margins
};

class StranaStampeTest : public ::testing::TestWithParam<SlucajStrane> {};

// Whatever the printer's own resolution (a PDF printer's is 1200), the job
// runs at the 300 dots per inch the print factors assume.
TEST_P(StranaStampeTest, AJobRunsAtThreeHundredDotsPerInchWithinTenMillimetreMargins) {
    const SlucajStrane& s = GetParam();
    QTemporaryDir dir;
    TQtStampanje stampanje;
    stampanje.Postavi({"PDF:" + dir.filePath("strana.pdf"), s.sirinaPapira, s.visinaPapira});
    stampanje.PocniPosao();
    const QPaintDevice* strana = stampanje.Platno()->device();
    EXPECT_EQ(strana->logicalDpiX(), 300);
    EXPECT_EQ(strana->logicalDpiY(), 300);
    // Paper sizes and margins pass through whole points: within 0.5 mm.
    EXPECT_NEAR(strana->width(), s.sirinaMm / 25.4 * 300, 6.0);
    EXPECT_NEAR(strana->height(), s.visinaMm / 25.4 * 300, 6.0);
    stampanje.ZavrsiPosao();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Papiri, StranaStampeTest, ::testing::Values(
    SlucajStrane{"A4", 21000, 29700, 190, 277},
    SlucajStrane{"A4Landscape", 29700, 21000, 277, 190},
    SlucajStrane{"A5", 14800, 21000, 128, 190},
    SlucajStrane{"Letter", 21590, 27940, 195.9, 259.4}),
    [](const auto& info) { return std::string(info.param.ime); });
// clang-format on

// Until the page set-up chooses one, the current printer is the system's
// default as it is at that moment: one installed while the program runs is
// found by the next print.
TEST(QtStampanje, TheDefaultPrinterIsAskedForEachTimeUntilOneIsChosen) {
    std::deque<QString> podrazumevani{QString(), QStringLiteral("Novi"), QStringLiteral("Drugi")};
    TQtStampanje stampanje([&] {
        const QString s = podrazumevani.front();
        podrazumevani.pop_front();
        return s;
    });
    EXPECT_THROW(stampanje.TrenutniStampac(), EGreskaStampe);
    EXPECT_EQ(stampanje.TrenutniStampac(), "Novi");
    EXPECT_EQ(stampanje.TrenutniStampac(), "Drugi");
    stampanje.Postavi({QStringLiteral("Izabrani"), 21000, 29700});
    EXPECT_EQ(stampanje.TrenutniStampac(), "Izabrani");
    stampanje.Postavi({QString(), 21000, 29700});
    EXPECT_EQ(stampanje.TrenutniStampac(), "Izabrani");
}

}  // namespace

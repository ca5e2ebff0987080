// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <stdexcept>

#include "GreskaStampe.h"
#include "QtPregledStampe.h"
#include "QtStampanje.h"

namespace {

std::unique_ptr<QPrinter> Stampac() {
    auto s = std::make_unique<QPrinter>();
    s->setOutputFormat(QPrinter::PdfFormat);
    s->setResolution(300);
    s->setPageSize(QPageSize(QPageSize::A5));
    return s;
}

// Shows the dialog as the user would see it, until it has asked for the
// page; then presses its button `dugme`, or closes it.
struct Prikaz {
    QString naslov;
    int trazeno = 0;
    const char* dugme = nullptr;
    bool otvorenPosle = false;
    void operator()(QDialog& d) {
        naslov = d.windowTitle();
        d.show();
        EXPECT_TRUE(QTest::qWaitFor([this] { return trazeno > 0; }));
        if (dugme) {
            auto* a = d.findChild<QAction*>(QString::fromLatin1(dugme));
            ASSERT_NE(a, nullptr) << dugme;
            a->trigger();
            otvorenPosle = d.isVisible();
        }
        d.close();
    }
};

TEST(QtPregledStampe, DrawsThePageOnThePrintersPage) {
    Prikaz prikaz;
    QPrinter* uredjaj = nullptr;
    TQtPregledStampe pregled(Stampac, std::ref(prikaz));
    pregled.Prikazi(
        [&](QPainter& slikar) {
            ++prikaz.trazeno;
            uredjaj = dynamic_cast<QPrinter*>(slikar.device());
            ASSERT_NE(uredjaj, nullptr);
            EXPECT_EQ(uredjaj->resolution(), 300);
            EXPECT_EQ(uredjaj->pageLayout().pageSize().id(), QPageSize::A5);
            slikar.drawLine(0, 0, 100, 100);
        },
        [] {
            ADD_FAILURE() << "printed unasked";
            return false;
        });
    EXPECT_EQ(prikaz.naslov, "Pregled stampe");
    EXPECT_GE(prikaz.trazeno, 1);
}

// The print button prints the program's way, no dialog of Qt's between:
// the preview closes once that printed, and stays where it did not.
TEST(QtPregledStampe, ItsPrintButtonPrintsTheProgramsWay) {
    for (const bool odstampano : {true, false}) {
        Prikaz prikaz;
        prikaz.dugme = "Stampaj";
        int stampanja = 0;
        TQtPregledStampe pregled(Stampac, std::ref(prikaz));
        pregled.Prikazi([&](QPainter&) { ++prikaz.trazeno; },
                        [&] {
                            ++stampanja;
                            return odstampano;
                        });
        EXPECT_EQ(stampanja, 1);
        EXPECT_EQ(prikaz.otvorenPosle, !odstampano);
    }
}

TEST(QtPregledStampe, AFailureOfThePageGoesOnOnceThePreviewIsClosed) {
    Prikaz prikaz;
    TQtPregledStampe pregled(Stampac, std::ref(prikaz));
    EXPECT_THROW(pregled.Prikazi(
                     [&](QPainter&) {
                         ++prikaz.trazeno;
                         throw std::runtime_error("crtez nije uspeo");
                     },
                     [] { return false; }),
                 std::runtime_error);
    EXPECT_GE(prikaz.trazeno, 1);
}

TEST(QtStampanje, APreviewGetsThePrinterAndPaperOfTheNextJob) {
    TQtStampanje stampanje;
    stampanje.Postavi({"PDF:/tmp/pregled.pdf", 29700, 42000});
    const std::unique_ptr<QPrinter> s = stampanje.StampacZaPregled();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(s->outputFileName(), "/tmp/pregled.pdf");
    const QSizeF papir = s->pageLayout().fullRect(QPageLayout::Millimeter).size();
    EXPECT_NEAR(papir.width(), 297, 0.5);
    EXPECT_NEAR(papir.height(), 420, 0.5);
}

TEST(QtStampanje, NoPreviewWhileAJobRuns) {
    QTemporaryDir dir;
    TQtStampanje stampanje;
    stampanje.Postavi({"PDF:" + dir.filePath("posao.pdf"), 21000, 29700});
    stampanje.PocniPosao();
    EXPECT_THROW(stampanje.StampacZaPregled(), EGreskaStampe);
    EXPECT_NE(stampanje.Platno(), nullptr);
    stampanje.ZavrsiPosao();
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <cerrno>
#include <cstring>
#include <functional>
#include <new>

#include "GreskaFajla.h"
#include "MereTeksta.h"
#include "NacrtajDijagrame.h"
#include "OgranicenaVelicina.h"
#include "PlatnoDatoteke.h"
#include "PlatnoProzora.h"
#include "PlatnoSlike.h"

namespace {

bool Bela(QRgb p) { return (p & 0xFFFFFF) == 0xFFFFFF; }

// Pixels of the colour inside the rectangle.
int Broj(const QImage& s, QRect r, QColor boja) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (s.pixelColor(x, y) == boja) ++n;
    return n;
}

int NebelihIzvan(const QImage& s, QRect r) {
    int n = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (!r.contains(x, y) && !Bela(s.pixel(x, y))) ++n;
    return n;
}

TEST(PlatnoSlike, DrawsLinesWithThePenAndStartsWhite) {
    TPlatnoSlike p(100, 60, PocetniFontStampe());
    p.Olovka() = {kCrvena, 3};
    p.PomeriNa(10, 20);
    p.LinijaDo(90, 20);
    p.Olovka() = {kPlava, 1};
    p.LinijaDo(90, 50);
    const QImage& s = p.Slika();
    EXPECT_EQ(s.size(), QSize(100, 60));
    EXPECT_EQ(s.pixelColor(50, 19), QColor(255, 0, 0));
    EXPECT_EQ(s.pixelColor(50, 21), QColor(255, 0, 0));
    EXPECT_EQ(s.pixelColor(90, 40), QColor(0, 0, 255));
    EXPECT_TRUE(Bela(s.pixel(50, 30)));
    EXPECT_EQ(NebelihIzvan(s, QRect(QPoint(8, 18), QPoint(92, 51))), 0);
}

// The fill has no outline and leaves the pen and the current point alone.
TEST(PlatnoSlike, FillsAPolygonInItsColourOnly) {
    TPlatnoSlike p(100, 60, PocetniFontStampe());
    p.Olovka() = {kCrvena, 1};
    p.PomeriNa(5, 55);
    p.PopuniPoligon({{10, 10}, {60, 10}, {60, 40}, {10, 40}}, TBoja{255, 224, 178});
    p.LinijaDo(95, 55);
    const QImage& s = p.Slika();
    EXPECT_EQ(Broj(s, QRect(QPoint(12, 12), QPoint(58, 38)), QColor(255, 224, 178)), 47 * 27);
    EXPECT_EQ(s.pixelColor(50, 55), QColor(255, 0, 0));
    EXPECT_TRUE(Bela(s.pixel(70, 25)));
    EXPECT_EQ(NebelihIzvan(s, QRect(QPoint(9, 9), QPoint(61, 41)).united(QRect(4, 54, 93, 3))), 0);
}

// Lines are drawn in runs; a fill after a line still lies over it.
TEST(PlatnoSlike, AFillCoversTheLinesDrawnBeforeIt) {
    TPlatnoSlike p(100, 60, PocetniFontStampe());
    p.Olovka() = {kPlava, 3};
    p.PomeriNa(0, 25);
    p.LinijaDo(100, 25);
    p.PopuniPoligon({{10, 10}, {60, 10}, {60, 40}, {10, 40}}, TBoja{255, 224, 178});
    const QImage& s = p.Slika();
    EXPECT_EQ(Broj(s, QRect(QPoint(12, 12), QPoint(58, 38)), QColor(255, 224, 178)), 47 * 27);
    EXPECT_EQ(s.pixelColor(80, 25), QColor(0, 0, 255));
}

TEST(PlatnoSlike, WritesTextBelowAndRightOfItsPointOnWhite) {
    TPlatnoSlike p(200, 80, PocetniFontStampe());
    p.Olovka() = {kCrna, 30};
    p.PomeriNa(0, 40);
    p.LinijaDo(200, 40);  // a black band the text's background covers
    p.Font().Boja = kCrvena;
    p.Font().PostaviVisinu(14);
    p.Tekst(50, 33, "487.682");
    const QImage& s = p.Slika();
    const QRect celija(50, 33, 100, 14);
    EXPECT_GT(Broj(s, celija, QColor(255, 0, 0)), 20);
    EXPECT_GT(Broj(s, celija, QColor(255, 255, 255)), 100);
    EXPECT_EQ(Broj(s, QRect(0, 0, 200, 33), QColor(255, 0, 0)), 0);
    EXPECT_EQ(Broj(s, QRect(0, 47, 200, 33), QColor(255, 0, 0)), 0);
    EXPECT_EQ(Broj(s, QRect(0, 33, 50, 14), QColor(255, 0, 0)), 0);
}

struct SlucajMere {
    const char* opis;
    int mera;
    bool uPikselima;
    bool podebljan;
    int tacakaPoIncu;
};

void PrintTo(const SlucajMere& s, std::ostream* os) { *os << s.opis; }

class MereQt : public testing::TestWithParam<SlucajMere> {};

// A canvas that draws nothing measures texts as the windows and pictures
// draw them: its advance widths are the typeface's, within the rounding of
// the sum, and its line height is the font's.
TEST_P(MereQt, TheTableMeasuresAsQtDraws) {
    const SlucajMere& s = GetParam();
    TFont font(kTipografija, kCrna, s.podebljan, 8);
    if (s.uPikselima)
        font.PostaviVisinu(s.mera);
    else
        font.PostaviVelicinu(s.mera);
    TPlatnoSlike platno(10, 10, font, s.tacakaPoIncu);
    for (const char* tekst :
         {"extM tacno = 825.000 kNm: P3 na preseku", "P1=206 kN", "-0.350", "+",
          "Narandzasto: sila van raspona koju klasicna vrednost pored nje ipak racuna",
          "Mgov na dijagramu: M = 833.438 kNm (0.00 %) [m] @#~"}) {
        const TVelicinaTeksta qt = platno.VelicinaTeksta(tekst);
        const TVelicinaTeksta tabela = MereTeksta(font, s.tacakaPoIncu, tekst);
        EXPECT_NEAR(qt.sirina, tabela.sirina, 1) << tekst;
        EXPECT_EQ(qt.visina, tabela.visina) << tekst;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Fontovi, MereQt, testing::Values(
    SlucajMere{"the smallest letters", 8, true, false, 96},
    SlucajMere{"the form's", 15, true, false, 96},
    SlucajMere{"the form's bold", 15, true, true, 96},
    SlucajMere{"a large picture's", 29, true, false, 96},
    SlucajMere{"the print font", 12, false, true, 300}
), [](const auto& info) { return std::to_string(info.index); });
// clang-format on

TEST(PlatnoSlike, FillsWithTheWhiteBrushUpToTheCorner) {
    TPlatnoSlike p(40, 40, PocetniFontStampe());
    p.Olovka() = {kCrna, 40};
    p.PomeriNa(0, 20);
    p.LinijaDo(40, 20);
    p.PopuniPozadinu(0, 0, 20, 20);
    const QImage& s = p.Slika();
    EXPECT_TRUE(Bela(s.pixel(19, 19)));
    EXPECT_FALSE(Bela(s.pixel(20, 19)));
    EXPECT_FALSE(Bela(s.pixel(19, 20)));
}

// The screen drawing of the defaults on a picture wider than the window
// whose size it is given: what it writes beyond the window's right edge
// would be cut there. "extM[kNm]" and "extT[kN]" start 90 pixels short of
// that edge, in the canvas's face, bold, 12 points.
TEST(PlatnoSlike, TheScreenCaptionsEndBeforeTheWindowsRightEdge) {
    for (const int sirina : {600, 1000, 1500}) {
        TPlatnoSlike platno(sirina + 100, 600, FontProzoraDijagrama());
        for (int i = 0; i < 2; ++i)
            NacrtajDijagrame(platno, sirina, 600, kZaProgram, {platno, sirina, 600},
                             TUlazDijagrama{});
        const QImage& s = platno.Slika();
        EXPECT_EQ(NebelihIzvan(s, QRect(0, 0, sirina, 600)), 0) << sirina;
        const QRect natpisi(sirina - 90, 0, 90, 600);
        EXPECT_GT(Broj(s, natpisi, QColor(0, 0, 0)), 100) << sirina;
    }
}

TEST(PlatnoProzora, DrawingOutsideThePaintEventWaitsToBeShownAtTheWindowsSize) {
    QWidget prozor;
    prozor.resize(300, 200);
    TPlatnoProzora platno(prozor);
    EXPECT_EQ(platno.VelicinaFonta(), 8);
    EXPECT_FALSE(platno.ImaNeprikazano());
    platno.PopuniPozadinu(0, 0, 300, 200);
    EXPECT_TRUE(platno.ImaNeprikazano());

    QImage ekran(300, 200, QImage::Format_RGB32);
    ekran.fill(Qt::black);
    {
        QPainter p(&ekran);
        platno.Prikazi(p);
    }
    EXPECT_FALSE(platno.ImaNeprikazano());
    EXPECT_TRUE(Bela(ekran.pixel(299, 199)));

    prozor.resize(500, 100);
    platno.Olovka() = {kCrvena, 1};
    platno.PomeriNa(0, 50);
    platno.LinijaDo(499, 50);
    EXPECT_EQ(platno.Slika().size(), QSize(500, 100));
    EXPECT_EQ(platno.Slika().pixelColor(450, 50), QColor(255, 0, 0));
}

TEST(PlatnoDatoteke, WritesTheDrawingAsPngPdfAndSvg) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto crtaj = [](TPlatno& p) {
        p.Olovka() = {kPlava, 4};
        p.PomeriNa(10, 10);
        p.LinijaDo(110, 10);
        p.Tekst(10, 30, "extM[kNm]");
    };
    const std::string png = dir.filePath("d.png").toStdString();
    NacrtajUDatoteku(png, 120, 80, PocetniFontStampe(), crtaj);
    const QImage s(QString::fromStdString(png));
    ASSERT_FALSE(s.isNull());
    EXPECT_EQ(s.size(), QSize(120, 80));
    EXPECT_EQ(s.pixelColor(60, 10), QColor(0, 0, 255));
    EXPECT_TRUE(Bela(s.pixel(60, 70)));

    for (const auto& [ime, pocetak] : {std::pair{"d.pdf", "%PDF"}, std::pair{"d.svg", "<?xml"}}) {
        const QString putanja = dir.filePath(ime);
        NacrtajUDatoteku(putanja.toStdString(), 120, 80, PocetniFontStampe(), crtaj);
        QFile f(putanja);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << ime;
        EXPECT_TRUE(f.readAll().startsWith(pocetak)) << ime;
    }
}

TEST(PlatnoDatoteke, RefusesOtherFormatsAndUnwritablePaths) {
    QTemporaryDir dir;
    bool nacrtano = false;
    const auto crtaj = [&](TPlatno&) { nacrtano = true; };
    EXPECT_THROW(
        NacrtajUDatoteku(dir.filePath("d.bmp").toStdString(), 10, 10, PocetniFontStampe(), crtaj),
        EGreskaFajla);
    EXPECT_FALSE(nacrtano);
    for (const char* ime : {"nema/d.png", "nema/d.pdf", "nema/d.svg"})
        EXPECT_THROW(
            NacrtajUDatoteku(dir.filePath(ime).toStdString(), 10, 10, PocetniFontStampe(), crtaj),
            EGreskaFajla)
            << ime;
}

TEST(PlatnoDatoteke, FormatComesFromTheExtensionInAnyCase) {
    EXPECT_EQ(FormatSlike("a.png"), TFormatSlike::Png);
    EXPECT_EQ(FormatSlike("/x.y/A.PDF"), TFormatSlike::Pdf);
    EXPECT_EQ(FormatSlike("slika-\xe8.Svg"), TFormatSlike::Svg);
    for (const char* ime : {"a.bmp", "png", "a.png/b", "a.png.", "", ".png/x"})
        EXPECT_EQ(FormatSlike(ime), std::nullopt) << ime;
}

// A picture that fails is no picture: the one that was there stays byte
// for byte and nothing else is left beside it.
class NeuspelaSlika : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        QFile f(putanja);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(stara), stara.size());
    }
    void TearDown() override {
        QFile f(putanja);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), stara);
        EXPECT_EQ(
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{GetParam()});
    }
    // The reason the drawing `crtaj` fails with.
    std::string Razlog(const std::function<void(TPlatno&)>& crtaj) const {
        try {
            NacrtajUDatoteku(putanja.toStdString(), 300, 300, PocetniFontStampe(), crtaj);
        } catch (const EGreskaFajla& e) {
            EXPECT_EQ(e.putanja(), putanja.toStdString());
            return e.razlog();
        }
        return "(written)";
    }

    QTemporaryDir dir;
    const QString putanja = dir.filePath(GetParam());
    const QByteArray stara = QByteArray(600, 's');
};

void Crtez(TPlatno& p) {
    for (int y = 0; y < 300; y += 3) {
        p.Olovka() = {TBoja{std::uint8_t(y), 0, std::uint8_t(255 - y)}, 1};
        p.PomeriNa(0, y);
        p.LinijaDo(299, 299 - y);
        p.Tekst(y, y, "extM[kNm]");
    }
}

TEST_P(NeuspelaSlika, ACutPictureLeavesThePreviousOne) {
    const OgranicenaVelicina ogranicenje(1024);
    EXPECT_EQ(Razlog(Crtez), std::strerror(EFBIG));
}

// Memory running out half way through the drawing, with lines still to be
// drawn on the canvas, is told as such.
TEST_P(NeuspelaSlika, MemoryRunningOutLeavesThePreviousOne) {
    EXPECT_EQ(Razlog([](TPlatno& p) {
                  Crtez(p);
                  p.PomeriNa(0, 0);
                  p.LinijaDo(10, 10);
                  throw std::bad_alloc();
              }),
              kNemaMemorije);
}

INSTANTIATE_TEST_SUITE_P(Formati, NeuspelaSlika, testing::Values("d.png", "d.pdf", "d.svg"));

}  // namespace

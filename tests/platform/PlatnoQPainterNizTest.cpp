// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QString>
#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "Font.h"
#include "PlatnoSlike.h"
#include "PlatnoStampaca.h"

// A run of lines drawn through the canvas, which draws it at once, must
// set exactly the pixels that the lines drawn one by one with round ends
// set.

namespace {

constexpr int kStrana = 400;

QImage Bela() {
    QImage s(kStrana, kStrana, QImage::Format_RGB32);
    s.fill(Qt::white);
    return s;
}

// The reference: each line alone, with its round ends.
QImage LinijuPoLiniju(const QPolygon& niz, int sirina) {
    QImage s = Bela();
    QPainter p(&s);
    p.setPen(QPen(Qt::blue, sirina, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (qsizetype i = 1; i < niz.size(); ++i) p.drawLine(niz[i - 1], niz[i]);
    return s;
}

QImage KrozPlatno(const QPolygon& niz, int sirina) {
    TPlatnoSlike platno(kStrana, kStrana, PocetniFontStampe());
    platno.Olovka() = {kPlava, sirina};
    platno.PomeriNa(niz[0].x(), niz[0].y());
    for (qsizetype i = 1; i < niz.size(); ++i) platno.LinijaDo(niz[i].x(), niz[i].y());
    return platno.Slika();
}

// Where the two differ, for the failure message.
QString Razlike(const QImage& a, const QImage& b) {
    QString opis;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y) && n++ < 5)
                opis += QStringLiteral(" (%1, %2)").arg(x).arg(y);
    return QString::number(n) + QStringLiteral(" pixels differ:") + opis;
}

enum class Oblik {
    Kriva,        // a sample per column, small steps: a diagram's curve
    Skokovi,      // a sample per column with flat stretches and jumps
    CikCak,       // any direction, sharp turns
    BlagiZaokret  // long lines turning a little
};

QPolygon Niz(Oblik oblik, unsigned seme) {
    std::mt19937 g(seme);
    const auto ceo = [&](int od, int do_) {
        return std::uniform_int_distribution<int>(od, do_)(g);
    };
    QPolygon niz;
    int x = 20, y = 200;
    double ugao = 0;
    niz << QPoint(x, y);
    for (int i = 0; i < 120; ++i) {
        switch (oblik) {
            case Oblik::Kriva:
                x += 1;
                y += ceo(-3, 3);
                break;
            case Oblik::Skokovi: {
                x += 1;
                const int r = ceo(0, 9);
                y += r < 6 ? 0 : r < 8 ? ceo(-3, 3) : ceo(-150, 150);
                break;
            }
            case Oblik::CikCak:
                x = ceo(20, 380);
                y = ceo(20, 380);
                break;
            case Oblik::BlagiZaokret: {
                ugao += std::uniform_real_distribution<double>(-0.6, 0.6)(g);
                const double duzina = std::uniform_real_distribution<double>(2, 30)(g);
                x = std::clamp(static_cast<int>(std::lround(x + duzina * std::cos(ugao))), 10, 390);
                y += static_cast<int>(std::lround(duzina * std::sin(ugao)));
                break;
            }
        }
        y = std::clamp(y, 10, 390);
        niz << QPoint(x, y);
    }
    return niz;
}

struct TSlucaj {
    Oblik oblik;
    int sirina;
};

std::string ImeSlucaja(const testing::TestParamInfo<TSlucaj>& i) {
    const char* imena[] = {"Kriva", "Skokovi", "CikCak", "BlagiZaokret"};
    return imena[static_cast<int>(i.param.oblik)] + std::to_string(i.param.sirina);
}

class NizLinija : public testing::TestWithParam<TSlucaj> {};

TEST_P(NizLinija, SetsThePixelsOfTheLinesDrawnOneByOne) {
    for (unsigned seme = 1; seme <= 25; ++seme) {
        const QPolygon niz = Niz(GetParam().oblik, seme);
        const QImage ocekivano = LinijuPoLiniju(niz, GetParam().sirina);
        const QImage nacrtano = KrozPlatno(niz, GetParam().sirina);
        ASSERT_EQ(nacrtano, ocekivano)
            << "seed " << seme << ": " << Razlike(nacrtano, ocekivano).toStdString();
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Oblici, NizLinija, testing::Values(
    TSlucaj{Oblik::Kriva, 1},        TSlucaj{Oblik::Kriva, 2},
    TSlucaj{Oblik::Kriva, 4},        TSlucaj{Oblik::Kriva, 7},
    TSlucaj{Oblik::Skokovi, 1},      TSlucaj{Oblik::Skokovi, 2},
    TSlucaj{Oblik::Skokovi, 6},
    TSlucaj{Oblik::CikCak, 1},       TSlucaj{Oblik::CikCak, 2},
    TSlucaj{Oblik::CikCak, 3},       TSlucaj{Oblik::CikCak, 8},
    TSlucaj{Oblik::BlagiZaokret, 2}, TSlucaj{Oblik::BlagiZaokret, 5},
    TSlucaj{Oblik::BlagiZaokret, 12}),
    ImeSlucaja);
// clang-format on

struct TPosebanSlucaj {
    const char* ime;
    std::vector<QPoint> tacke;
    int sirina;
};

class NizLinijaPoseban : public testing::TestWithParam<TPosebanSlucaj> {};

TEST_P(NizLinijaPoseban, SetsThePixelsOfTheLinesDrawnOneByOne) {
    const QPolygon niz(QList<QPoint>(GetParam().tacke.begin(), GetParam().tacke.end()));
    const QImage ocekivano = LinijuPoLiniju(niz, GetParam().sirina);
    const QImage nacrtano = KrozPlatno(niz, GetParam().sirina);
    EXPECT_EQ(nacrtano, ocekivano) << Razlike(nacrtano, ocekivano).toStdString();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, NizLinijaPoseban, testing::Values(
    // A curve starts with a line of no length from its first point.
    TPosebanSlucaj{"ZeroLengthFirst", {{50, 100}, {50, 100}, {51, 102}, {52, 103}}, 2},
    // Lines of no length inside the run leave a dot's round ends.
    TPosebanSlucaj{"ZeroLengthInside", {{50, 100}, {60, 100}, {60, 100}, {60, 140}}, 6},
    TPosebanSlucaj{"OnlyADot", {{50, 100}, {50, 100}}, 8},
    TPosebanSlucaj{"StraightOn", {{10, 10}, {110, 60}, {210, 110}, {310, 160}}, 4},
    TPosebanSlucaj{"TurnsBack", {{10, 100}, {300, 100}, {20, 100}}, 6},
    TPosebanSlucaj{"RightAngle", {{100, 300}, {100, 100}, {300, 100}}, 8},
    // Partly and wholly outside the picture, far beyond it too.
    TPosebanSlucaj{"LeavesAndComesBack", {{200, 200}, {900, 200}, {900, -500}, {200, 100},
                                          {-700, 390}, {100, 390}}, 4},
    TPosebanSlucaj{"FarAway", {{-2000000000, 5}, {2000000000, 395}, {2000000000, -2000000000},
                               {200, 200}, {201, 203}}, 2},
    TPosebanSlucaj{"ThinFarAway", {{-2000000000, 5}, {2000000000, 395}, {200, 200}}, 1}),
    [](const testing::TestParamInfo<TPosebanSlucaj>& i) { return std::string(i.param.ime); });
// clang-format on

// The pen, a move elsewhere, a text and a fill each end the run: what came
// before is drawn first, with its own pen.
TEST(NizLinija, EndsBeforeAnythingElseIsDrawn) {
    TPlatnoSlike platno(100, 100, PocetniFontStampe());
    platno.Olovka() = {kCrvena, 2};
    platno.PomeriNa(10, 10);
    platno.LinijaDo(90, 10);
    platno.Olovka() = {kPlava, 2};
    platno.LinijaDo(90, 50);
    platno.PomeriNa(10, 50);  // a move elsewhere
    platno.LinijaDo(10, 90);
    platno.PopuniPozadinu(0, 70, 100, 100);  // covers the end of the last line
    platno.Olovka() = {kCrna, 30};
    platno.PomeriNa(50, 85);
    platno.LinijaDo(60, 85);
    platno.Tekst(40, 80, "1");  // on white, over the black one
    const QImage& s = platno.Slika();
    EXPECT_EQ(s.pixelColor(50, 10), QColor(255, 0, 0));
    EXPECT_EQ(s.pixelColor(90, 30), QColor(0, 0, 255));
    EXPECT_EQ(s.pixelColor(10, 60), QColor(0, 0, 255));
    EXPECT_EQ(s.pixelColor(10, 75), QColor(255, 255, 255));
    EXPECT_EQ(s.pixelColor(10, 30), QColor(255, 255, 255));
    EXPECT_EQ(s.pixelColor(40, 81), QColor(255, 255, 255));
    EXPECT_EQ(s.pixelColor(64, 85), QColor(0, 0, 0));
}

// On a painter begun by someone else the last run is drawn when the
// canvas ends, before the painter does.
TEST(NizLinija, IsDrawnOnAPageWhenTheCanvasEnds) {
    QImage strana(100, 100, QImage::Format_RGB32);
    strana.fill(Qt::white);
    {
        QPainter slikar(&strana);
        TPlatnoStampaca platno(slikar, PocetniFontStampe());
        platno.Olovka() = {kPlava, 4};
        platno.PomeriNa(10, 50);
        platno.LinijaDo(50, 50);
        platno.LinijaDo(90, 51);
    }
    EXPECT_EQ(strana.pixelColor(30, 50), QColor(0, 0, 255));
    EXPECT_EQ(strana.pixelColor(80, 51), QColor(0, 0, 255));
}

}  // namespace

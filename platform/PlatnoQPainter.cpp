// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatnoQPainter.h"

#include <QFontMetrics>
#include <QPen>
#include <QPolygon>
#include <algorithm>
#include <utility>

namespace {

QColor Boja(TBoja b) { return QColor(b.R, b.G, b.B); }

}  // namespace

TPlatnoQPainter::TPlatnoQPainter(int tacakaPoIncu, TFont font)
    : TPlatno(tacakaPoIncu, std::move(font)) {}

void TPlatnoQPainter::NoviSlikar() {
    fPrimenjenaOlovka.reset();
    fPrimenjenFont.reset();
}

void TPlatnoQPainter::PopuniPozadinu(int levo, int gore, int desno, int dole) {
    Slikar().fillRect(QRect(QPoint(levo, gore), QPoint(desno - 1, dole - 1)), Qt::white);
}

void TPlatnoQPainter::PomeriNa(int x, int y) { fTacka = QPoint(x, y); }

void TPlatnoQPainter::PrimeniOlovku(QPainter& p) {
    if (fPrimenjenaOlovka == Olovka()) return;
    p.setPen(
        QPen(Boja(Olovka().Boja), Olovka().Sirina, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    fPrimenjenaOlovka = Olovka();
}

void TPlatnoQPainter::LinijaDo(int x, int y) {
    QPainter& p = Slikar();
    PrimeniOlovku(p);
    const QPoint do_(x, y);
    p.drawLine(fTacka, do_);
    fTacka = do_;
}

// A height in pixels is a cell height, ascent and descent together, where
// Qt's pixel size is the em: the largest pixel size whose line fits is used.
QFont TPlatnoQPainter::QtFont(const QPainter& p) const {
    QFont f(QString::fromStdString(Font().Ime));
    f.setStyleHint(QFont::SansSerif);
    f.setBold(Font().Podebljan);
    if (!Font().VisinaUPikselima()) {
        f.setPointSize(std::max(1, Font().Mera()));
        return f;
    }
    const int visina = std::max(1, std::abs(Font().Mera()));
    f.setPixelSize(visina);
    const int red = QFontMetrics(f, p.device()).height();
    if (red > visina) f.setPixelSize(std::max(1, visina * visina / red));
    return f;
}

void TPlatnoQPainter::Tekst(int x, int y, const std::string& tekst) {
    QPainter& p = Slikar();
    if (fPrimenjenFont != Font()) {
        fQtFont = QtFont(p);
        fPrimenjenFont = Font();
    }
    p.setFont(fQtFont);
    p.setPen(Boja(Font().Boja));
    fPrimenjenaOlovka.reset();
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(Qt::white);
    const QFontMetrics m(fQtFont, p.device());
    p.drawText(QPoint(x, y + m.ascent()), QString::fromStdString(tekst));
}

void TPlatnoQPainter::PopuniPoligon(const std::vector<TTacka>& temena, TBoja boja) {
    QPainter& p = Slikar();
    QPolygon poligon;
    poligon.reserve(static_cast<qsizetype>(temena.size()));
    for (const TTacka t : temena) poligon << QPoint(t.x, t.y);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Boja(boja));
    p.drawPolygon(poligon);
    p.restore();
}

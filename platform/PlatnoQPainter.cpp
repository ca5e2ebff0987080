// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatnoQPainter.h"

#include <QFontMetrics>
#include <QPen>
#include <QPolygon>
#include <algorithm>
#include <tuple>
#include <utility>

#include "PlatnoQPainterNiz.h"

namespace {

QColor Boja(TBoja b) { return QColor(b.R, b.G, b.B); }

}  // namespace

TPlatnoQPainter::TPlatnoQPainter(int tacakaPoIncu, TFont font)
    : TPlatno(tacakaPoIncu, std::move(font)) {}

void TPlatnoQPainter::NoviSlikar() {
    fPrimenjenFont.reset();
    fMere.reset();
    fSirine.clear();
}

void TPlatnoQPainter::PopuniPozadinu(int levo, int gore, int desno, int dole) {
    Isprazni();
    Slikar().fillRect(QRect(QPoint(levo, gore), QPoint(desno - 1, dole - 1)), Qt::white);
}

// A move to the current point leaves the run as it is.
void TPlatnoQPainter::PomeriNa(int x, int y) {
    const QPoint tacka(x, y);
    if (tacka != fTacka) Isprazni();
    fTacka = tacka;
}

// The pen is the canvas's state, set between lines without the canvas
// knowing: a line with another pen than the run's ends the run.
void TPlatnoQPainter::LinijaDo(int x, int y) {
    if (!fNiz.isEmpty() && fOlovkaNiza != Olovka()) Isprazni();
    if (fNiz.isEmpty()) {
        // Asked for now, so that a window learns at once that it has
        // something new to show.
        Slikar();
        fOlovkaNiza = Olovka();
        fNiz.append(fTacka);
    }
    fTacka = QPoint(x, y);
    fNiz.append(fTacka);
}

void TPlatnoQPainter::Isprazni() {
    if (fNiz.isEmpty()) return;
    NacrtajNiz(Slikar(), fNiz, fOlovkaNiza);
    fNiz.clear();
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

// The colour is the pen's: a font of another colour is the same Qt font.
const QFont& TPlatnoQPainter::PrimenjenFont(const QPainter& p) {
    const auto oblik = [](const TFont& f) {
        return std::tuple(f.Ime, f.Podebljan, f.VisinaUPikselima(), f.Mera());
    };
    if (!fPrimenjenFont || oblik(*fPrimenjenFont) != oblik(Font())) {
        fQtFont = QtFont(p);
        fMere.emplace(fQtFont, p.device());
        fPrimenjenFont = Font();
    }
    return fQtFont;
}

// A picture laid out anew measures the same texts again and again, in its
// few fonts by turns: the widths are kept by font and text, as many as a
// few pictures need.
TVelicinaTeksta TPlatnoQPainter::VelicinaTeksta(const std::string& tekst) {
    PrimenjenFont(Slikar());
    constexpr std::size_t kNajviseSirina = 4096;
    if (fSirine.size() > kNajviseSirina) fSirine.clear();
    std::string kljuc = Font().Ime;
    kljuc += '\0';
    kljuc += Font().Podebljan ? 'b' : 'n';
    kljuc += Font().VisinaUPikselima() ? 'p' : 't';
    kljuc += std::to_string(Font().Mera());
    kljuc += '\0';
    kljuc += tekst;
    auto [mesto, novo] = fSirine.try_emplace(std::move(kljuc), 0);
    if (novo) mesto->second = fMere->horizontalAdvance(QString::fromStdString(tekst));
    return {mesto->second, fMere->height()};
}

void TPlatnoQPainter::Tekst(int x, int y, const std::string& tekst) {
    Isprazni();
    QPainter& p = Slikar();
    p.setFont(PrimenjenFont(p));
    p.setPen(Boja(Font().Boja));
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(Qt::white);
    p.drawText(QPoint(x, y + fMere->ascent()), QString::fromStdString(tekst));
}

void TPlatnoQPainter::PopuniPoligon(const std::vector<TTacka>& temena, TBoja boja) {
    Isprazni();
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatnoQPainterNiz.h"

#include <QPaintEngine>
#include <QPen>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// How far a pixel centre may be from an edge of the outline and still be
// taken as on it: a cut made in doubt only costs a polyline more.
constexpr double kSumnja = 0.05;

// Beyond this, products of coordinate differences leave 64 bits; such
// lines are cut apart at every vertex, their round ends kept.
constexpr std::int64_t kNajvecaRazlika = std::int64_t{1} << 30;

QColor Boja(TBoja b) { return QColor(b.R, b.G, b.B); }

// Pixel centres, relative to an integer vertex, within the pen's half
// width (and the doubt) of it: the ones a round join could cover.
class TOkolinaTemena {
public:
    explicit TOkolinaTemena(double r) : fR(r) {
        const int R = static_cast<int>(std::ceil(r + kSumnja));
        for (int j = -R - 1; j <= R; ++j)
            for (int i = -R - 1; i <= R; ++i) {
                const double x = i + 0.5, y = j + 0.5, d = std::sqrt(x * x + y * y);
                if (d > r + kSumnja) continue;
                fCentri.push_back({x, y});
                if (d > fNajdalji) fNajdalji = d;
            }
    }

    // True when the round join at v (from a, on to b) covers a pixel centre
    // that the bevel leaves out. Beyond the two lines' rectangles a round
    // join adds the disk's outer wedge; the bevel fills that wedge up to
    // the chord between the two outer corners, so only the circular
    // segment beyond the chord can differ. Any point of the disk outside
    // the wedge lies in one of the rectangles or, behind a short line, in
    // the previous vertex's disk, which is looked at there.
    bool OkrugloDodaje(QPoint a, QPoint v, QPoint b) const {
        const double ux = double(v.x()) - a.x(), uy = double(v.y()) - a.y();
        const double wx = double(b.x()) - v.x(), wy = double(b.y()) - v.y();
        const double lu = std::sqrt(ux * ux + uy * uy), lw = std::sqrt(wx * wx + wy * wy);
        // The outer normals: on the side away from the turn.
        const double strana = ux * wy - uy * wx > 0 ? -1 : 1;
        const double nx = strana * (-uy / lu - wy / lw), ny = strana * (ux / lu + wx / lw);
        const double ln = std::sqrt(nx * nx + ny * ny);
        // The chord's distance from the vertex, r cos(turn / 2).
        const double tetiva = fR * ln / 2;
        if (tetiva - kSumnja >= fNajdalji) return false;
        if (ln < 1e-9) return true;  // the line turns back on itself
        for (const QPointF& c : fCentri) {
            if ((c.x() * ux + c.y() * uy) / lu <= -kSumnja) continue;
            if ((c.x() * wx + c.y() * wy) / lw >= kSumnja) continue;
            if ((c.x() * nx + c.y() * ny) / ln > tetiva - kSumnja) return true;
        }
        return false;
    }

private:
    double fR;
    double fNajdalji = 0;
    std::vector<QPointF> fCentri;
};

std::int64_t Razlika(int a, int b) { return std::int64_t{b} - a; }

bool Blizu(QPoint a, QPoint b) {
    return std::llabs(Razlika(a.x(), b.x())) < kNajvecaRazlika &&
           std::llabs(Razlika(a.y(), b.y())) < kNajvecaRazlika;
}

// v continues the line from a on to b in the same direction.
bool Produzava(QPoint a, QPoint v, QPoint b) {
    const std::int64_t ux = Razlika(a.x(), v.x()), uy = Razlika(a.y(), v.y());
    const std::int64_t wx = Razlika(v.x(), b.x()), wy = Razlika(v.y(), b.y());
    return ux * wy == uy * wx && ux * wx + uy * wy > 0;
}

// The line a-b, as wide as the pen, touches the image.
bool Vidljiva(QPoint a, QPoint b, const QRect& slika, int rub) {
    const int x0 = std::min(a.x(), b.x()), x1 = std::max(a.x(), b.x());
    const int y0 = std::min(a.y(), b.y()), y1 = std::max(a.y(), b.y());
    return std::int64_t{x1} + rub >= slika.left() && std::int64_t{x0} - rub <= slika.right() &&
           std::int64_t{y1} + rub >= slika.top() && std::int64_t{y0} - rub <= slika.bottom();
}

// The image's rectangle in the painter's coordinates; none where that is
// not plainly known, and then everything is drawn.
QRect Slika(const QPainter& p) {
    const QPaintDevice* d = p.device();
    const QPaintEngine* e = p.paintEngine();
    if (!d || !e || e->type() != QPaintEngine::Raster || !p.combinedTransform().isIdentity())
        return {};
    return QRect(0, 0, d->width(), d->height());
}

void Tanke(QPainter& p, const QPolygon& niz, const QRect& slika) {
    QVarLengthArray<QLine, 256> linije;
    for (qsizetype i = 1; i < niz.size(); ++i)
        if (slika.isNull() || Vidljiva(niz[i - 1], niz[i], slika, 2))
            linije.append(QLine(niz[i - 1], niz[i]));
    p.drawLines(linije.constData(), static_cast<int>(linije.size()));
}

// The run as polylines with bevel joins, cut where a round join is needed
// and where lines leave the image.
void SaKosinama(QPainter& p, const QPolygon& niz, int sirina, const QRect& slika) {
    const TOkolinaTemena okolina(sirina / 2.0);
    const int rub = sirina / 2 + 2;
    QPolygon deo;
    // A line of no length drawn alone: its round ends make a dot.
    bool tacka = false;
    const auto nacrtaj = [&] {
        if (deo.size() >= 2)
            p.drawPolyline(deo);
        else if (tacka)
            p.drawLine(deo[0], deo[0]);
        tacka = false;
    };
    deo.append(niz[0]);
    for (qsizetype i = 1; i < niz.size(); ++i) {
        const QPoint t = niz[i];
        const QPoint v = deo.back();
        if (!slika.isNull() && !Vidljiva(v, t, slika, rub)) {
            nacrtaj();
            deo = {t};
            continue;
        }
        if (t == v) {
            // Its round ends stand at v: the piece ends there.
            if (deo.size() >= 2) {
                nacrtaj();
                deo = {t};
            } else {
                tacka = true;
            }
            continue;
        }
        if (deo.size() >= 2) {
            const QPoint a = deo[deo.size() - 2];
            const bool blizu = Blizu(a, v) && Blizu(v, t);
            if (blizu && Produzava(a, v, t)) {
                deo.back() = t;
                continue;
            }
            if (!blizu || okolina.OkrugloDodaje(a, v, t)) {
                nacrtaj();
                deo = {v};
            }
        }
        deo.append(t);
    }
    nacrtaj();
}

}  // namespace

void NacrtajNiz(QPainter& p, const QPolygon& niz, const TOlovka& olovka) {
    if (niz.isEmpty()) return;
    const QRect slika = Slika(p);
    if (olovka.Sirina <= 1) {
        p.setPen(
            QPen(Boja(olovka.Boja), olovka.Sirina, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        Tanke(p, niz, slika);
        return;
    }
    if (slika.isNull()) {
        p.setPen(
            QPen(Boja(olovka.Boja), olovka.Sirina, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (niz.size() == 2)
            p.drawLine(niz[0], niz[1]);
        else
            p.drawPolyline(niz);
        return;
    }
    p.setPen(QPen(Boja(olovka.Boja), olovka.Sirina, Qt::SolidLine, Qt::RoundCap, Qt::BevelJoin));
    SaKosinama(p, niz, olovka.Sirina, slika);
}

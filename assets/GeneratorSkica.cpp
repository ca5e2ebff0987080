// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the six beam sketches and writes them as Skica1.jpg .. Skica6.jpg
// into the folder given as the only argument. Run by hand when the
// drawing changes; the build embeds the committed JPEG files.
#include <jpeglib.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kSirina = 2868;
constexpr int kLevaOsa = 250;    // axis of the pinned support
constexpr int kDesnaOsa = 2618;  // axis of the roller
constexpr int kGredaVrh = 430;
constexpr int kGredaDno = 510;
constexpr int kDebljina = 8;

QFont Natpis(int piksela) {
    QFont f;
    f.setFamilies({QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("DejaVu Sans")});
    f.setPixelSize(piksela);
    f.setBold(true);
    return f;
}

void Vrh(QPainter& p, QPointF vrh, QPointF smer) {
    const QPointF n(-smer.y(), smer.x());
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF{vrh, vrh - smer * 46 + n * 16, vrh - smer * 46 - n * 16});
}

// A dimension line with arrowheads between a and b, its label centred above it.
void Kota(QPainter& p, double xa, double xb, double y, const QString& oznaka, bool natpisIspod) {
    p.drawLine(QPointF(xa, y), QPointF(xb, y));
    Vrh(p, QPointF(xa, y), QPointF(-1, 0));
    Vrh(p, QPointF(xb, y), QPointF(1, 0));
    p.setFont(Natpis(84));
    const QRectF okvir(xa, natpisIspod ? y + 14 : y - 110, xb - xa, 96);
    p.drawText(okvir, Qt::AlignHCenter | (natpisIspod ? Qt::AlignTop : Qt::AlignBottom), oznaka);
}

void Srafura(QPainter& p, double x0, double x1, double y) {
    p.drawLine(QPointF(x0, y), QPointF(x1, y));
    for (double x = x0 + 10; x <= x1; x += 30) p.drawLine(QPointF(x, y), QPointF(x - 30, y + 34));
}

void Greda(QPainter& p) {
    const QRectF greda(120, kGredaVrh, kSirina - 240, kGredaDno - kGredaVrh);
    QLinearGradient senka(greda.topLeft(), greda.bottomLeft());
    senka.setColorAt(0, QColor(235, 235, 235));
    senka.setColorAt(1, QColor(150, 150, 150));
    p.setBrush(senka);
    p.drawRect(greda);
}

void Oslonci(QPainter& p) {
    p.setBrush(Qt::white);
    // Pinned support: a triangle on hatched ground.
    p.drawPolygon(QPolygonF{QPointF(kLevaOsa, kGredaDno), QPointF(kLevaOsa - 75, 640),
                            QPointF(kLevaOsa + 75, 640)});
    p.drawEllipse(QPointF(kLevaOsa, kGredaDno + 14), 12, 12);
    Srafura(p, kLevaOsa - 120, kLevaOsa + 120, 640);
    // Roller: a triangle over a double line.
    p.drawPolygon(QPolygonF{QPointF(kDesnaOsa, kGredaDno), QPointF(kDesnaOsa - 75, 620),
                            QPointF(kDesnaOsa + 75, 620)});
    p.drawEllipse(QPointF(kDesnaOsa, kGredaDno + 14), 12, 12);
    p.drawLine(QPointF(kDesnaOsa - 120, 620), QPointF(kDesnaOsa + 120, 620));
    Srafura(p, kDesnaOsa - 120, kDesnaOsa + 120, 650);
}

void Sile(QPainter& p, int n) {
    constexpr double kPrva = kLevaOsa + 230;
    constexpr double kPoslednja = 2280;
    const double korak = n > 1 ? (kPoslednja - kPrva) / (n - 1) : 0;
    for (int i = 0; i < n; ++i) {
        const double x = kPrva + i * korak;
        p.drawLine(QPointF(x, 150), QPointF(x, kGredaVrh - 40));
        Vrh(p, QPointF(x, kGredaVrh - 4), QPointF(0, 1));
        p.setFont(Natpis(92));
        p.drawText(QRectF(x - 200, 30, 400, 110), Qt::AlignHCenter | Qt::AlignBottom,
                   QStringLiteral("P%1").arg(i + 1));
        if (i + 1 < n)
            Kota(p, x + kDebljina, x + korak - kDebljina, 300, QStringLiteral("L%1").arg(i + 1),
                 false);
    }
}

void Raspon(QPainter& p, int y) {
    p.drawLine(QPointF(kLevaOsa, 700), QPointF(kLevaOsa, y + 40));
    p.drawLine(QPointF(kDesnaOsa, 700), QPointF(kDesnaOsa, y + 40));
    Kota(p, kLevaOsa + kDebljina / 2.0, kDesnaOsa - kDebljina / 2.0, y, QStringLiteral("L"), true);
}

QImage Skica(int n) {
    QImage slika(kSirina, n == 1 ? 978 : 980, QImage::Format_RGB32);
    slika.fill(Qt::white);
    QPainter p(&slika);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, kDebljina, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    Greda(p);
    Oslonci(p);
    p.setBrush(Qt::NoBrush);
    Sile(p, n);
    Raspon(p, 790);
    return slika;
}

bool SnimiJpeg(const QImage& slika, const QString& putanja) {
    const QImage rgb = slika.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info{};
    jpeg_error_mgr greska{};
    info.err = jpeg_std_error(&greska);
    jpeg_create_compress(&info);
    unsigned char* izlaz = nullptr;
    unsigned long velicina = 0;
    jpeg_mem_dest(&info, &izlaz, &velicina);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 85, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* red = const_cast<JSAMPROW>(rgb.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &red, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QFile f(putanja);
    const bool uspeh =
        f.open(QIODevice::WriteOnly) &&
        f.write(reinterpret_cast<const char*>(izlaz), qint64(velicina)) == qint64(velicina);
    std::free(izlaz);
    return uspeh;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("upotreba: lastovar-skice <folder>\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (int n = 1; n <= 6; ++n) {
        const QString putanja = folder.filePath(QStringLiteral("Skica%1.jpg").arg(n));
        if (!SnimiJpeg(Skica(n), putanja)) {
            std::fprintf(stderr, "%s ne moze da se snimi\n", qPrintable(putanja));
            return 1;
        }
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "SkicaNaEkranu.h"

#include <QImage>
#include <cmath>

#include "JpegSlika.h"
#include "SkiceGrede.h"

QPixmap SkicaNaEkranu(int brojSila, qreal odnosPiksela) {
    const QSize uredjaja(int(std::lround(kVelicinaSkice.width() * odnosPiksela)),
                         int(std::lround(kVelicinaSkice.height() * odnosPiksela)));
    QPixmap skica =
        QPixmap::fromImage(DekodirajJpeg(SkicaGrede(brojSila), uredjaja.width())
                               .scaled(uredjaja, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    skica.setDevicePixelRatio(odnosPiksela);
    return skica;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "TekstLinija.h"

QByteArray SpojiLinije(const QStringList& linije) {
    QByteArray bajtovi;
    for (const QString& linija : linije) {
        bajtovi += linija.toLatin1();
        bajtovi += "\r\n";
    }
    return bajtovi;
}

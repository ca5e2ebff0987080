// SPDX-License-Identifier: GPL-3.0-or-later
#include "TekstLinija.h"

QStringList RazdeliLinije(const QByteArray& bajtovi) {
    QStringList linije;
    qsizetype pocetak = 0;
    while (pocetak < bajtovi.size()) {
        qsizetype kraj = bajtovi.indexOf('\n', pocetak);
        const bool imaPrelom = kraj >= 0;
        if (!imaPrelom) kraj = bajtovi.size();
        qsizetype duzina = kraj - pocetak;
        if (imaPrelom && duzina > 0 && bajtovi[kraj - 1] == '\r') --duzina;
        linije << QString::fromLatin1(bajtovi.constData() + pocetak, duzina);
        pocetak = kraj + 1;
    }
    return linije;
}

QByteArray SpojiLinije(const QStringList& linije) {
    QByteArray bajtovi;
    for (const QString& linija : linije) {
        bajtovi += linija.toLatin1();
        bajtovi += "\r\n";
    }
    return bajtovi;
}

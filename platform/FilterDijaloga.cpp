// SPDX-License-Identifier: GPL-3.0-or-later
#include "FilterDijaloga.h"

QStringList FilteriDijaloga(const QString& filter) {
    const QStringList delovi = filter.split(u'|');
    QStringList filteri;
    for (qsizetype i = 0; i + 1 < delovi.size(); i += 2)
        filteri << delovi[i] + QStringLiteral(" (") + delovi[i + 1] + u')';
    return filteri;
}

QString EkstenzijaFiltera(const QString& filter, int n) {
    const QStringList delovi = filter.split(u'|');
    const qsizetype i = 2 * qsizetype(n) + 1;
    if (n < 0 || i >= delovi.size()) return {};
    const QString uzorak = delovi[i].section(u';', 0, 0).trimmed();
    if (!uzorak.startsWith(QStringLiteral("*."))) return {};
    const QString ekstenzija = uzorak.mid(2);
    if (ekstenzija.contains(u'*') || ekstenzija.contains(u'?')) return {};
    return ekstenzija;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "FilterDijaloga.h"

namespace {

// "*.a;*.b" as the file dialog's "*.a *.b".
QString Uzorci(const QString& uzorak) {
    QStringList delovi = uzorak.split(u';', Qt::SkipEmptyParts);
    for (QString& d : delovi) d = d.trimmed();
    delovi.removeAll(QString());
    return delovi.join(u' ');
}

}  // namespace

QStringList FilteriDijaloga(const QString& filter) {
    const QStringList delovi = filter.split(u'|');
    QStringList filteri;
    for (qsizetype i = 0; i + 1 < delovi.size(); i += 2) {
        const QString& opis = delovi[i];
        const QString uzorci = Uzorci(delovi[i + 1]);
        // The dialog reads the patterns from the description's last
        // parentheses: one that already shows them is taken as it stands.
        const QString prikazani = QStringLiteral("(") + uzorci + u')';
        if (opis.endsWith(prikazani))
            filteri << opis;
        else
            filteri << opis + u' ' + prikazani;
    }
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

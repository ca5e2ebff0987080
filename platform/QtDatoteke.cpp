// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtDatoteke.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "GreskaFajla.h"
#include "TekstLinija.h"

namespace {

std::string Poruka(const QString& uvod, const QString& putanja, const QString& razlog) {
    return (uvod + QStringLiteral(" \"") + QDir::toNativeSeparators(putanja) +
            QStringLiteral("\": ") + razlog)
        .toStdString();
}

}  // namespace

QStringList TQtDatoteke::CitajLinije(const QString& putanja) {
    return RazdeliLinije(CitajBajtove(putanja));
}

QByteArray TQtDatoteke::CitajBajtove(const QString& putanja) {
    QFile f(putanja);
    if (!f.open(QIODevice::ReadOnly))
        throw EGreskaFajla(EGreskaFajla::Vrsta::Otvaranje,
                           Poruka("Datoteka ne moze da se otvori", putanja, f.errorString()));
    const QByteArray bajtovi = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw EGreskaFajla(EGreskaFajla::Vrsta::Citanje,
                           Poruka("Greska pri citanju datoteke", putanja, f.errorString()));
    return bajtovi;
}

void TQtDatoteke::UpisiLinije(const QString& putanja, const QStringList& linije) {
    UpisiBajtove(putanja, SpojiLinije(linije));
}

void TQtDatoteke::UpisiBajtove(const QString& putanja, const QByteArray& bajtovi) {
    QSaveFile f(putanja);
    // Unbuffered: a buffered QSaveFile reports a short final flush (a full
    // disk) as success and commits the cut file over the old one.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw EGreskaFajla(EGreskaFajla::Vrsta::Otvaranje,
                           Poruka("Datoteka ne moze da se napravi", putanja, f.errorString()));
    // A short write stops where the disk filled or a size limit cut it;
    // writing on from there meets the error, so the message gives the
    // system's reason.
    for (qint64 upisano = 0; upisano < bajtovi.size();) {
        const qint64 sada = f.write(bajtovi.constData() + upisano, bajtovi.size() - upisano);
        if (sada <= 0)
            throw EGreskaFajla(EGreskaFajla::Vrsta::Pisanje,
                               Poruka("Greska pri upisu u datoteku", putanja, f.errorString()));
        upisano += sada;
    }
    if (!f.commit())
        throw EGreskaFajla(EGreskaFajla::Vrsta::Pisanje,
                           Poruka("Greska pri upisu u datoteku", putanja, f.errorString()));
}

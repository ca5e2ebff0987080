#include "QtDatoteke.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "GreskaDatoteke.h"
#include "TekstLinija.h"

namespace {

std::string Poruka(const QString& uvod, const QString& putanja, const QString& razlog) {
    return (uvod + QStringLiteral(" \"") + QDir::toNativeSeparators(putanja) +
            QStringLiteral("\": ") + razlog)
        .toStdString();
}

}  // namespace

QStringList TQtDatoteke::CitajLinije(const QString& putanja) {
    QFile f(putanja);
    if (!f.open(QIODevice::ReadOnly))
        throw EGreskaDatoteke(EGreskaDatoteke::Vrsta::Otvaranje,
                              Poruka("Datoteka ne moze da se otvori", putanja, f.errorString()));
    const QByteArray bajtovi = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw EGreskaDatoteke(EGreskaDatoteke::Vrsta::Citanje,
                              Poruka("Greska pri citanju datoteke", putanja, f.errorString()));
    return RazdeliLinije(bajtovi);
}

void TQtDatoteke::UpisiLinije(const QString& putanja, const QStringList& linije) {
    UpisiBajtove(putanja, SpojiLinije(linije));
}

void TQtDatoteke::UpisiBajtove(const QString& putanja, const QByteArray& bajtovi) {
    QSaveFile f(putanja);
    // Unbuffered: a buffered QSaveFile reports a short final flush (a full
    // disk) as success and commits the cut file over the old one.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw EGreskaDatoteke(EGreskaDatoteke::Vrsta::Otvaranje,
                              Poruka("Datoteka ne moze da se napravi", putanja, f.errorString()));
    const qint64 upisano = f.write(bajtovi);
    if (upisano != bajtovi.size()) {
        const QString razlog = upisano < 0 ? f.errorString()
                                           : QStringLiteral("upisano je %1 od %2 bajtova")
                                                 .arg(upisano)
                                                 .arg(bajtovi.size());
        throw EGreskaDatoteke(EGreskaDatoteke::Vrsta::Pisanje,
                              Poruka("Greska pri upisu u datoteku", putanja, razlog));
    }
    if (!f.commit())
        throw EGreskaDatoteke(EGreskaDatoteke::Vrsta::Pisanje,
                              Poruka("Greska pri upisu u datoteku", putanja, f.errorString()));
}

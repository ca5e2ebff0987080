// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtDatoteke.h"

#include <QFile>

#include "DodatakDatoteke.h"
#include "OgranicenoCitanje.h"
#include "SigurnoSnimanje.h"
#include "TekstLinija.h"

QByteArray TQtDatoteke::CitajBajtove(const QString& putanja) {
    return QByteArray::fromStdString(ProcitajPocetak(QFile::encodeName(putanja).toStdString(),
                                                     kBrojLinijaDatoteke, kNajviseBajtovaDatoteke,
                                                     {kOznakaDodatka, kLinijaDodatka}));
}

void TQtDatoteke::UpisiLinije(const QString& putanja, const QStringList& linije) {
    UpisiBajtove(putanja, SpojiLinije(linije));
}

void TQtDatoteke::UpisiBajtove(const QString& putanja, const QByteArray& bajtovi) {
    SigurnoSnimi(QFile::encodeName(putanja).toStdString(),
                 std::string_view(bajtovi.constData(), static_cast<std::size_t>(bajtovi.size())));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "SkriptovaneDatoteke.h"

#include <new>

#include "TekstLinija.h"

void TSkriptovaneDatoteke::MozdaGreska(const QString& putanja) const {
    const auto g = Greske.find(putanja);
    if (g != Greske.end())
        throw EGreskaFajla(g->second, "scripted failure: " + putanja.toStdString());
}

QByteArray TSkriptovaneDatoteke::CitajBajtove(const QString& putanja) {
    MozdaGreska(putanja);
    const auto s = Sadrzaj.find(putanja);
    if (s == Sadrzaj.end())
        throw EGreskaFajla(EGreskaFajla::Vrsta::Otvaranje, "Datoteka ne moze da se otvori",
                           putanja.toStdString(), "No such file or directory");
    return s->second;
}

void TSkriptovaneDatoteke::UpisiLinije(const QString& putanja, const QStringList& linije) {
    UpisiBajtove(putanja, SpojiLinije(linije));
}

void TSkriptovaneDatoteke::UpisiBajtove(const QString& putanja, const QByteArray& bajtovi) {
    MozdaGreska(putanja);
    if (BezMemorije.contains(putanja)) throw std::bad_alloc();
    Sadrzaj[putanja] = bajtovi;
}

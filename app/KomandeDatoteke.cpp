// SPDX-License-Identifier: GPL-3.0-or-later
#include "KomandeDatoteke.h"

#include "Edit.h"
#include "GlavniObrazac.h"
#include "GreskaFajla.h"
#include "PodaciObrazac.h"
#include "SpinEdit.h"

namespace {

QString Tekst(std::string_view t) { return QString::fromLatin1(t.data(), qsizetype(t.size())); }

std::string Tekst(const TEdit* polje) { return polje->text().toLatin1().toStdString(); }

}  // namespace

SadrzajDatoteke SadrzajForme(const TPodaciO& forma) {
    SadrzajDatoteke s{};
    for (std::size_t i = 0; i < s.Tekstovi.P.size(); ++i) s.Tekstovi.P[i] = Tekst(forma.txtP[i]);
    for (std::size_t i = 0; i < s.Tekstovi.Rastojanje.size(); ++i)
        s.Tekstovi.Rastojanje[i] = Tekst(forma.txtRastojanje[i]);
    s.Tekstovi.Raspon = Tekst(forma.txtRaspon);
    s.Tekstovi.ProizvoljnoX = Tekst(forma.txtProizvoljnoX);
    s.BrojSila = forma.SpinEditBrojSila->Vrednost();
    s.BrojPreseka = forma.SpinEditBrojPreseka->Vrednost();
    return s;
}

void UpisiUFormu(TPodaciO& forma, const SadrzajDatoteke& s) {
    for (std::size_t i = 0; i < s.Tekstovi.P.size(); ++i)
        forma.txtP[i]->setText(Tekst(s.Tekstovi.P[i]));
    for (std::size_t i = 0; i < s.Tekstovi.Rastojanje.size(); ++i)
        forma.txtRastojanje[i]->setText(Tekst(s.Tekstovi.Rastojanje[i]));
    forma.txtRaspon->setText(Tekst(s.Tekstovi.Raspon));
    forma.txtProizvoljnoX->setText(Tekst(s.Tekstovi.ProizvoljnoX));
    forma.SpinEditBrojSila->setValue(s.BrojSila);
    forma.SpinEditBrojPreseka->setValue(s.BrojPreseka);
}

void UcitajPodatke(TPodaciO& forma, TDatoteke& datoteke, const QString& putanja) {
    const QByteArray bajtovi = datoteke.CitajBajtove(putanja);
    UpisiUFormu(forma, ProcitajDatoteku(std::string_view(bajtovi.constData(), bajtovi.size())));
}

bool SnimiPodatke(const TPodaciO& forma, const TUsluge& usluge, const QString& putanja) {
    try {
        usluge.Datoteke->UpisiBajtove(
            putanja, QByteArray::fromStdString(ZapisiDatoteku(SadrzajForme(forma))));
        return true;
    } catch (const EGreskaFajla& e) {
        usluge.Poruke->Informacija(QString::fromStdString(e.what()));
        return false;
    }
}

void OtvoriPodatke(TGlavniO& glavni) {
    const TUsluge& usluge = glavni.Usluge();
    TDijalogDatoteke& dijalog = glavni.OpenDialog1;
    dijalog.Naslov = QString::fromLatin1(kNaslovOtvaranja);
    dijalog.PodrazumevanaEkstenzija.clear();
    dijalog.Filter = QString::fromLatin1(kFilterPodataka);
    if (const std::optional<QString> putanja = usluge.Dijalozi->Otvori(dijalog)) {
        dijalog.PocetnoIme = *putanja;
        try {
            glavni.UcitajPodatke(*putanja);
        } catch (const EGreskaFajla& e) {
            usluge.Poruke->Informacija(e.vrsta() == EGreskaFajla::Vrsta::Otvaranje
                                           ? Tekst(kPorukaOtvaranja)
                                           : QString::fromStdString(e.what()));
            return;
        } catch (const EGreskaDatoteke& e) {
            usluge.Poruke->Informacija(QString::fromLatin1(e.what()));
            return;
        }
        glavni.setWindowTitle(*putanja);
        glavni.ImeDatoteke = *putanja;
    }
    if (PodaciO->Zakljucano()) PodaciO->btnProracunClick();
}

void SnimiPodatkeKao(TGlavniO& glavni) {
    TDijalogDatoteke& dijalog = glavni.SaveDialog1;
    dijalog.Naslov = QString::fromLatin1(kNaslovSnimanja);
    dijalog.PocetnoIme = QString::fromLatin1(kPocetnoImePodataka);
    dijalog.PodrazumevanaEkstenzija.clear();
    dijalog.Filter = QString::fromLatin1(kFilterPodataka);
    dijalog.PitajPrePrepisivanja = true;
    const std::optional<QString> putanja = glavni.Usluge().Dijalozi->Snimi(dijalog);
    if (!putanja || !glavni.SnimiPodatke(*putanja)) return;
    glavni.setWindowTitle(*putanja);
    glavni.ImeDatoteke = *putanja;
}

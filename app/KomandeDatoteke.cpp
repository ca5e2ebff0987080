// SPDX-License-Identifier: GPL-3.0-or-later
#include "KomandeDatoteke.h"

#include <QFile>

#include "Edit.h"
#include "GlavniObrazac.h"
#include "GreskaFajla.h"
#include "PodaciObrazac.h"
#include "SpinEdit.h"

namespace {

QString Tekst(std::string_view t) { return QString::fromLatin1(t.data(), qsizetype(t.size())); }

std::string Tekst(const TEdit* polje) { return polje->text().toLatin1().toStdString(); }

// The command line's message and, below it, the file and why it would not
// open.
QString PorukaOtvaranja(const EGreskaFajla& e) {
    return Tekst(kPorukaOtvaranja) + u'\n' +
           QFile::decodeName(QByteArray::fromStdString(e.putanja())) + QStringLiteral(": ") +
           QString::fromLocal8Bit(e.razlog());
}

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

void TGlavniO::OtvoriClick() {
    OpenDialog1.Naslov = QString::fromLatin1(kNaslovOtvaranja);
    OpenDialog1.PodrazumevanaEkstenzija.clear();
    OpenDialog1.Filter = QString::fromLatin1(kFilterPodataka);
    if (const std::optional<QString> putanja = fUsluge.Dijalozi->Otvori(OpenDialog1))
        if (!OtvoriPodatke(*putanja)) return;
    if (PodaciO->Zakljucano()) PodaciO->PritisakPosleOtvaranja();
}

bool TGlavniO::OtvoriPodatke(const QString& putanja) {
    OpenDialog1.PocetnoIme = putanja;
    try {
        UcitajPodatke(putanja);
    } catch (const EGreskaFajla& e) {
        fUsluge.Poruke->Greska(e.vrsta() == EGreskaFajla::Vrsta::Otvaranje
                                   ? PorukaOtvaranja(e)
                                   : QString::fromStdString(e.what()));
        return false;
    } catch (const EGreskaDatoteke& e) {
        fUsluge.Poruke->Greska(QString::fromLatin1(e.what()));
        return false;
    } catch (const EGreskaDodatka& e) {
        fUsluge.Poruke->Greska(QString::fromLatin1(e.what()));
        return false;
    }
    setWindowTitle(putanja);
    ImeDatoteke = putanja;
    return true;
}

void TGlavniO::SnimiClick() {
    if (ImeDatoteke.isEmpty())
        SnimiPodatkeKao();
    else
        SnimiPodatke(ImeDatoteke);
}

void TGlavniO::SnimikaoClick() { SnimiPodatkeKao(); }

void TGlavniO::UcitajPodatke(const QString& putanja) {
    const QByteArray bajtovi = fUsluge.Datoteke->CitajBajtove(putanja);
    const std::string_view b(bajtovi.constData(), std::size_t(bajtovi.size()));
    // All of it is read before anything is set: a file refused in any part
    // changes nothing.
    const SadrzajDatoteke sadrzaj = ProcitajDatoteku(b, fUsluge.Separator());
    TDodatak dodatak = ProcitajDodatak(b);
    const TProracunskaDejstva dejstva = DejstvaIzDodatka(dodatak);
    UpisiUFormu(*PodaciO, sadrzaj);
    UpisiDejstva(dodatak, {});
    Dodatak = std::move(dodatak);
    // A file that holds actions turns the design envelope on with them; one
    // without them leaves both as they were.
    if (!dejstva.Pocetna()) {
        Dejstva = dejstva;
        if (ProracunskaAnvelopa->isChecked())
            ProracunskaAnvelopaClick();
        else
            ProracunskaAnvelopa->setChecked(true);
    }
}

bool TGlavniO::SnimiPodatke(const QString& putanja) {
    // After the fifteen lines the actions while the design envelope is on,
    // and the keys of a later version the file came with.
    TDodatak dodatak = Dodatak;
    UpisiDejstva(dodatak, AktivnaDejstva());
    try {
        fUsluge.Datoteke->UpisiBajtove(
            putanja, QByteArray::fromStdString(ZapisiDatoteku(SadrzajForme(*PodaciO)) +
                                               ZapisiDodatak(dodatak)));
        return true;
    } catch (const EGreskaFajla& e) {
        fUsluge.Poruke->Greska(QString::fromStdString(e.what()));
        return false;
    }
}

void TGlavniO::SnimiPodatkeKao() {
    SaveDialog1.Naslov = QString::fromLatin1(kNaslovSnimanja);
    SaveDialog1.PocetnoIme = QString::fromLatin1(kPocetnoImePodataka);
    SaveDialog1.PodrazumevanaEkstenzija.clear();
    SaveDialog1.Filter = QString::fromLatin1(kFilterPodataka);
    SaveDialog1.PitajPrePrepisivanja = true;
    const std::optional<QString> putanja = fUsluge.Dijalozi->Snimi(SaveDialog1);
    if (!putanja || !SnimiPodatke(*putanja)) return;
    setWindowTitle(*putanja);
    ImeDatoteke = *putanja;
}

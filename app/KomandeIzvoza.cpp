// SPDX-License-Identifier: GPL-3.0-or-later
#include "KomandeIzvoza.h"

#include <QAction>
#include <array>

#include "GlavniObrazac.h"
#include "GreskaFajla.h"
#include "IzvestajMerodavnih.h"
#include "ListPdf.h"
#include "ListProracuna.h"
#include "PodaciObrazac.h"
#include "RezultatiObrazac.h"
#include "SkiceGrede.h"
#include "SpinEdit.h"
#include "TabeleCsv.h"

namespace {

// The save dialog of a file made from the calculation that stands.
void PodesiSnimanje(TDijalogDatoteke& d, const char* naslov, const char* ime,
                    const QString& ekstenzija, const QString& filter) {
    d.Naslov = QString::fromLatin1(naslov);
    d.PocetnoIme = QString::fromLatin1(ime);
    d.PodrazumevanaEkstenzija = ekstenzija;
    d.Filter = filter;
    d.PitajPrePrepisivanja = true;
}

// Where to save a file made from the calculation that stands: none while
// the form is unlocked (the command's message is shown) or when the dialog
// is cancelled.
std::optional<QString> PutanjaProracuna(const TUsluge& u, TDijalogDatoteke& d,
                                        const char* porukaBezProracuna, const char* naslov,
                                        const char* ime, const char* ekstenzija,
                                        const char* filter) {
    if (!PodaciO->Zakljucano()) {
        u.Poruke->Informacija(QString::fromLatin1(porukaBezProracuna));
        return std::nullopt;
    }
    PodesiSnimanje(d, naslov, ime, QString::fromLatin1(ekstenzija), QString::fromLatin1(filter));
    return u.Dijalozi->Snimi(d);
}

// A file made in memory is written all or nothing; a failure is shown with
// the file layer's message.
void Upisi(const TUsluge& u, const QString& putanja, const QByteArray& bajtovi) {
    try {
        u.Datoteke->UpisiBajtove(putanja, bajtovi);
    } catch (const EGreskaFajla& e) {
        u.Poruke->Greska(QString::fromStdString(e.what()));
    }
}

QString FilterIzvoza(const QString& ekstenzija) {
    if (ekstenzija == QLatin1String("doc")) return QStringLiteral("word datoteka|*.doc");
    if (ekstenzija == QLatin1String("xls")) return QStringLiteral("excel datoteka|*.xls");
    return QStringLiteral("textualna datoteka|*.txt");
}

}  // namespace

QString ImeSkice(int brojSila) {
    static constexpr std::array<const char*, 6> kImena = {
        "Skica grede sa jednom silom", "Skica grede sa dve sile", "Skica grede sa tri sile",
        "Skica grede sa cetiri sile",  "Skica grede sa pet sila", "Skica grede sa sest sila"};
    return QString::fromLatin1(kImena[std::size_t(std::clamp(brojSila, 1, 6) - 1)]);
}

void TGlavniO::txtClick() { SnimiRezultate(QStringLiteral("txt")); }

void TGlavniO::docClick() { SnimiRezultate(QStringLiteral("doc")); }

void TGlavniO::xlsClick() { SnimiRezultate(QStringLiteral("xls")); }

// A failed write goes to the general error report and leaves the file that
// was there.
void TGlavniO::SnimiRezultate(const QString& ekstenzija) {
    const QString filter = FilterIzvoza(ekstenzija);
    if (!PodaciO->Zakljucano()) {
        fUsluge.Poruke->Informacija(QString::fromLatin1(kPorukaIzvozaBezProracuna));
        return;
    }
    PodesiSnimanje(SaveDialog1, kNaslovIzvoza, kPocetnoImeIzvoza, u'.' + ekstenzija, filter);
    if (const std::optional<QString> putanja = fUsluge.Dijalozi->Snimi(SaveDialog1))
        fUsluge.Datoteke->UpisiLinije(*putanja, RezultatiO->Linije());
}

void TGlavniO::Snimiskicugrede1Click() {
    const int brojSila = PodaciO->SpinEditBrojSila->Vrednost();
    SavePictureDialog1.Naslov = QString::fromLatin1(kNaslovSkice);
    SavePictureDialog1.Filter = QString::fromLatin1(kFilterSkice);
    SavePictureDialog1.PodrazumevanaEkstenzija = QStringLiteral(".jpg");
    SavePictureDialog1.PitajPrePrepisivanja = true;
    SavePictureDialog1.PocetnoIme = ImeSkice(brojSila);
    const std::optional<QString> putanja = fUsluge.Dijalozi->SnimiSliku(SavePictureDialog1);
    if (!putanja) return;
    const std::span<const unsigned char> jpeg = SkicaGrede(brojSila);
    Upisi(fUsluge, *putanja,
          QByteArray(reinterpret_cast<const char*>(jpeg.data()), qsizetype(jpeg.size())));
}

void TGlavniO::SnimiproracunkaoPDF1Click() {
    const std::optional<QString> putanja =
        PutanjaProracuna(fUsluge, SaveDialog1, kPorukaPdfBezProracuna, kNaslovPdf, kPocetnoImePdf,
                         ".pdf", kFilterPdf);
    if (!putanja) return;
    TSadrzajListe sadrzaj;
    sadrzaj.Datoteka = ImeDatoteke.toStdString();
    sadrzaj.Datum = DanasnjiDatum();
    sadrzaj.Dijagram = PodaciO->UlazDijagrama();
    for (const QString& linija : RezultatiO->Linije())
        sadrzaj.Izvestaj.push_back(linija.toStdString());
    sadrzaj.TacnaAnvelopa = DodatakListe(
        sadrzaj.Dijagram.tekstovi, sadrzaj.Dijagram.brojSila, sadrzaj.Dijagram.decimalniSeparator,
        TacnaAnvelopa->isChecked() ? std::optional(SmerVoza()) : std::nullopt, AktivnaDejstva());
    Upisi(fUsluge, *putanja, ListUPdf(SastaviList(sadrzaj), putanja->toStdString()));
}

void TGlavniO::SnimitabelekaoCSV1Click() {
    const std::optional<QString> putanja =
        PutanjaProracuna(fUsluge, SaveDialog1, kPorukaCsvBezProracuna, kNaslovCsv, kPocetnoImeCsv,
                         ".csv", kFilterCsv);
    if (!putanja) return;
    const std::optional<TSmerVoza> tacno =
        TacnaAnvelopa->isChecked() ? std::optional(SmerVoza()) : std::nullopt;
    const std::string csv = TabeleCsv(PodaciO->TekstoviCrteza(), PodaciO->BrojSilaCrteza(),
                                      fUsluge.Separator(), tacno, AktivnaDejstva());
    Upisi(fUsluge, *putanja, QByteArray::fromStdString(csv));
}

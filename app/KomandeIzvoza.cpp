// SPDX-License-Identifier: GPL-3.0-or-later
#include "KomandeIzvoza.h"

#include <QAction>
#include <array>

#include "GlavniObrazac.h"
#include "GreskaFajla.h"
#include "IzvestajTacneAnvelope.h"
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
                    const char* ekstenzija, const char* filter) {
    d.Naslov = QString::fromLatin1(naslov);
    d.PocetnoIme = QString::fromLatin1(ime);
    d.PodrazumevanaEkstenzija = QString::fromLatin1(ekstenzija);
    d.Filter = QString::fromLatin1(filter);
    d.PitajPrePrepisivanja = true;
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
    SaveDialog1.Naslov = QString::fromLatin1(kNaslovIzvoza);
    SaveDialog1.PocetnoIme = QString::fromLatin1(kPocetnoImeIzvoza);
    SaveDialog1.PodrazumevanaEkstenzija = u'.' + ekstenzija;
    SaveDialog1.Filter = filter;
    SaveDialog1.PitajPrePrepisivanja = true;
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
    try {
        fUsluge.Datoteke->UpisiBajtove(
            *putanja,
            QByteArray(reinterpret_cast<const char*>(jpeg.data()), qsizetype(jpeg.size())));
    } catch (const EGreskaFajla& e) {
        fUsluge.Poruke->Informacija(QString::fromStdString(e.what()));
    }
}

// The sheet is made in memory and written as the data files are, all or
// nothing; a failure is shown with the file layer's message.
void TGlavniO::SnimiproracunkaoPDF1Click() {
    if (!PodaciO->Zakljucano()) {
        fUsluge.Poruke->Informacija(QString::fromLatin1(kPorukaPdfBezProracuna));
        return;
    }
    PodesiSnimanje(SaveDialog1, kNaslovPdf, kPocetnoImePdf, ".pdf", kFilterPdf);
    const std::optional<QString> putanja = fUsluge.Dijalozi->Snimi(SaveDialog1);
    if (!putanja) return;
    TSadrzajListe sadrzaj;
    sadrzaj.Datoteka = ImeDatoteke.toStdString();
    sadrzaj.Datum = DanasnjiDatum();
    sadrzaj.Dijagram = PodaciO->UlazDijagrama();
    for (const QString& linija : RezultatiO->Linije())
        sadrzaj.Izvestaj.push_back(linija.toStdString());
    if (TacnaAnvelopa->isChecked())
        sadrzaj.TacnaAnvelopa =
            IzvestajTacneAnvelope(sadrzaj.Dijagram.tekstovi, sadrzaj.Dijagram.brojSila,
                                  sadrzaj.Dijagram.decimalniSeparator, SmerVoza());
    try {
        fUsluge.Datoteke->UpisiBajtove(*putanja,
                                       ListUPdf(SastaviList(sadrzaj), putanja->toStdString()));
    } catch (const EGreskaFajla& e) {
        fUsluge.Poruke->Informacija(QString::fromStdString(e.what()));
    }
}

void TGlavniO::SnimitabelekaoCSV1Click() {
    if (!PodaciO->Zakljucano()) {
        fUsluge.Poruke->Informacija(QString::fromLatin1(kPorukaCsvBezProracuna));
        return;
    }
    PodesiSnimanje(SaveDialog1, kNaslovCsv, kPocetnoImeCsv, ".csv", kFilterCsv);
    const std::optional<QString> putanja = fUsluge.Dijalozi->Snimi(SaveDialog1);
    if (!putanja) return;
    const std::optional<TSmerVoza> tacno =
        TacnaAnvelopa->isChecked() ? std::optional(SmerVoza()) : std::nullopt;
    const std::string csv =
        TabeleCsv(PodaciO->TekstoviCrteza(), PodaciO->BrojSilaCrteza(), fUsluge.Separator(), tacno);
    try {
        fUsluge.Datoteke->UpisiBajtove(*putanja, QByteArray::fromStdString(csv));
    } catch (const EGreskaFajla& e) {
        fUsluge.Poruke->Informacija(QString::fromStdString(e.what()));
    }
}

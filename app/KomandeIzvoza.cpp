// SPDX-License-Identifier: GPL-3.0-or-later
#include "KomandeIzvoza.h"

#include <array>

#include "GlavniObrazac.h"
#include "GreskaFajla.h"
#include "PodaciObrazac.h"
#include "RezultatiObrazac.h"
#include "SkiceGrede.h"
#include "SpinEdit.h"

namespace {

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

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

void SnimiRezultate(TGlavniO& glavni, const QString& ekstenzija) {
    const TUsluge& usluge = glavni.Usluge();
    const QString filter = FilterIzvoza(ekstenzija);
    if (!PodaciO->Zakljucano()) {
        usluge.Poruke->Informacija(QString::fromLatin1(kPorukaIzvozaBezProracuna));
        return;
    }
    TDijalogDatoteke& dijalog = glavni.SaveDialog1;
    dijalog.Naslov = QString::fromLatin1(kNaslovIzvoza);
    dijalog.PocetnoIme = QString::fromLatin1(kPocetnoImeIzvoza);
    dijalog.PodrazumevanaEkstenzija = u'.' + ekstenzija;
    dijalog.Filter = filter;
    dijalog.PitajPrePrepisivanja = true;
    if (const std::optional<QString> putanja = usluge.Dijalozi->Snimi(dijalog))
        usluge.Datoteke->UpisiLinije(*putanja, RezultatiO->Linije());
}

QString ImeSkice(int brojSila) {
    static constexpr std::array<const char*, 6> kImena = {
        "Skica grede sa jednom silom", "Skica grede sa dve sile", "Skica grede sa tri sile",
        "Skica grede sa cetiri sile",  "Skica grede sa pet sila", "Skica grede sa sest sila"};
    return QString::fromLatin1(kImena[std::size_t(std::clamp(brojSila, 1, 6) - 1)]);
}

void SnimiSkicuGrede(TGlavniO& glavni) {
    const TUsluge& usluge = glavni.Usluge();
    const int brojSila = PodaciO->SpinEditBrojSila->Vrednost();
    TDijalogDatoteke& dijalog = glavni.SavePictureDialog1;
    dijalog.Naslov = QString::fromLatin1(kNaslovSkice);
    dijalog.Filter = QString::fromLatin1(kFilterSkice);
    dijalog.PodrazumevanaEkstenzija = QStringLiteral(".jpg");
    dijalog.PitajPrePrepisivanja = true;
    dijalog.PocetnoIme = ImeSkice(brojSila);
    const std::optional<QString> putanja = usluge.Dijalozi->SnimiSliku(dijalog);
    if (!putanja) return;
    const std::span<const unsigned char> jpeg = SkicaGrede(brojSila);
    try {
        usluge.Datoteke->UpisiBajtove(
            *putanja,
            QByteArray(reinterpret_cast<const char*>(jpeg.data()), qsizetype(jpeg.size())));
    } catch (const EGreskaFajla& e) {
        usluge.Poruke->Informacija(QString::fromStdString(e.what()));
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "KomandeStampe.h"

#include <exception>

#include "FormatBroja.h"
#include "GlavniObrazac.h"
#include "GrafikObrazac.h"
#include "GreskaStampe.h"
#include "Konverzija.h"
#include "NacrtajDijagrame.h"
#include "PlatnoStampaca.h"
#include "PodaciObrazac.h"
#include "PrijavaGreske.h"
#include "VelicinaCrteza.h"

namespace {

// One factor's input box, prefilled in the general format. False when the
// answer is not a number: its message is shown and the factor stays.
bool UnesiFaktor(const TUsluge& usluge, const char* naslov, const char* upit, double& faktor) {
    const char separator = usluge.Separator();
    const QString odgovor =
        usluge.Poruke->Unos(QString::fromLatin1(naslov), QString::fromLatin1(upit),
                            QString::fromStdString(FormatBroja(faktor, separator)));
    try {
        faktor = TekstUBroj(odgovor.toStdString(), separator);
        return true;
    } catch (const EGreskaKonverzije& e) {
        usluge.Poruke->Informacija(QString::fromStdString(e.what()));
        return false;
    }
}

}  // namespace

void StampajStranu(TStampanje& stampanje, const std::function<void(TPlatno&)>& crtaj) {
    stampanje.PocniPosao();
    try {
        TPlatnoStampaca platno(*stampanje.Platno(), FontProzoraDijagrama());
        crtaj(platno);
    } catch (...) {
        stampanje.OtkaziPosao();
        throw;
    }
    stampanje.ZavrsiPosao();
}

QString PitanjeStampe(const QString& stampac) {
    return QStringLiteral("Da li zelite da stampate pomocu printera ") + stampac +
           QStringLiteral(" grafik?");
}

QString PorukaFaktora(double faktorSkaliranja, char separator) {
    return QStringLiteral("Faktor za skaliranje grafika ") +
           QString::fromStdString(FormatBroja(faktorSkaliranja, separator)) +
           QStringLiteral(
               " ne moze da se upotrebi: crtez mora biti siri od 400 tacaka "
               "(sirina papira / faktor). Unesite manji pozitivan faktor u "
               "\"Podesavanje parametara stampe...\".");
}

void PodesiParametreStampe(TGlavniO& glavni) {
    const TUsluge& usluge = glavni.Usluge();
    try {
        if (const auto strana = usluge.Dijalozi->PodesiStranu(glavni.PageSetupDialog1)) {
            usluge.Stampanje->Postavi(*strana);
            glavni.PageSetupDialog1 = *strana;
        }
        if (const auto font = usluge.Dijalozi->Font(glavni.FontDialog1)) glavni.FontDialog1 = *font;
    } catch (const std::exception& e) {
        usluge.Poruke->Informacija(TekstGreske(e));
        return;
    }
    if (!UnesiFaktor(usluge, kNaslovSkaliranja, kUpitSkaliranja, glavni.FaktorSkaliranja)) return;
    UnesiFaktor(usluge, kNaslovPomeranja, kUpitPomeranja, glavni.FaktorPomeranjaTexta);
}

void StampajGrafik(TGlavniO& glavni) {
    const TUsluge& usluge = glavni.Usluge();
    if (!PodaciO->Zakljucano()) {
        usluge.Poruke->Informacija(QString::fromLatin1(kPorukaStampeBezProracuna));
        GrafikO->FormPaint();
        return;
    }
    try {
        const std::optional<TVelicinaCrteza> velicina =
            VelicinaCrteza(glavni.PageSetupDialog1.SirinaPapira,
                           glavni.PageSetupDialog1.VisinaPapira, glavni.FaktorSkaliranja);
        if (!velicina)
            throw EGreskaStampe(
                PorukaFaktora(glavni.FaktorSkaliranja, usluge.Separator()).toStdString());
        const QString stampac = usluge.Stampanje->TrenutniStampac();
        if (usluge.Poruke->Potvrda(PitanjeStampe(stampac)))
            StampajStranu(*usluge.Stampanje, [&](TPlatno& platno) {
                IscrtajDijagrame(platno, velicina->Sirina, velicina->Visina, kZaStampac);
            });
    } catch (const std::exception& e) {
        // The drawing for the printer cleared the window; it is redrawn
        // before the message is shown over it.
        GrafikO->FormPaint();
        usluge.Poruke->Informacija(TekstGreske(e));
        return;
    }
    GrafikO->FormPaint();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "KomandeStampe.h"

#include <exception>

#include "FormatBroja.h"
#include "GlavniObrazac.h"
#include "GrafikObrazac.h"
#include "GreskaStampe.h"
#include "Konverzija.h"
#include "ListPdf.h"
#include "NacrtajDijagrame.h"
#include "PlatnoStampaca.h"
#include "PodaciObrazac.h"
#include "PrijavaGreske.h"
#include "ZaglavljeStrane.h"

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
        usluge.Poruke->Greska(QString::fromStdString(e.what()));
        return false;
    }
}

}  // namespace

std::function<void(TPlatno&)> CrtezStampe(const TGlavniO& g, const TUsluge& usluge) {
    const auto ishod = VelicinaCrteza(g.PageSetupDialog1.SirinaPapira,
                                      g.PageSetupDialog1.VisinaPapira, g.FaktorSkaliranja);
    if (const auto* razlog = std::get_if<TNeupotrebljivFaktor>(&ishod))
        throw EGreskaStampe(
            PorukaFaktora(*razlog, g.FaktorSkaliranja, usluge.Separator()).toStdString());
    // Named and dated when the command runs, as the sheet is.
    return [velicina = std::get<TVelicinaCrteza>(ishod), datoteka = g.ImeDatoteke.toStdString(),
            datum = DanasnjiDatum()](TPlatno& platno) {
        PodaciO->IscrtajDijagrame(platno, velicina.Sirina, velicina.Visina, kZaStampac);
        NacrtajZaglavljeStrane(platno, velicina.Sirina, PodaciO->UlazDijagrama().fontStampe,
                               datoteka, datum);
    };
}

void NacrtajStranu(QPainter& slikar, const std::function<void(TPlatno&)>& crtaj) {
    TPlatnoStampaca platno(slikar, FontProzoraDijagrama());
    crtaj(platno);
}

void StampajStranu(TStampanje& stampanje, const std::function<void(TPlatno&)>& crtaj) {
    stampanje.PocniPosao();
    try {
        NacrtajStranu(*stampanje.Platno(), crtaj);
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

QString PorukaFaktora(TNeupotrebljivFaktor razlog, double faktorSkaliranja, char separator) {
    QString zasto;
    switch (razlog) {
        case TNeupotrebljivFaktor::NijePozitivan:
            zasto = QStringLiteral("faktor mora biti pozitivan broj. Unesite pozitivan faktor");
            break;
        case TNeupotrebljivFaktor::Preveliki:
            zasto = QStringLiteral(
                "crtez mora biti siri od 400 tacaka (sirina papira / faktor). Unesite manji "
                "pozitivan faktor");
            break;
        case TNeupotrebljivFaktor::Premali:
            zasto = QStringLiteral(
                "crtez bi bio prevelik za stampu (sirina papira / faktor). Unesite veci faktor");
            break;
    }
    return QStringLiteral("Faktor za skaliranje grafika ") +
           QString::fromStdString(FormatBroja(faktorSkaliranja, separator)) +
           QStringLiteral(" ne moze da se upotrebi: ") + zasto +
           QStringLiteral(" u \"Podesavanje parametara stampe...\".");
}

// An answer that is not a number keeps its factor and ends the command.
void TGlavniO::Podesavanjeparametarastampe1Click() {
    try {
        if (const auto strana = fUsluge.Dijalozi->PodesiStranu(PageSetupDialog1)) {
            fUsluge.Stampanje->Postavi(*strana);
            PageSetupDialog1 = *strana;
        }
        if (const auto font = fUsluge.Dijalozi->Font(FontDialog1)) FontDialog1 = *font;
    } catch (const std::exception& e) {
        fUsluge.Poruke->Greska(TekstGreske(e));
        return;
    }
    if (!UnesiFaktor(fUsluge, kNaslovSkaliranja, kUpitSkaliranja, FaktorSkaliranja)) return;
    UnesiFaktor(fUsluge, kNaslovPomeranja, kUpitPomeranja, FaktorPomeranjaTexta);
}

bool TGlavniO::StampajGrafik(const std::function<void(TPlatno&)>& crtaj) {
    const QString stampac = fUsluge.Stampanje->TrenutniStampac();
    if (!fUsluge.Poruke->Potvrda(PitanjeStampe(stampac))) return false;
    StampajStranu(*fUsluge.Stampanje, crtaj);
    return true;
}

// A factor that gives no drawing starts no job; a job whose drawing fails is
// cancelled.
void TGlavniO::Snimigrafik1Click() {
    if (!PodaciO->Zakljucano()) {
        fUsluge.Poruke->Informacija(QString::fromLatin1(kPorukaStampeBezProracuna));
        GrafikO->FormPaint();
        return;
    }
    try {
        StampajGrafik(CrtezStampe(*this, fUsluge));
    } catch (const std::exception& e) {
        // The drawing for the printer cleared the window; it is redrawn
        // before the message is shown over it.
        GrafikO->FormPaint();
        fUsluge.Poruke->Greska(TekstGreske(e));
        return;
    }
    GrafikO->FormPaint();
}

// The preview draws the page as the print command does, which clears the
// diagram window as every drawing does: the window, in view beside the
// preview, is drawn again after each page. Its print button prints as
// "Stampaj grafik..." does, to the same printer with the same messages.
void TGlavniO::Pregledstampe1Click() {
    if (!PodaciO->Zakljucano()) {
        fUsluge.Poruke->Informacija(QString::fromLatin1(kPorukaPregledaBezProracuna));
        return;
    }
    try {
        const std::function<void(TPlatno&)> crtaj = CrtezStampe(*this, fUsluge);
        fUsluge.PregledStampe->Prikazi(
            [&crtaj](QPainter& slikar) {
                NacrtajStranu(slikar, crtaj);
                GrafikO->FormPaint();
            },
            [this, &crtaj] {
                bool odstampano = false;
                try {
                    odstampano = StampajGrafik(crtaj);
                } catch (const std::exception& e) {
                    GrafikO->FormPaint();
                    fUsluge.Poruke->Greska(TekstGreske(e));
                    return false;
                }
                GrafikO->FormPaint();
                return odstampano;
            });
    } catch (const std::exception& e) {
        GrafikO->FormPaint();
        fUsluge.Poruke->Greska(TekstGreske(e));
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGuiApplication>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "GreskaFajla.h"
#include "Ispis.h"
#include "IzvestajLastovar.h"
#include "IzvestajMerodavnih.h"
#include "Komande.h"
#include "ListPdf.h"
#include "ListProracuna.h"
#include "OpcijeDejstava.h"
#include "OpcijeKomande.h"
#include "OpcijeModela.h"
#include "PlatnoDatoteke.h"
#include "RegionalniSeparator.h"
#include "RezervaMemorije.h"
#include "SigurnoSnimanje.h"
#include "UcitavanjeSlucaja.h"

namespace {

constexpr std::string_view kKomanda = "list";
constexpr std::string_view kPorukaSnimanja = "Greska pri pokusaju snimanja PDF datoteke!";

}  // namespace

int KomandaList(int argc, char** argv, std::string_view pomoc) {
    bool tacno = false;
    bool obaSmera = false;
    TOpcijeDejstava opcijeDejstava;
    std::vector<std::string> reci;
    std::vector<OpcijaKomande> opcije = OpcijeDejstava(opcijeDejstava);
    TOpcijeModela model;
    for (OpcijaKomande& m : OpcijeModela(model)) opcije.push_back(std::move(m));
    opcije.push_back(Zastavica("tacno", tacno));
    opcije.push_back(Zastavica("oba-smera", obaSmera));
    if (const auto kraj = ProcitajOpcije(argc, argv, pomoc, opcije, reci, 2,
                                         "zadaje se najvise datoteka podataka i ime PDF datoteke"))
        return *kraj;
    if (reci.empty()) return PogresnaUpotreba(kKomanda, "zadajte ime PDF datoteke");
    const std::string izlaz = reci.back();
    // Checked before anything is read: a data file named by mistake in the
    // place of the sheet is never overwritten.
    if (FormatSlike(izlaz) != TFormatSlike::Pdf)
        return PogresnaUpotreba(kKomanda, "ime PDF datoteke mora imati nastavak .pdf: " + izlaz);
    if (obaSmera && !tacno) return PogresnaUpotreba(kKomanda, "--oba-smera vazi samo uz --tacno");
    const std::optional<std::string> putanja =
        reci.size() == 2 ? std::optional(reci.front()) : std::nullopt;

    const char sep = RegionalniSeparator();
    SadrzajDatoteke slucaj;
    TProracunskaDejstva dejstva;
    if (const auto greska = UcitajSlucaj(kKomanda, putanja, sep, slucaj, dejstva, false, &model))
        return *greska;
    const TPodaci podaci = ZapisIzTekstova(slucaj.Tekstovi, sep);
    const TVoz voz(podaci, slucaj.BrojSila);
    if (const auto greska =
            PrimeniDejstva(kKomanda, opcijeDejstava, sep, voz.R(), voz.Raspon(), dejstva))
        return *greska;
    const TSmerVoza smer = obaSmera ? TSmerVoza::Oba : TSmerVoza::Napred;

    // Memory may run out anywhere from the composing to the save; the file
    // that was there is kept either way.
    try {
        TSadrzajListe sadrzaj;
        if (putanja) sadrzaj.Datoteka = *putanja == kStandardniUlaz ? "standardni ulaz" : *putanja;
        sadrzaj.Dijagram.tekstovi = slucaj.Tekstovi;
        sadrzaj.Dijagram.brojSila = slucaj.BrojSila;
        sadrzaj.Dijagram.decimalniSeparator = sep;
        sadrzaj.Dijagram.tacnaAnvelopa = tacno;
        sadrzaj.Izvestaj =
            SastaviIzvestaj(slucaj.Tekstovi, std::to_string(slucaj.BrojSila), slucaj.BrojSila, sep)
                .Linije;
        sadrzaj.TacnaAnvelopa = DodatakListe(slucaj.Tekstovi, slucaj.BrojSila, sep,
                                             tacno ? std::optional(smer) : std::nullopt, dejstva);

        // Starting Qt's platform and fonts is itself a part of the drawing
        // that does not survive memory running out.
        ProveriRezervu();
        // Fonts need a GUI application; the command line never has a window.
        int argcQt = 3;
        char ime[] = "lastovar-cli", opcija[] = "-platform", platforma[] = "offscreen";
        char* argvQt[] = {ime, opcija, platforma, nullptr};
        const QGuiApplication aplikacija(argcQt, argvQt);
        sadrzaj.Datum = DanasnjiDatum();
        const QByteArray pdf = ListUPdf(SastaviList(sadrzaj), izlaz);
        SigurnoSnimi(izlaz,
                     std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    } catch (const EGreskaFajla& e) {
        PrijaviGreskuFajla(kKomanda, kPorukaSnimanja, e);
        return kIzlazDatoteka;
    } catch (const std::bad_alloc&) {
        PrijaviNestasicuMemorije(kKomanda, kPorukaSnimanja, izlaz);
        return kIzlazDatoteka;
    }
    return 0;
}

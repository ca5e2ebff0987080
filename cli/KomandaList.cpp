// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGuiApplication>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "GreskaFajla.h"
#include "Ispis.h"
#include "Komande.h"
#include "ListPdf.h"
#include "ListProracuna.h"
#include "OpcijeDejstava.h"
#include "OpcijeKomande.h"
#include "OpcijeModela.h"
#include "PlatnoDatoteke.h"
#include "RegionalniSeparator.h"
#include "RezervaMemorije.h"
#include "SadrzajListeProracuna.h"
#include "SigurnoSnimanje.h"
#include "UcitavanjeSlucaja.h"

namespace {

constexpr std::string_view kKomanda = "list";
constexpr std::string_view kPorukaSnimanja = "Greska pri pokusaju snimanja PDF datoteke!";

// The title block's fields on the command line, over the data file's.
struct TOpcijeLista {
    std::optional<std::string> Projekat, Element, Autor, Kontrolisao, Revizija, Datum;

    std::vector<OpcijaKomande> Opcije() {
        const auto tekst = [](std::optional<std::string>& cilj) {
            return [&cilj](std::string_view v) {
                cilj = std::string(v);
                return std::optional<int>();
            };
        };
        return {{"projekat", "--projekat trazi naziv projekta", tekst(Projekat)},
                {"element", "--element trazi objekat ili element", tekst(Element)},
                {"autor", "--autor trazi ime autora", tekst(Autor)},
                {"kontrolisao", "--kontrolisao trazi ime kontrolora", tekst(Kontrolisao)},
                {"revizija", "--revizija trazi oznaku revizije", tekst(Revizija)},
                {"datum", "--datum trazi datum", tekst(Datum)}};
    }

    void Primeni(TPodaciZaList& p) const {
        for (const auto& [opcija, polje] :
             {std::pair{&Projekat, &p.Projekat}, std::pair{&Element, &p.Element},
              std::pair{&Autor, &p.Autor}, std::pair{&Kontrolisao, &p.Kontrolisao},
              std::pair{&Revizija, &p.Revizija}, std::pair{&Datum, &p.Datum}})
            if (*opcija) *polje = OcistiPolje(**opcija);
    }
};

}  // namespace

int KomandaList(int argc, char** argv, std::string_view pomoc) {
    bool tacno = false;
    bool obaSmera = false;
    TOpcijeDejstava opcijeDejstava;
    TOpcijeLista opcijeLista;
    std::vector<std::string> reci;
    std::vector<OpcijaKomande> opcije = OpcijeDejstava(opcijeDejstava);
    TOpcijeModela model;
    for (OpcijaKomande& m : OpcijeModela(model)) opcije.push_back(std::move(m));
    for (OpcijaKomande& o : opcijeLista.Opcije()) opcije.push_back(std::move(o));
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
    const std::optional<std::string> putanja =
        reci.size() == 2 ? std::optional(reci.front()) : std::nullopt;

    const char sep = RegionalniSeparator();
    SadrzajDatoteke slucaj;
    TProracunskaDejstva dejstva;
    TPodaciZaList podaciZaList;
    if (const auto greska =
            UcitajSlucaj(kKomanda, putanja, sep, slucaj, dejstva, false, &model, &podaciZaList))
        return *greska;
    opcijeLista.Primeni(podaciZaList);
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
        sadrzaj.Zaglavlje = podaciZaList;
        sadrzaj.Tekstovi = slucaj.Tekstovi;
        sadrzaj.BrojSila = slucaj.BrojSila;
        sadrzaj.Separator = sep;
        sadrzaj.Dejstva = dejstva;
        sadrzaj.Smer = smer;
        PopuniSadrzajListe(sadrzaj, tacno);

        // Starting Qt's platform and fonts is itself a part of the drawing
        // that does not survive memory running out.
        ProveriRezervu();
        // Fonts need a GUI application; the command line never has a window.
        int argcQt = 3;
        char ime[] = "lastovar-cli", opcija[] = "-platform", platforma[] = "offscreen";
        char* argvQt[] = {ime, opcija, platforma, nullptr};
        const QGuiApplication aplikacija(argcQt, argvQt);
        sadrzaj.Izradjeno = DanasnjiDatum();
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGuiApplication>
#include <iostream>
#include <optional>
#include <string>

#include "GreskaFajla.h"
#include "Komande.h"
#include "Konverzija.h"
#include "NacrtajDijagrame.h"
#include "OpcijeKomande.h"
#include "PlatnoDatoteke.h"
#include "PlatnoZapis.h"
#include "RegionalniSeparator.h"
#include "UcitavanjeSlucaja.h"

namespace {

constexpr std::int32_t kNajvecaSirinaZapisa = 100000;
constexpr std::int32_t kNajvecaSirinaSlike = 10000;
constexpr std::string_view kKomanda = "dijagram";
constexpr std::string_view kPorukaSnimanja = "Greska pri pokusaju snimanja slike!";

struct Opcije {
    std::optional<std::string> datoteka;
    bool zapis = false;
    std::optional<std::string> izlaz;
    std::int32_t sirina = 800;
    std::int32_t visina = 600;
    bool stampa = false;
    bool tacno = false;
};

// Reads the options; answers the exit code when the command is to stop.
std::optional<int> ProcitajOpcijeDijagrama(int argc, char** argv, std::string_view pomoc,
                                           Opcije& o) {
    const auto mera = [](std::string_view ime, std::int32_t& cilj) {
        return [ime, &cilj](std::string_view v) -> std::optional<int> {
            try {
                cilj = TekstUCeoBroj(v);
            } catch (const EGreskaKonverzije&) {
                return PogresnaUpotreba(
                    kKomanda, "--" + std::string(ime) + " trazi ceo broj, a ne " + std::string(v));
            }
            if (cilj < 0)
                return PogresnaUpotreba(kKomanda,
                                        "--" + std::string(ime) + " ne moze biti negativna");
            return std::nullopt;
        };
    };
    const OpcijaKomande opcije[] = {
        Zastavica("zapis", o.zapis),
        Zastavica("stampa", o.stampa),
        Zastavica("tacno", o.tacno),
        {"izlaz", "--izlaz trazi ime slike",
         [&o](std::string_view v) {
             o.izlaz = std::string(v);
             return std::optional<int>();
         }},
        {"sirina", "--sirina trazi broj tacaka", mera("sirina", o.sirina)},
        {"visina", "--visina trazi broj tacaka", mera("visina", o.visina)},
    };
    if (const auto kraj = ProcitajOpcije(argc, argv, pomoc, opcije, o.datoteka)) return kraj;

    if (o.zapis == o.izlaz.has_value())
        return PogresnaUpotreba(kKomanda, "zadajte --zapis ili --izlaz");
    // Known before anything is read or drawn.
    if (o.izlaz && !FormatSlike(*o.izlaz))
        return PogresnaUpotreba(kKomanda,
                                "nepoznat format slike (.png, .pdf ili .svg): " + *o.izlaz);
    const std::int32_t najvise = o.zapis ? kNajvecaSirinaZapisa : kNajvecaSirinaSlike;
    const std::int32_t najmanje = o.zapis ? 0 : 1;
    if (o.sirina < najmanje || o.sirina > najvise || o.visina < najmanje || o.visina > najvise)
        return PogresnaUpotreba(kKomanda, "sirina i visina moraju biti od " +
                                              std::to_string(najmanje) + " do " +
                                              std::to_string(najvise));
    return std::nullopt;
}

// The caption font that every drawing leaves on the window's canvas: the
// picture is drawn as every drawing after a window's first one.
TFont FontPosleCrtanja() {
    TFont f = FontProzoraDijagrama();
    f.Podebljan = true;
    f.PostaviVelicinu(12);
    return f;
}

}  // namespace

int KomandaDijagram(int argc, char** argv, std::string_view pomoc) {
    Opcije o;
    if (const auto kraj = ProcitajOpcijeDijagrama(argc, argv, pomoc, o)) return *kraj;

    TUlazDijagrama ulaz;
    ulaz.decimalniSeparator = RegionalniSeparator();
    SadrzajDatoteke slucaj;
    if (const auto greska = UcitajSlucaj(kKomanda, o.datoteka, ulaz.decimalniSeparator, slucaj))
        return *greska;
    ulaz.tekstovi = slucaj.Tekstovi;
    ulaz.brojSila = slucaj.BrojSila;
    ulaz.tacnaAnvelopa = o.tacno;

    // The picture stands for the diagram window's client area.
    const std::string_view cilj = o.stampa ? kZaStampac : kZaProgram;
    const auto crtaj = [&](TPlatno& p) {
        NacrtajDijagrame(p, o.sirina, o.visina, cilj, {p, o.sirina, o.visina}, ulaz);
    };

    if (o.zapis) {
        TPlatnoZapis platno(FontPosleCrtanja());
        crtaj(platno);
        std::cout << platno.Zapis();
        std::cout.flush();
        if (!std::cout) {
            std::cerr << "lastovar-cli dijagram: greska pri pisanju izlaza\n";
            return kIzlazDatoteka;
        }
        return 0;
    }

    // Fonts need a GUI application; the command line never has a window.
    int argcQt = 3;
    char ime[] = "lastovar-cli", opcija[] = "-platform", platforma[] = "offscreen";
    char* argvQt[] = {ime, opcija, platforma, nullptr};
    const QGuiApplication aplikacija(argcQt, argvQt);
    try {
        NacrtajUDatoteku(*o.izlaz, o.sirina, o.visina, FontPosleCrtanja(), crtaj);
    } catch (const EGreskaFajla& e) {
        PrijaviGreskuFajla(kKomanda, kPorukaSnimanja, e);
        return kIzlazDatoteka;
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGuiApplication>
#include <iostream>
#include <optional>
#include <string>

#include "GreskaFajla.h"
#include "Komande.h"
#include "Konverzija.h"
#include "NacrtajDijagrame.h"
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

int PogresnaUpotreba(const std::string& poruka) {
    std::cerr << "lastovar-cli dijagram: " << poruka << "\n";
    return kIzlazPogresnaUpotreba;
}

// Reads the options; answers the exit code of a wrong call, if any.
std::optional<int> ProcitajOpcije(std::span<const std::string_view> argumenti, Opcije& o) {
    bool opcije = true;
    for (std::size_t i = 0; i < argumenti.size(); ++i) {
        const std::string_view a = argumenti[i];
        const auto vrednost = [&]() -> std::optional<std::string_view> {
            if (i + 1 >= argumenti.size()) return std::nullopt;
            return argumenti[++i];
        };
        const auto mera = [&](std::int32_t& cilj) -> std::optional<int> {
            const std::optional<std::string_view> v = vrednost();
            if (!v) return PogresnaUpotreba(std::string(a) + " trazi broj tacaka");
            try {
                cilj = TekstUCeoBroj(*v);
            } catch (const EGreskaKonverzije&) {
                return PogresnaUpotreba(std::string(a) + " trazi ceo broj, a ne " +
                                        std::string(*v));
            }
            if (cilj < 0) return PogresnaUpotreba(std::string(a) + " ne moze biti negativna");
            return std::nullopt;
        };
        if (opcije && a == "--") {
            opcije = false;
        } else if (opcije && a == "--zapis") {
            o.zapis = true;
        } else if (opcije && a == "--stampa") {
            o.stampa = true;
        } else if (opcije && a == "--tacno") {
            o.tacno = true;
        } else if (opcije && a == "--izlaz") {
            const std::optional<std::string_view> v = vrednost();
            if (!v) return PogresnaUpotreba("--izlaz trazi ime slike");
            o.izlaz = std::string(*v);
        } else if (opcije && a == "--sirina") {
            if (const auto greska = mera(o.sirina)) return greska;
        } else if (opcije && a == "--visina") {
            if (const auto greska = mera(o.visina)) return greska;
        } else if (opcije && a.starts_with("-")) {
            return PogresnaUpotreba("nepoznata opcija " + std::string(a));
        } else if (o.datoteka) {
            return PogresnaUpotreba("samo jedna datoteka se moze zadati");
        } else {
            o.datoteka = std::string(a);
        }
    }
    if (o.zapis == o.izlaz.has_value()) return PogresnaUpotreba("zadajte --zapis ili --izlaz");
    const std::int32_t najvise = o.zapis ? kNajvecaSirinaZapisa : kNajvecaSirinaSlike;
    const std::int32_t najmanje = o.zapis ? 0 : 1;
    if (o.sirina < najmanje || o.sirina > najvise || o.visina < najmanje || o.visina > najvise)
        return PogresnaUpotreba("sirina i visina moraju biti od " + std::to_string(najmanje) +
                                " do " + std::to_string(najvise));
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

int KomandaDijagram(std::span<const std::string_view> argumenti) {
    Opcije o;
    if (const auto greska = ProcitajOpcije(argumenti, o)) return *greska;

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
    int argc = 3;
    char ime[] = "lastovar-cli", opcija[] = "-platform", platforma[] = "offscreen";
    char* argv[] = {ime, opcija, platforma, nullptr};
    const QGuiApplication aplikacija(argc, argv);
    try {
        NacrtajUDatoteku(*o.izlaz, o.sirina, o.visina, FontPosleCrtanja(), crtaj);
    } catch (const EGreskaFajla& e) {
        PrijaviGreskuFajla(kKomanda, kPorukaSnimanja, e);
        return kIzlazDatoteka;
    }
    return 0;
}

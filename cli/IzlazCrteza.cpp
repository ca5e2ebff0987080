// SPDX-License-Identifier: GPL-3.0-or-later
#include "IzlazCrteza.h"

#include <QGuiApplication>
#include <new>

#include "GreskaFajla.h"
#include "Ispis.h"
#include "Konverzija.h"
#include "PlatnoDatoteke.h"
#include "PlatnoZapis.h"
#include "RezervaMemorije.h"
#include "UcitavanjeSlucaja.h"

namespace {

constexpr std::int32_t kNajvecaSirinaZapisa = 100000;
constexpr std::int32_t kNajvecaSirinaSlike = 10000;
constexpr std::string_view kPorukaSnimanja = "Greska pri pokusaju snimanja slike!";

}  // namespace

std::vector<OpcijaKomande> OpcijeIzlaza(std::string_view komanda, TIzlazCrteza& o) {
    const auto mera = [komanda](std::string_view ime, std::int32_t& cilj) {
        return [komanda, ime, &cilj](std::string_view v) -> std::optional<int> {
            try {
                cilj = TekstUCeoBroj(v);
            } catch (const EGreskaKonverzije&) {
                return PogresnaUpotreba(
                    komanda, "--" + std::string(ime) + " trazi ceo broj, a ne " + std::string(v));
            }
            if (cilj < 0)
                return PogresnaUpotreba(komanda,
                                        "--" + std::string(ime) + " ne moze biti negativna");
            return std::nullopt;
        };
    };
    return {
        Zastavica("zapis", o.zapis),
        {"izlaz", "--izlaz trazi ime slike",
         [&o](std::string_view v) {
             o.izlaz = std::string(v);
             return std::optional<int>();
         }},
        {"sirina", "--sirina trazi broj tacaka", mera("sirina", o.sirina)},
        {"visina", "--visina trazi broj tacaka", mera("visina", o.visina)},
    };
}

std::optional<int> ProveriIzlaz(std::string_view komanda, const TIzlazCrteza& o) {
    if (o.zapis && o.izlaz)
        return PogresnaUpotreba(komanda,
                                "--zapis i --izlaz se ne mogu zadati zajedno: --zapis ispisuje "
                                "crtanje, --izlaz snima sliku");
    if (!o.zapis && !o.izlaz) return PogresnaUpotreba(komanda, "zadajte --zapis ili --izlaz");
    // Known before anything is read or drawn.
    if (o.izlaz && !FormatSlike(*o.izlaz))
        return PogresnaUpotreba(komanda,
                                "nepoznat format slike (.png, .pdf ili .svg): " + *o.izlaz);
    const std::int32_t najvise = o.zapis ? kNajvecaSirinaZapisa : kNajvecaSirinaSlike;
    const std::int32_t najmanje = o.zapis ? 0 : 1;
    if (o.sirina < najmanje || o.sirina > najvise || o.visina < najmanje || o.visina > najvise)
        return PogresnaUpotreba(komanda, "sirina i visina moraju biti od " +
                                             std::to_string(najmanje) + " do " +
                                             std::to_string(najvise));
    return std::nullopt;
}

int IspisiCrtez(std::string_view komanda, const TIzlazCrteza& o, const TFont& font,
                const std::function<void(TPlatno&)>& crtaj, bool saFontovima) {
    if (o.zapis)
        return IspisiIzlaz(komanda, [&] {
            TPlatnoZapis platno(font);
            platno.SaFontovima = saFontovima;
            crtaj(platno);
            return platno.Zapis();
        });

    try {
        // Starting Qt's platform and fonts is itself a part of the drawing
        // that does not survive memory running out.
        ProveriRezervu();
        // Fonts need a GUI application; the command line never has a window.
        int argcQt = 3;
        char ime[] = "lastovar-cli", opcija[] = "-platform", platforma[] = "offscreen";
        char* argvQt[] = {ime, opcija, platforma, nullptr};
        const QGuiApplication aplikacija(argcQt, argvQt);
        NacrtajUDatoteku(*o.izlaz, o.sirina, o.visina, font, crtaj);
    } catch (const EGreskaFajla& e) {
        PrijaviGreskuFajla(komanda, kPorukaSnimanja, e);
        return kIzlazDatoteka;
    } catch (const std::bad_alloc&) {
        PrijaviNestasicuMemorije(komanda, kPorukaSnimanja, *o.izlaz);
        return kIzlazDatoteka;
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include <optional>
#include <string>
#include <vector>

#include "FormatBroja.h"
#include "IzlazCrteza.h"
#include "Komande.h"
#include "Konverzija.h"
#include "OpcijeDejstava.h"
#include "OpcijeKomande.h"
#include "OpcijeModela.h"
#include "PolozajVozaDijagram.h"
#include "RegionalniSeparator.h"
#include "UcitavanjeSlucaja.h"
#include "VozUPolozaju.h"

namespace {

constexpr std::string_view kKomanda = "polozaj";

struct Opcije {
    std::optional<std::string> datoteka;
    TIzlazCrteza izlaz{false, std::nullopt, 1000, 800};
    std::optional<std::string> x;
    std::optional<std::string> p1;
    bool obaSmera = false;
    TOpcijeDejstava dejstva;
    TOpcijeModela model;
};

// Reads the options; answers the exit code when the command is to stop.
// The numbers are read once the load case is known, with its separator.
std::optional<int> ProcitajOpcijePolozaja(int argc, char** argv, std::string_view pomoc,
                                          Opcije& o) {
    const auto tekst = [](std::optional<std::string>& cilj) {
        return [&cilj](std::string_view v) {
            cilj = std::string(v);
            return std::optional<int>();
        };
    };
    std::vector<OpcijaKomande> opcije = OpcijeIzlaza(kKomanda, o.izlaz);
    opcije.push_back({"x", "--x trazi apscisu preseka", tekst(o.x)});
    opcije.push_back({"p1", "--p1 trazi polozaj prve sile", tekst(o.p1)});
    opcije.push_back(Zastavica("oba-smera", o.obaSmera));
    for (OpcijaKomande& d : OpcijeDejstava(o.dejstva)) opcije.push_back(std::move(d));
    // --x is the command's own: the section it draws.
    for (OpcijaKomande& m : OpcijeModela(o.model, false)) opcije.push_back(std::move(m));
    if (const auto kraj = ProcitajOpcije(argc, argv, pomoc, opcije, o.datoteka)) return kraj;
    return ProveriIzlaz(kKomanda, o.izlaz);
}

// A number of an option within [od, do]; the exit code of a wrong one.
std::optional<int> Broj(std::string_view ime, const std::string& tekst, char sep, double od,
                        double doKraja, double& cilj) {
    try {
        cilj = TekstUBroj(tekst, sep);
    } catch (const EGreskaKonverzije&) {
        return PogresnaUpotreba(kKomanda, "--" + std::string(ime) + " trazi broj, a ne " + tekst);
    }
    if (!(cilj >= od && cilj <= doKraja))
        return PogresnaUpotreba(kKomanda, "--" + std::string(ime) + " mora biti od " +
                                              FormatBroja(od, sep) + " do " +
                                              FormatBroja(doKraja, sep));
    return std::nullopt;
}

}  // namespace

int KomandaPolozaj(int argc, char** argv, std::string_view pomoc) {
    Opcije o;
    if (const auto kraj = ProcitajOpcijePolozaja(argc, argv, pomoc, o)) return *kraj;

    const char sep = RegionalniSeparator();
    SadrzajDatoteke slucaj;
    TUlazPolozaja ulaz;
    if (const auto greska =
            UcitajSlucaj(kKomanda, o.datoteka, sep, slucaj, ulaz.dejstva, false, &o.model))
        return *greska;
    const TPodaci podaci = ZapisIzTekstova(slucaj.Tekstovi, sep);
    const TVoz voz(podaci, slucaj.BrojSila);
    if (const auto greska =
            PrimeniDejstva(kKomanda, o.dejstva, sep, voz.R(), voz.Raspon(), ulaz.dejstva))
        return *greska;

    ulaz.decimalniSeparator = sep;
    ulaz.smer = o.obaSmera ? TSmerVoza::Oba : TSmerVoza::Napred;
    ulaz.x = podaci.ProizvoljnoX();
    if (o.x)
        if (const auto greska = Broj("x", *o.x, sep, 0.0, voz.Raspon(), ulaz.x)) return *greska;
    if (o.p1) {
        ulaz.obrnut = PrelazObrnut(voz, ulaz.x, ulaz.smer);
        const TOpsegPrelaza opseg = OpsegPrelaza(voz, ulaz.obrnut);
        double p1 = 0;
        if (const auto greska = Broj("p1", *o.p1, sep, opseg.Od, opseg.Do, p1)) return *greska;
        ulaz.p1 = p1;
    }

    const std::int32_t W = o.izlaz.sirina, H = o.izlaz.visina;
    // The trace names the fonts: what a text's box is follows from them.
    return IspisiCrtez(
        kKomanda, o.izlaz, FontProzoraDijagrama(),
        [&](TPlatno& p) { NacrtajPolozajVoza(p, W, H, voz, ulaz); }, true);
}

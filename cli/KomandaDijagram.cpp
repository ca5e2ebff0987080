// SPDX-License-Identifier: GPL-3.0-or-later
#include <optional>
#include <string>
#include <vector>

#include "IzlazCrteza.h"
#include "Komande.h"
#include "NacrtajDijagrame.h"
#include "OpcijeKomande.h"
#include "OpcijeModela.h"
#include "RegionalniSeparator.h"
#include "UcitavanjeSlucaja.h"

namespace {

constexpr std::string_view kKomanda = "dijagram";

struct Opcije {
    std::optional<std::string> datoteka;
    TIzlazCrteza izlaz{false, std::nullopt, 800, 600};
    bool stampa = false;
    bool tacno = false;
    TOpcijeModela model;
};

// Reads the options; answers the exit code when the command is to stop.
std::optional<int> ProcitajOpcijeDijagrama(int argc, char** argv, std::string_view pomoc,
                                           Opcije& o) {
    std::vector<OpcijaKomande> opcije = OpcijeIzlaza(kKomanda, o.izlaz);
    opcije.push_back(Zastavica("stampa", o.stampa));
    opcije.push_back(Zastavica("tacno", o.tacno));
    for (OpcijaKomande& m : OpcijeModela(o.model)) opcije.push_back(std::move(m));
    if (const auto kraj = ProcitajOpcije(argc, argv, pomoc, opcije, o.datoteka)) return kraj;
    return ProveriIzlaz(kKomanda, o.izlaz);
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
    if (const auto greska =
            UcitajSlucaj(kKomanda, o.datoteka, ulaz.decimalniSeparator, slucaj, &o.model))
        return *greska;
    ulaz.tekstovi = slucaj.Tekstovi;
    ulaz.brojSila = slucaj.BrojSila;
    ulaz.tacnaAnvelopa = o.tacno;

    // The picture stands for the diagram window's client area.
    const std::string_view cilj = o.stampa ? kZaStampac : kZaProgram;
    const std::int32_t W = o.izlaz.sirina, H = o.izlaz.visina;
    return IspisiCrtez(kKomanda, o.izlaz, FontPosleCrtanja(), [&](TPlatno& p) {
        NacrtajDijagrame(p, W, H, cilj, {p, W, H}, ulaz);
    });
}

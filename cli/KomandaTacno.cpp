#include <iostream>
#include <optional>
#include <string>

#include "IzvestajTacneAnvelope.h"
#include "Komande.h"
#include "RegionalniSeparator.h"
#include "UcitavanjeSlucaja.h"

int KomandaTacno(std::span<const std::string_view> argumenti) {
    bool obaSmera = false;
    bool opcije = true;
    std::optional<std::string> putanja;
    for (const std::string_view a : argumenti) {
        if (opcije && a == "--") {
            opcije = false;
        } else if (opcije && a == "--oba-smera") {
            obaSmera = true;
        } else if (opcije && a.starts_with("-")) {
            std::cerr << "lastovar-cli tacno: nepoznata opcija " << a << "\n";
            return kIzlazPogresnaUpotreba;
        } else if (putanja) {
            std::cerr << "lastovar-cli tacno: samo jedna datoteka se moze zadati\n";
            return kIzlazPogresnaUpotreba;
        } else {
            putanja = std::string(a);
        }
    }

    const char sep = RegionalniSeparator();
    SadrzajDatoteke slucaj;
    if (const auto greska = UcitajSlucaj(putanja, sep, slucaj)) return *greska;

    const TSmerVoza smer = obaSmera ? TSmerVoza::Oba : TSmerVoza::Napred;
    for (const std::string& linija :
         IzvestajTacneAnvelope(slucaj.Tekstovi, slucaj.BrojSila, sep, smer))
        std::cout << linija << "\n";
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "lastovar-cli tacno: greska pri pisanju izlaza\n";
        return kIzlazDatoteka;
    }
    return 0;
}

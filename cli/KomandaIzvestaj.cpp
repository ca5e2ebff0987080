#include <iostream>
#include <optional>
#include <string>

#include "IzvestajLastovar.h"
#include "Komande.h"
#include "RegionalniSeparator.h"
#include "UcitavanjeSlucaja.h"

int KomandaIzvestaj(std::span<const std::string_view> argumenti) {
    bool crlf = false;
    bool opcije = true;
    std::optional<std::string> putanja;
    for (const std::string_view a : argumenti) {
        if (opcije && a == "--") {
            opcije = false;
        } else if (opcije && a == "--crlf") {
            crlf = true;
        } else if (opcije && a.starts_with("-")) {
            std::cerr << "lastovar-cli izvestaj: nepoznata opcija " << a << "\n";
            return kIzlazPogresnaUpotreba;
        } else if (putanja) {
            std::cerr << "lastovar-cli izvestaj: samo jedna datoteka se moze zadati\n";
            return kIzlazPogresnaUpotreba;
        } else {
            putanja = std::string(a);
        }
    }

    const char sep = RegionalniSeparator();
    SadrzajDatoteke slucaj;
    if (const auto greska = UcitajSlucaj(putanja, sep, slucaj)) return *greska;

    const IzvestajLastovar izvestaj =
        SastaviIzvestaj(slucaj.Tekstovi, std::to_string(slucaj.BrojSila), slucaj.BrojSila, sep);
    const char* kraj = crlf ? "\r\n" : "\n";
    for (const std::string& linija : izvestaj.Linije) std::cout << linija << kraj;
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "lastovar-cli izvestaj: greska pri pisanju izlaza\n";
        return kIzlazDatoteka;
    }
    return 0;
}

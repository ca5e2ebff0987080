// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <string>

#include "Ispis.h"
#include "Komande.h"
#include "OpcijeModela.h"

int KomandaModeli(int argc, char** argv, std::string_view pomoc) {
    std::optional<std::string> nista;
    if (const auto kraj = ProcitajOpcije(argc, argv, pomoc, {}, nista)) return *kraj;
    if (nista) return PogresnaUpotreba("modeli", "komanda ne uzima datoteku");
    return IspisiIzlaz("modeli", [] {
        std::string izlaz;
        for (const TStavkaKataloga& s : KatalogPrograma()) {
            izlaz += Vidljivo(s.Oznaka) + ": ";
            if (!s.Model) {
                izlaz += "ostecen model (" + Vidljivo(s.Greska) + ")\n";
                continue;
            }
            izlaz += Vidljivo(s.Model->Naziv);
            izlaz += s.Korisnicki ? "; sopstveni model" : "; " + Vidljivo(s.Model->Izvor);
            izlaz += "\n";
        }
        return izlaz;
    });
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "UcitavanjeSlucaja.h"

#include <unistd.h>

#include <iostream>

#include "GreskaFajla.h"
#include "Ispis.h"
#include "Konverzija.h"
#include "OgranicenoCitanje.h"
#include "OpcijeModela.h"
#include "ProvereUnosa.h"

namespace {

// The input form right after start: its default texts, two forces.
SadrzajDatoteke PodrazumevaniSlucaj(char sep) {
    TekstoviUnosa t = PodrazumevaniTekstovi(sep);
    const std::int32_t preseka = TekstUCeoBroj(t.BrojPreseka);
    return SadrzajDatoteke{std::move(t), 2, preseka};
}

std::string ProcitajBajtove(const std::string& putanja) {
    const TNastavakCitanja dodatak{kOznakaDodatka, kLinijaDodatka};
    if (putanja == kStandardniUlaz)
        return ProcitajPocetak(STDIN_FILENO, putanja, kBrojLinijaDatoteke, kNajviseBajtovaDatoteke,
                               dodatak);
    return ProcitajPocetak(putanja, kBrojLinijaDatoteke, kNajviseBajtovaDatoteke, dodatak);
}

}  // namespace

std::optional<int> UcitajSlucaj(std::string_view komanda, const std::optional<std::string>& putanja,
                                char sep, SadrzajDatoteke& slucaj, const TOpcijeModela* model) {
    TProracunskaDejstva dejstva;
    return UcitajSlucaj(komanda, putanja, sep, slucaj, dejstva, false, model);
}

std::optional<int> UcitajSlucaj(std::string_view komanda, const std::optional<std::string>& putanja,
                                char sep, SadrzajDatoteke& slucaj, TProracunskaDejstva& dejstva,
                                bool vozDuziOdRaspona, const TOpcijeModela* model) {
    slucaj = PodrazumevaniSlucaj(sep);
    dejstva = {};
    if (putanja) {
        try {
            const std::string bajtovi = ProcitajBajtove(*putanja);
            slucaj = ProcitajDatoteku(bajtovi, sep);
            dejstva = DejstvaIzDodatka(ProcitajDodatak(bajtovi));
        } catch (const EGreskaFajla& e) {
            PrijaviGreskuFajla(komanda, kPorukaOtvaranja, e);
            return kIzlazDatoteka;
        } catch (const EGreskaDatoteke& e) {
            std::cerr << e.what() << "\n";
            return kIzlazDatoteka;
        } catch (const EGreskaDodatka& e) {
            std::cerr << e.what() << "\n";
            return kIzlazDatoteka;
        }
    }

    if (model)
        if (const auto greska = PrimeniModel(komanda, *model, sep, slucaj, dejstva)) return greska;

    const auto prikazi = [](std::string_view poruka) { std::cerr << poruka << "\n"; };
    const auto nistaZaBrisanje = [] {};
    if (!ProveraTipa(slucaj.Tekstovi, sep, prikazi, nistaZaBrisanje)) return kIzlazPodaci;
    if (!ProveraVrednosti(slucaj.Tekstovi, slucaj.BrojSila, sep, nistaZaBrisanje,
                          vozDuziOdRaspona)) {
        prikazi(kPorukaVrednosti);
        return kIzlazPodaci;
    }
    return std::nullopt;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "DejstvaStrane.h"

#include <string>

#include "Konverzija.h"
#include "UlazStrane.h"

using emscripten::val;

namespace {

// The panel's number fields, named as the desktop dialog's controls, in the
// dialog's order.
struct TPoljeDejstva {
    const char* kontrola;
    const char* ime;
    std::string TTekstoviDejstava::*tekst;
    double TProracunskaDejstva::*vrednost;
};

constexpr TPoljeDejstva kPolja[] = {
    {"txtQ", "q", &TTekstoviDejstava::q, &TProracunskaDejstva::q},
    {"txtRazmak", "c", &TTekstoviDejstava::c, &TProracunskaDejstva::c},
    {"txtG", "g", &TTekstoviDejstava::g, &TProracunskaDejstva::g},
    {"txtFi", "Fi", &TTekstoviDejstava::Fi, &TProracunskaDejstva::Fi},
    {"txtGamaG", "GamaG", &TTekstoviDejstava::GamaG, &TProracunskaDejstva::GamaG},
    {"txtGamaQ", "GamaQ", &TTekstoviDejstava::GamaQ, &TProracunskaDejstva::GamaQ},
};

constexpr std::string_view kBiloGde = "bilo-gde", kUzVoz = "uz-voz";

}  // namespace

void DejstvaIzJs(const val& objekat, TTekstoviDejstava& t) {
    if (objekat.isUndefined() || objekat.isNull()) return;
    for (const TPoljeDejstva& p : kPolja)
        if (const val v = objekat[p.ime]; v.isString())
            t.*p.tekst = Latin1IzUtf8(v.as<std::string>());
    if (const val r = objekat["RasporedQ"]; r.isString())
        t.Raspored =
            r.as<std::string>() == kUzVoz ? TRasporedQ::IspredIIzaVoza : TRasporedQ::BiloGde;
    if (const val f = objekat["FiNaQ"]; !f.isUndefined()) t.FiNaQ = f.isTrue();
}

val DejstvaUJs(const TTekstoviDejstava& t) {
    val o = val::object();
    for (const TPoljeDejstva& p : kPolja) o.set(p.ime, Utf8IzLatin1(t.*p.tekst));
    o.set("RasporedQ", std::string(t.Raspored == TRasporedQ::IspredIIzaVoza ? kUzVoz : kBiloGde));
    o.set("FiNaQ", t.FiNaQ);
    return o;
}

TProveraDejstava ProveriDejstva(const TTekstoviDejstava& t, char sep, double R, double L) {
    TProveraDejstava p;
    for (const TPoljeDejstva& polje : kPolja) {
        try {
            TekstUBroj(t.*polje.tekst, sep);
        } catch (const EGreskaKonverzije&) {
            p.polja.push_back(polje.kontrola);
        }
    }
    if (!p.polja.empty()) return p;
    const TProracunskaDejstva d = DejstvaIzTekstova(t, sep);
    if (DejstvaVaze(d, R, L)) {
        p.dejstva = d;
        return p;
    }
    const char* poslednjeIzmenjeno = kPolja[0].kontrola;
    for (const TPoljeDejstva& polje : kPolja) {
        TProracunskaDejstva samo;
        samo.*polje.vrednost = d.*polje.vrednost;
        if (!DejstvaVaze(samo, R, L)) {
            p.polja = {polje.kontrola};
            return p;
        }
        if (samo.*polje.vrednost != TProracunskaDejstva{}.*polje.vrednost)
            poslednjeIzmenjeno = polje.kontrola;
    }
    p.polja = {poslednjeIzmenjeno};
    return p;
}

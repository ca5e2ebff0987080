// SPDX-License-Identifier: GPL-3.0-or-later
#include "SadrzajListeProracuna.h"

#include <algorithm>
#include <string_view>

#include "FormatBroja.h"
#include "IzvestajLastovar.h"
#include "IzvestajMerodavnih.h"
#include "IzvestajTacneAnvelope.h"
#include "Linija.h"
#include "Manjak.h"
#include "OznakaVoza.h"
#include "PoredjenjeAnvelopa.h"
#include "ProracunskiProracun.h"
#include "Prosireno.h"

namespace {

constexpr const char* kNemaKlasicnog = "-";

class TPisac {
public:
    TPisac(std::int32_t brojSila, char sep, TSmerVoza smer)
        : fBrojSila(brojSila), fSep(sep), fSmer(smer) {}

    std::string B(Prosireno v, TJedinica j) const { return FormatInzenjerski(v, j, fSep); }
    std::string M(Prosireno v) const { return B(v, TJedinica::kNm); }
    std::string T(Prosireno v) const { return B(v, TJedinica::kN); }
    std::string X(Prosireno v) const { return B(v, TJedinica::m); }
    std::string Procenat(double v) const { return B(v, TJedinica::Procenat); }
    std::string Voz(bool obrnut) const { return OznakaVoza(fBrojSila, obrnut); }
    bool Oba() const { return fSmer == TSmerVoza::Oba; }

private:
    std::int32_t fBrojSila;
    char fSep;
    TSmerVoza fSmer;
};

// The five governing quantities, each with its unit and its part of the
// classical values.
struct TMerodavnaVelicina {
    const char* ime;
    TMerodavnaVrednost TMerodavneVrednosti::*vrednost;
    bool moment;
};
constexpr TMerodavnaVelicina kMerodavne[] = {
    {"Mmax [kNm]", &TMerodavneVrednosti::Mmax, true},
    {"Amax [kN]", &TMerodavneVrednosti::Amax, false},
    {"Bmax [kN]", &TMerodavneVrednosti::Bmax, false},
    {"Tmax [kN]", &TMerodavneVrednosti::Tmax, false},
    {"Tmin [kN]", &TMerodavneVrednosti::Tmin, false},
};

// The classical value beside each governing one: the diagram's Mgov, maxT
// at the left support for A and Tmax, minT at the right one for Tmin and
// its negation for B.
double KlasicnaVrednost(const TKlasicneMerodavne& k, std::size_t red) {
    switch (red) {
        case 0:
            return k.Mgov;
        case 1:
        case 3:
            return k.MaxT0;
        case 2:
            return -k.MinTL + 0.0;
        default:
            return k.MinTL;
    }
}

void DodajGrupu(TTabelaTekstova& t, std::string naslov, std::initializer_list<const char*> kolone,
                bool brojevi = true) {
    t.Grupe.push_back({std::move(naslov), t.Kolone.size(), kolone.size()});
    for (const char* k : kolone) {
        t.Kolone.emplace_back(k);
        t.Desno.push_back(brojevi && std::string_view(k) != "voz");
    }
}

void DodajKljuc(TTabelaTekstova& t, const char* kolona, bool desno) {
    t.Kolone.emplace_back(kolona);
    t.Desno.push_back(desno);
}

// Where the value is reached: its section, where P1 stands, the train's
// orientation.
void Polozaj(std::vector<std::string>& red, const TMerodavnaVrednost& v, const TPisac& p) {
    red.push_back(p.X(v.x));
    red.push_back(p.X(v.Polozaj.PolozajP1));
    red.push_back(p.Voz(v.Polozaj.Obrnut));
}

TTabelaTekstova TabelaTacnih(const TSadrzajListe& s, const TPisac& p) {
    TTabelaTekstova t;
    t.Naslov = "Merodavne vrednosti voza: tacno, i klasicni proracun pored njih";
    DodajKljuc(t, "velicina", false);
    DodajGrupu(t, "tacno (svaki polozaj voza)", {"vrednost", "x [m]", "P1 na [m]", "voz"});
    DodajGrupu(t, "klasicni proracun", {"vrednost", "manjak [%]"});
    const TVoz voz(ZapisIzTekstova(s.Tekstovi, s.Separator), s.BrojSila);
    for (std::size_t i = 0; i < std::size(kMerodavne); ++i) {
        const TMerodavnaVelicina& m = kMerodavne[i];
        const TMerodavnaVrednost& v = s.Tacne.*m.vrednost;
        std::vector<std::string> red{m.ime, m.moment ? p.M(v.Vrednost) : p.T(v.Vrednost)};
        Polozaj(red, v, p);
        if (s.Klasicne) {
            const double k = KlasicnaVrednost(*s.Klasicne, i);
            const Prosireno skala =
                m.moment ? static_cast<Prosireno>(voz.R()) * voz.Raspon() : voz.R();
            red.push_back(m.moment ? p.M(k) : p.T(k));
            red.push_back(p.Procenat(ManjakProcenat(k, v.Vrednost, skala)));
        } else {
            red.insert(red.end(), 2, kNemaKlasicnog);
        }
        t.Redovi.push_back(std::move(red));
    }
    if (s.Klasicne) {
        t.Napomene.push_back("Klasicno: Mgov je najveci vrh parabola metode zona (u preseku x = " +
                             p.X(s.Klasicne->xMgov) +
                             " m), Amax i Tmax su maxT(0), Bmax je -minT(L), Tmin je "
                             "minT(L).");
        t.Napomene.emplace_back(
            "Manjak: (tacno - klasicno) / tacno u procentima; pozitivan je kada je klasicni "
            "proracun na strani nesigurnosti.");
    } else {
        t.Napomene.emplace_back(
            "Klasicni proracun trazi ceo voz na rasponu: voz je duzi od raspona, pa ga nema.");
    }
    return t;
}

TTabelaTekstova TabelaProracunskih(const TMerodavno& m, const TPisac& p) {
    TTabelaTekstova t;
    t.Naslov = "Merodavne vrednosti sa proracunskim dejstvima";
    DodajKljuc(t, "velicina", false);
    DodajGrupu(t, "karakteristicne (voz i q, faktori 1)",
               {"vrednost", "x [m]", "P1 na [m]", "voz"});
    DodajGrupu(t, "proracunske Ed", {"vrednost", "x [m]", "P1 na [m]", "voz"});
    for (const TMerodavnaVelicina& v : kMerodavne) {
        std::vector<std::string> red{v.ime};
        for (const TMerodavneVrednosti* blok : {&m.Karakteristicne, &m.Proracunske}) {
            const TMerodavnaVrednost& w = blok->*v.vrednost;
            red.push_back(v.moment ? p.M(w.Vrednost) : p.T(w.Vrednost));
            Polozaj(red, w, p);
        }
        t.Redovi.push_back(std::move(red));
    }
    return t;
}

// One quantity at a section, classical beside exact.
void Poredjenje(std::vector<std::string>& red, const TPoredjenje& v, bool moment, const TPisac& p) {
    red.push_back(moment ? p.M(v.Klasicno) : p.T(v.Klasicno));
    red.push_back(moment ? p.M(v.Tacno.Vrednost) : p.T(v.Tacno.Vrednost));
    red.push_back(p.Procenat(v.ManjakProcenat));
    red.push_back(p.X(v.Tacno.Polozaj.PolozajP1));
    if (p.Oba()) red.push_back(p.Voz(v.Tacno.Polozaj.Obrnut));
}

void GrupePreseka(TTabelaTekstova& t, std::initializer_list<const char*> kolone, const TPisac& p) {
    for (const char* ime : {"extM [kNm]", "maxT [kN]", "minT [kN]"}) {
        std::vector<const char*> k(kolone);
        if (p.Oba()) k.push_back("voz");
        t.Grupe.push_back({ime, t.Kolone.size(), k.size()});
        for (const char* kolona : k) {
            t.Kolone.emplace_back(kolona);
            t.Desno.push_back(std::string_view(kolona) != "voz");
        }
    }
}

TTabelaTekstova TabelaPoredjenja(const TProracunIzvestaja& proracun, TSmerVoza smer,
                                 const TPisac& p) {
    TTabelaTekstova t;
    t.Naslov = "Klasicna i tacna anvelopa u presecima izvestaja";
    DodajKljuc(t, "x [m]", true);
    GrupePreseka(t, {"klasicno", "tacno", "manjak [%]", "P1 na [m]"}, p);
    const TTabelaPoredjenja tabela = TPoredjenjeAnvelopa::Tabela(proracun, smer);
    for (const TRedPoredjenja& r : tabela.Redovi) {
        std::vector<std::string> red{p.X(r.x)};
        Poredjenje(red, r.ExtM, true, p);
        Poredjenje(red, r.MaxT, false, p);
        Poredjenje(red, r.MinT, false, p);
        t.Redovi.push_back(std::move(red));
    }
    t.Napomene.emplace_back(
        "P1 na: gde stoji P1 kada je dostignuta tacna vrednost; manjak: (tacno - klasicno) / "
        "tacno u procentima.");
    return t;
}

// The design envelope, or for a train longer than the span the exact one
// with the characteristic actions, at the report's sections.
TTabelaTekstova TabelaProracunske(const TProracunskiProracun& pp, bool proracunske,
                                  const TPisac& p) {
    TTabelaTekstova t;
    t.Naslov = proracunske ? "Proracunska anvelopa u presecima izvestaja"
                           : "Tacna anvelopa u presecima izvestaja";
    DodajKljuc(t, "x [m]", true);
    GrupePreseka(t, {proracunske ? "Ed" : "tacno", "P1 na [m]", "sila na preseku"}, p);
    for (const TRedProracunskeAnvelope& r : pp.Redovi) {
        std::vector<std::string> red{p.X(r.x)};
        const TProracunskiPresek& d = proracunske ? r.Proracunski : r.Karakteristicni;
        for (const auto* e : {&d.M, &d.MaxT, &d.MinT}) {
            red.push_back(e == &d.M ? p.M(e->Vrednost) : p.T(e->Vrednost));
            red.push_back(p.X(e->Polozaj.PolozajP1));
            red.push_back(e->Polozaj.Sila > 0 ? "P" + std::to_string(e->Polozaj.Sila) : "nijedna");
            if (p.Oba()) red.push_back(p.Voz(e->Polozaj.Obrnut));
        }
        t.Redovi.push_back(std::move(red));
    }
    return t;
}

std::string Ulaz(std::string_view pre, const std::string& tekst, std::string_view posle) {
    return Linija({pre, tekst, posle});
}

}  // namespace

std::vector<std::string> MetodaIPretpostavke(const TProracunskaDejstva& d, TSmerVoza smer) {
    std::vector<std::string> m{
        "Prosta greda raspona L (nepokretni oslonac A levo, pokretni oslonac B desno) opterecena "
        "je vozom od n vezanih koncentrisanih sila P1..Pn sa stalnim rastojanjima L1..L(n-1); "
        "voz se krece preko grede. Opterecenje je staticko: sile deluju nanize i ne menjaju se "
        "dok voz prelazi, a dinamicki uticaj ulazi samo kroz faktor fi proracunskih dejstava.",
        "Klasicni proracun (metoda zona) deli raspon na zone duzine lambda_k = P_k L / R, gde je "
        "R rezultanta voza; u zoni k merodavna je parabola momenta kada sila Pk stoji u preseku, "
        "a ceo voz je na rasponu. maxT i minT racuna sa silom P1, odnosno Pn u preseku, takodje "
        "sa celim vozom na rasponu. Zato moze dati manje od stvarnog: kada je nepovoljnije da deo "
        "voza sidje sa grede, ili kada veci uticaj daje druga sila u preseku. Mgov je najveci vrh "
        "parabola, vrednost koju dijagram klasicnog proracuna oznacava.",
        "Tacna anvelopa uzima svaki polozaj voza, i one u kojima je deo voza van raspona; sila van "
        "raspona ne nosi nista. U svakom preseku ekstrem se dostize kada neka sila stoji u "
        "preseku, pa se proveravaju svi takvi polozaji, tacno, bez koraka po polozaju. Apsolutni "
        "maksimum Mmax je najveci moment u bilo kom preseku za bilo koji polozaj voza; Amax i Bmax "
        "su najvece reakcije oslonaca. Anvelope transverzalnih sila opadaju duz grede, pa je "
        "Tmax = Amax na levom osloncu, a Tmin = -Bmax na desnom."};
    m.emplace_back(smer == TSmerVoza::Oba
                       ? "Voz moze stajati kao P1..Pn (P1 levo) ili kao Pn..P1, kada prelazi u "
                         "suprotnom smeru; uzima se nepovoljniji, a kolona voz navodi koji je "
                         "merodavan."
                       : "Voz stoji kao P1..Pn, sa P1 levo.");
    if (d.Pocetna()) {
        m.emplace_back(
            "Proracunska dejstva nisu zadata: vrednosti su karakteristicne, samo voz, svi "
            "faktori 1.");
    } else {
        m.emplace_back(
            "Karakteristicne vrednosti su vrednosti voza i podeljenog opterecenja q sa svim "
            "faktorima 1. Proracunske su Ed = gamaG Eg + gamaQ (fi Evoz + fiq Eq), gde je Eg "
            "uticaj sopstvene tezine g na celom rasponu, a fiq = fi kada fi mnozi i q, inace 1; "
            "q stoji tamo gde povecava velicinu (bilo gde) ili samo ispred i iza voza, na "
            "razmaku c od krajnjih sila.");
    }
    m.emplace_back(
        "Znak: moment koji zateze donja vlakna je pozitivan; transverzalna sila je pozitivna "
        "kada rezultanta sila levo od preseka deluje navise. Presek x se meri od levog oslonca; "
        "P1 na je apscisa sile P1, negativna kada P1 stoji levo od levog oslonca. Sile su u kN, "
        "duzine u m, momenti u kNm.");
    m.emplace_back(
        "Brojevi na listu su zaokruzeni na tri decimale (kN, kNm, m) i dve (%), a vrednost koja "
        "je nula do zaokruzivanja pise se 0; izvestaj u prilogu daje pune vrednosti.");
    return m;
}

void PopuniSadrzajListe(TSadrzajListe& s, bool poredjenje) {
    const TekstoviUnosa& t = s.Tekstovi;
    const std::int32_t n = s.BrojSila;
    const char sep = s.Separator;
    const TPisac p(n, sep, s.Smer);

    s.Sile.clear();
    s.Rastojanja.clear();
    const auto sila = static_cast<std::size_t>(std::clamp(n, 0, 6));
    for (std::size_t k = 0; k < sila; ++k)
        s.Sile.push_back(Ulaz("P" + std::to_string(k + 1) + " = ", t.P[k], " [kN]"));
    for (std::size_t k = 0; k + 1 < sila; ++k)
        s.Rastojanja.push_back(Ulaz("L" + std::to_string(k + 1) + " = ", t.Rastojanje[k], " [m]"));
    s.Ostalo = {"Broj sila: " + std::to_string(n), Ulaz("Raspon grede: L = ", t.Raspon, " [m]"),
                Ulaz("Proizvoljno rastojanje: x = ", t.ProizvoljnoX, " [m]"),
                "Broj preseka: n = " + t.BrojPreseka};

    const TPodaci podaci = ZapisIzTekstova(t, sep);
    const TVoz voz(podaci, n);
    const TProracunskiProracun pp = TProracunskiProracun::Izracunaj(podaci, n, s.Dejstva, s.Smer);
    s.Tacne = MerodavneVrednosti(voz, {}, s.Smer);
    s.Klasicne.reset();
    if (!pp.DuziOdRaspona) {
        const TJednacinaSile& gov = voz.Jednacina(voz.ZonaMaksimuma());
        // The calculator gives the shears negated; + 0.0 keeps a zero unsigned.
        s.Klasicne = TKlasicneMerodavne{gov.MaxM, gov.Teme, -voz.MaxT(0.0) + 0.0,
                                        -voz.MinT(voz.Raspon()) + 0.0};
    }
    const bool dejstva = !s.Dejstva.Pocetna();
    s.SaDejstvima = dejstva ? std::optional(pp.Merodavno) : std::nullopt;

    s.OpisDejstava =
        dejstva ? OpisDejstava(s.Dejstva, n, s.Smer, pp.DuziOdRaspona, sep)
                : std::vector<std::string>{
                      "Nisu zadata: vrednosti su karakteristicne (samo voz, svi faktori 1)."};
    s.Merodavne = {TabelaTacnih(s, p)};
    if (dejstva) s.Merodavne.push_back(TabelaProracunskih(pp.Merodavno, p));
    s.Metoda = MetodaIPretpostavke(s.Dejstva, s.Smer);

    s.Tabele.clear();
    if (pp.DuziOdRaspona) {
        // The exact envelope of the train alone stands in for the comparison.
        const TProracunskiProracun tacno =
            TProracunskiProracun::Izracunaj(podaci, n, TProracunskaDejstva{}, s.Smer);
        s.Tabele.push_back(TabelaProracunske(tacno, false, p));
    } else {
        s.Tabele.push_back(TabelaPoredjenja(TProracunIzvestaja::Izracunaj(podaci, n), s.Smer, p));
    }
    if (dejstva) s.Tabele.push_back(TabelaProracunske(pp, true, p));

    s.Izvestaj = SastaviIzvestaj(t, std::to_string(n), n, sep).Linije;
    s.Poredjenje = poredjenje ? IzvestajTacneAnvelope(t, n, sep, s.Smer, s.Dejstva)
                              : std::vector<std::string>{};
}

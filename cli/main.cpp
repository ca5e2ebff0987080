// SPDX-License-Identifier: GPL-3.0-or-later
// lastovar-cli: the calculations of Lastovar without a window. Each
// subcommand is one entry of kKomande and one file of its own.

#include <QString>
#include <QtGlobal>
#include <csignal>
#include <iostream>
#include <new>
#include <string_view>

#include "GreskaFajla.h"
#include "Ispis.h"
#include "Komande.h"
#include "UcitavanjeSlucaja.h"
#include "Verzija.h"

namespace {

struct Komanda {
    std::string_view ime;
    int (*pokreni)(int, char**, std::string_view);
    std::string_view pomoc;  // usage line, then the description indented by six blanks
};

constexpr Komanda kKomande[] = {
    {"izvestaj", &KomandaIzvestaj,
     "  izvestaj [--crlf] [--csv] [DATOTEKA.Lastovar]\n"
     "      Ispisuje izvestaj o rezultatima proracuna koji bi \"Proracun\" upisao\n"
     "      u prozor rezultata, za slucaj opterecenja iz datoteke ili, bez nje,\n"
     "      za podrazumevane podatke forme. Jedna linija izvestaja je jedna linija\n"
     "      izlaza, zavrsena sa LF (sa --crlf: CR LF, kao pri izvozu). Brojevi\n"
     "      koriste regionalni decimalni separator.\n"
     "      Sa --csv ispisuje tabele preseka kao CSV (RFC 4180, linije sa CR LF):\n"
     "      zaglavlje, pa za svaki presek x, extM, maxT i minT, brojevi sa tackom\n"
     "      i sa dovoljno cifara da se procitaju kao isti double.\n"
     "      Izlaz: 0 uspeh, 1 datoteka se ne moze procitati, 2 podaci za\n"
     "      proracun nisu ispravni.\n"},
    {"dijagram", &KomandaDijagram,
     "  dijagram [DATOTEKA.Lastovar] (--zapis | --izlaz SLIKA.png|.pdf|.svg)\n"
     "           [--sirina W] [--visina H] [--stampa] [--tacno]\n"
     "      Crta dijagrame extM i extT koje bi \"Proracun\" nacrtao u prozoru\n"
     "      dijagrama, za slucaj opterecenja iz datoteke ili, bez nje, za\n"
     "      podrazumevane podatke forme. Slika od W x H tacaka (podrazumevano\n"
     "      800 x 600) stoji umesto prozora i crta se kao svako crtanje posle\n"
     "      prvog u prozoru. Sa --stampa crta u stilu stampe, sa pocetnim\n"
     "      parametrima stampe (font 12 tacaka, podebljan; pomeranje texta 8).\n"
     "      Sa --tacno crta i tacne anvelope extM, maxT i minT tankim\n"
     "      isprekidanim zelenim linijama, sa legendom, a ispod svega svetlom\n"
     "      toplom bojom pojas gde je klasicna vrednost manja od tacne.\n"
     "      --zapis ispisuje crtanje, jednu operaciju u liniji, sve koordinate\n"
     "      celi brojevi (W, H od 0 do 100000):\n"
     "        olovka #RRGGBB W    pre linije cija olovka nije olovka prethodne\n"
     "        linija X1 Y1 X2 Y2  linija od tekuce tacke\n"
     "        tekst X Y #RRGGBB \"TEKST\"  tekst u boji fonta\n"
     "        poligon #RRGGBB X1 Y1 X2 Y2 ...  mnogougao popunjen bojom\n"
     "      --izlaz crta sliku na belom i snima je kao PNG, PDF ili SVG, po\n"
     "      nastavku imena (W, H od 1 do 10000).\n"
     "      Izlaz: 0 uspeh, 1 datoteka se ne moze procitati ili slika snimiti,\n"
     "      2 podaci za proracun nisu ispravni.\n"},
    {"tacno", &KomandaTacno,
     "  tacno [DATOTEKA.Lastovar] [--oba-smera] [--csv]\n"
     "        [PRORACUNSKE VREDNOSTI]\n"
     "      Uporedjuje klasicni proracun sa tacnom anvelopom (svi polozaji voza,\n"
     "      sile van raspona ne nose nista) u zadatom broju preseka: klasicno i\n"
     "      tacno extM, maxT i minT, manjak klasicnog u procentima tacnog i\n"
     "      kritican polozaj (gde stoji P1 i koja sila je na preseku), a posle\n"
     "      tacke i zareza ono sto presek istovremeno nosi (uz extM T levo i\n"
     "      desno od sile, uz maxT i minT M); pa najveci manjak svake velicine i\n"
     "      njegov presek, i na kraju apsolutni maksimum momenta sa presekom i\n"
     "      polozajem P1. Sa --oba-smera voz prelazi i kao Pn..P1, a uz polozaj\n"
     "      stoji i smer voza. Za slucaj opterecenja iz datoteke ili, bez nje,\n"
     "      za podrazumevane podatke forme. Brojevi koriste regionalni decimalni\n"
     "      separator.\n"
     "      Sa --csv ispisuje isto kao CSV (kao izvestaj --csv): x, klasicno i\n"
     "      tacno extM, maxT i minT, manjkovi, pa za svaku velicinu gde stoji P1,\n"
     "      koja sila je na preseku i, sa --oba-smera, smer voza.\n"
     "      Proracunske vrednosti (--q, --q-raspored, --razmak, --g, --fi, --fi-q,\n"
     "      --gama-g, --gama-q) kao kod komande merodavno; kada nisu pocetne,\n"
     "      svaki presek dobija i proracunske vrednosti (extM Ed, maxT Ed, minT Ed)\n"
     "      sa polozajem voza i deonicama q, a na kraju stoje merodavne\n"
     "      vrednosti; CSV dobija kolone Ed.\n"
     "      Izlaz: 0 uspeh, 1 datoteka se ne moze procitati, 2 podaci za\n"
     "      proracun nisu ispravni.\n"},
    {"polozaj", &KomandaPolozaj,
     "  polozaj [DATOTEKA.Lastovar] [--x X] [--oba-smera] [--p1 P]\n"
     "          (--zapis | --izlaz SLIKA.png|.pdf|.svg) [--sirina W] [--visina H]\n"
     "          [PRORACUNSKE VREDNOSTI]\n"
     "      Crta sliku \"Polozaj voza\" za presek x (podrazumevano proizvoljni\n"
     "      presek slucaja opterecenja): za extM, maxT i minT voz u tacnom\n"
     "      kriticnom polozaju (sile van raspona sive, presek oznacen, polozaj\n"
     "      P1 kotiran) i pored njega klasicni polozaj sa obe vrednosti,\n"
     "      manjkom i onim sto presek istovremeno nosi; ispod uticajne linije\n"
     "      M(x) i T(x) sa ordinatama pod silama i apsolutni maksimum pored\n"
     "      Mgov dijagrama. Sa --p1 crta jedan kadar prelaza: voz sa P1 u tacki\n"
     "      P, njegove dijagrame M i T preko anvelopa i M(x) i T(x) u preseku;\n"
     "      P je od polozaja u kome je voz ceo levo od raspona do polozaja u\n"
     "      kome je ceo desno od njega. Sa --oba-smera tacni polozaji i\n"
     "      anvelope uzimaju voz u oba smera, a kadar prelaza stoji u smeru koji\n"
     "      je merodavan za extM u preseku. X i P koriste regionalni decimalni\n"
     "      separator. --zapis, --izlaz, --sirina i --visina su kao kod\n"
     "      komande dijagram (podrazumevano 1000 x 800).\n"
     "      Proracunske vrednosti (--q, --q-raspored, --razmak, --g, --fi, --fi-q,\n"
     "      --gama-g, --gama-q) kao kod komande merodavno; kada nisu pocetne,\n"
     "      redovi pokazuju proracunske vrednosti i polozaje, a deonice q su\n"
     "      srafirana traka iznad grede.\n"
     "      Izlaz: 0 uspeh, 1 datoteka se ne moze procitati ili slika snimiti,\n"
     "      2 podaci za proracun nisu ispravni, 64 i kada X ili P nije broj u\n"
     "      dozvoljenom opsegu.\n"},
    {"list", &KomandaList,
     "  list [DATOTEKA.Lastovar] PRORACUN.pdf [--tacno] [--oba-smera]\n"
     "       [PRORACUNSKE VREDNOSTI]\n"
     "      Snima list proracuna kao PDF na stranama A4: naslov, datoteku,\n"
     "      datum, ulazne podatke kako su uneti, skicu grede i dijagrame u\n"
     "      stilu stampe na prvoj strani, pa izvestaj linija po liniju, za\n"
     "      slucaj opterecenja iz datoteke ili, bez nje, za podrazumevane\n"
     "      podatke forme. Sa --tacno dijagrami imaju i tacne anvelope, a posle\n"
     "      izvestaja sledi poredjenje sa tacnom anvelopom (sa --oba-smera u oba\n"
     "      smera voza). PDF se pravi u memoriji i snima sve ili nista.\n"
     "      Proracunske vrednosti (--q, --q-raspored, --razmak, --g, --fi, --fi-q,\n"
     "      --gama-g, --gama-q) kao kod komande merodavno; kada nisu pocetne,\n"
     "      posle izvestaja slede merodavne vrednosti (a poredjenje dobija i\n"
     "      proracunske vrednosti u presecima).\n"
     "      Izlaz: 0 uspeh, 1 datoteka se ne moze procitati ili PDF snimiti,\n"
     "      2 podaci za proracun nisu ispravni.\n"},
    {"merodavno", &KomandaMerodavno,
     "  merodavno [DATOTEKA.Lastovar] [--q Q] [--q-raspored bilo-gde|uz-voz]\n"
     "            [--razmak C] [--g G] [--fi F] [--fi-q] [--gama-g G] [--gama-q G]\n"
     "            [--oba-smera] [--csv]\n"
     "      Ispisuje merodavne vrednosti, karakteristicne (voz i q, svi faktori\n"
     "      1) pa proracunske: Mmax sa presekom, Amax, Bmax, Tmax i Tmin sa\n"
     "      presekom, svaku sa polozajem P1 i smerom voza. Proracunska vrednost\n"
     "      je gama-g E(g) + gama-q (fi E(voz) + fi_q E(q)), fi_q = fi sa --fi-q,\n"
     "      inace 1. q [kN/m] ide uz voz: bilo-gde (pocetno; opterecuje tacno\n"
     "      delove raspona gde povecava velicinu) ili uz-voz (samo ispred prve\n"
     "      i iza poslednje sile, ne blize od razmaka C [m]). g [kN/m] je\n"
     "      sopstvena tezina na celom rasponu. Pocetne vrednosti: q, C i g 0,\n"
     "      fi, gama-g i gama-q 1. Opcije zamenjuju vrednosti iz dodatka\n"
     "      datoteke. Voz duzi od raspona je dozvoljen. Sa --oba-smera voz\n"
     "      prelazi i kao Pn..P1. Brojevi koriste regionalni decimalni separator.\n"
     "      Sa --csv ispisuje proracunsku i karakteristicnu anvelopu u presecima\n"
     "      izvestaja kao CSV (kao izvestaj --csv), sa zaglavljem\n"
     "      x,MEd_max,TEd_max,TEd_min,Mk_max,Tk_max,Tk_min.\n"
     "      Izlaz: 0 uspeh, 1 datoteka se ne moze procitati, 2 podaci za\n"
     "      proracun ili proracunske vrednosti nisu ispravni.\n"},
    {"modeli", &KomandaModeli,
     "  modeli\n"
     "      Ispisuje modele opterecenja: ugradjene (propisi, sa izvorom) pa\n"
     "      sopstvene iz $XDG_DATA_HOME/lastovar/modeli (~/.local/share kada\n"
     "      nije zadat), po liniju: oznaka, naziv i izvor; ostecen model sa\n"
     "      razlogom. Svaka komanda koja uzima slucaj opterecenja uzima i\n"
     "      --model IME (naziv ili oznaka): sile, razmaci i dejstva saobracaja\n"
     "      (q, raspored, razmak, fi za raspon, fi-q, gama-q) iz modela, a\n"
     "      raspon, x i broj preseka iz datoteke ili podrazumevanih podataka;\n"
     "      --raspon L, --x X i --preseci N ih zamenjuju.\n"
     "      Izlaz: 0 uspeh; za --model: 64 nepoznat model, 1 ostecen model.\n"},
    {"raspon", &KomandaRaspon,
     "  raspon --model IME --od A --do B --korak S [--g G] [--gama-g G]\n"
     "         [--oba-smera] [--csv]\n"
     "      Tabela raspona: za raspone A, A + S, ... do B merodavne vrednosti\n"
     "      modela, karakteristicne (Mmax sa presekom, Amax = Tmax) i\n"
     "      proracunske (sa fi za taj raspon), i koliko je Mmax klasicnog\n"
     "      proracuna (Mgov) manji od tacnog Mmax voza u procentima (ako voz\n"
     "      staje na raspon). --g i --gama-g su sopstvena tezina grede i njen\n"
     "      faktor. Sa --csv ispisuje CSV sa zaglavljem\n"
     "      raspon,Mk_max,x_Mk,Ak_max,MEd_max,AEd_max,manjak_extM_pct.\n"
     "      Izlaz: 0 uspeh, 1 ostecen model, 2 proracunske vrednosti nisu\n"
     "      ispravne, 64 nepoznat model ili pogresan opseg.\n"},
};

void Pomoc(std::ostream& izlaz) {
    izlaz << "lastovar-cli " << kVerzija
          << "\n\n"
             "Upotreba: lastovar-cli KOMANDA [ARGUMENTI]\n"
             "          lastovar-cli KOMANDA --help\n"
             "          lastovar-cli --help\n"
             "          lastovar-cli --version\n\n"
             "Opcija sa vrednoscu se zadaje kao --opcija VREDNOST ili --opcija=VREDNOST.\n"
             "DATOTEKA - cita slucaj opterecenja sa standardnog ulaza.\n\n"
             "Komande:\n";
    for (const Komanda& k : kKomande) izlaz << "\n" << k.pomoc;
    izlaz << "\nPogresna upotreba komandne linije zavrsava sa izlazom " << kIzlazPogresnaUpotreba
          << ".\n";
}

bool JePomoc(std::string_view a) { return a == "--help" || a == "-h"; }

// Only the program's own messages reach standard error: the toolkit's
// warnings (a missing runtime folder, a font substituted) are dropped, and
// only a fatal one, which ends the program, is let through.
void SamoFatalne(QtMsgType tip, const QMessageLogContext&, const QString& poruka) {
    if (tip == QtFatalMsg) std::cerr << poruka.toLocal8Bit().constData() << "\n";
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(SamoFatalne);
    // Under a file size limit a write then fails and is reported, instead
    // of the signal ending the program half way.
    std::signal(SIGXFSZ, SIG_IGN);
    if (argc < 2) {
        Pomoc(std::cerr);
        return kIzlazPogresnaUpotreba;
    }
    const std::string_view prvi = argv[1];
    if (JePomoc(prvi)) {
        Pomoc(std::cout);
        return 0;
    }
    if (prvi == "--version") {
        std::cout << "lastovar-cli " << kVerzija << "\n";
        return 0;
    }
    for (const Komanda& k : kKomande) {
        if (k.ime != prvi) continue;
        // A command reports memory running out where it makes its output;
        // anywhere else (reading the data, checking them) it ends here.
        try {
            return k.pokreni(argc - 1, argv + 1, k.pomoc);
        } catch (const std::bad_alloc&) {
            std::cerr << "lastovar-cli " << k.ime << ": " << kNemaMemorije << "\n";
            return kIzlazDatoteka;
        }
    }
    std::cerr << "lastovar-cli: nepoznata komanda " << Vidljivo(prvi)
              << " (lastovar-cli --help daje spisak)\n";
    return kIzlazPogresnaUpotreba;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "StranaLastovar.h"

#include <stdexcept>
#include <utility>
#include <vector>

#include "AnvelopaPoKolonama.h"
#include "DatotekaLastovar.h"
#include "DejstvaStrane.h"
#include "DodatakDatoteke.h"
#include "IzvestajLastovar.h"
#include "IzvestajMerodavnih.h"
#include "Konverzija.h"
#include "ListProracuna.h"
#include "ManjakKlasicnog.h"
#include "NacrtajDijagrame.h"
#include "PlatnoSvg.h"
#include "PolozajVozaDijagram.h"
#include "ProracunskaAnvelopa.h"
#include "ProracunskaAnvelopaDijagram.h"
#include "ProracunskiProracun.h"
#include "SadrzajListeProracuna.h"
#include "TabeleCsv.h"
#include "VozUPolozaju.h"

using emscripten::val;

namespace {

inline constexpr std::string_view kNazivDijagrama = "Dijagram extM i extT";
inline constexpr std::string_view kNazivPolozaja = "Polozaj voza";
inline constexpr std::string_view kNazivSlike = "Slika lista proracuna";
inline constexpr std::string_view kNazivProracunske = "Proracunska anvelopa";

// The controls of the thirteen texts, in the order the parse check reads them.
struct TPoljeTeksta {
    const char* kontrola;
    std::string TekstoviUnosa::*tekst = nullptr;
    std::size_t indeks = 0;
    bool sila = false;
};

constexpr TPoljeTeksta kPolja[] = {
    {"txtP1", nullptr, 0, true},
    {"txtP2", nullptr, 1, true},
    {"txtP3", nullptr, 2, true},
    {"txtP4", nullptr, 3, true},
    {"txtP5", nullptr, 4, true},
    {"txtP6", nullptr, 5, true},
    {"txtProizvoljnoX", &TekstoviUnosa::ProizvoljnoX},
    {"txtRastojanje1", nullptr, 0},
    {"txtRastojanje2", nullptr, 1},
    {"txtRastojanje3", nullptr, 2},
    {"txtRastojanje4", nullptr, 3},
    {"txtRastojanje5", nullptr, 4},
    {"txtRaspon", &TekstoviUnosa::Raspon},
};

const std::string& Tekst(const TekstoviUnosa& t, const TPoljeTeksta& p) {
    if (p.tekst) return t.*p.tekst;
    return p.sila ? t.P[p.indeks] : t.Rastojanje[p.indeks];
}

// The control of a field the value check names: the texts' controls in the
// order of TPoljeUnosa, then the force count.
const char* Kontrola(TPoljeUnosa polje) {
    const auto i = static_cast<std::size_t>(polje);
    return i < std::size(kPolja) ? kPolja[i].kontrola : "SpinEditBrojSila";
}

val Odbijeno(std::string_view poruka, const std::vector<const char*>& kontrole) {
    val o = val::object();
    o.set("poruka", std::string(poruka));
    val polja = val::array();
    for (const char* k : kontrole) polja.call<void>("push", std::string(k));
    o.set("polja", polja);
    return o;
}

// The canvas as every drawing of the desktop's diagram window after its
// first leaves it, as `lastovar-cli dijagram` draws.
TFont FontPosleCrtanja() {
    TFont f = FontProzoraDijagrama();
    f.Podebljan = true;
    f.PostaviVelicinu(12);
    return f;
}

TUlazDijagrama UlazDijagrama(const TUlazStrane& u) {
    TUlazDijagrama d;
    d.tekstovi = u.tekstovi;
    d.brojSila = u.brojSila;
    d.decimalniSeparator = u.separator;
    d.tacnaAnvelopa = u.tacnaAnvelopa;
    d.smerVoza = u.smer;
    return d;
}

TVoz Voz(const TUlazStrane& u) {
    return TVoz(ZapisIzTekstova(u.tekstovi, u.separator), u.brojSila);
}

}  // namespace

val TStranaLastovar::Racunaj(const val& ulaz, int sirina, int visina) {
    TUlazStrane u = UlazIzJs(ulaz);
    std::vector<const char*> pogresni;
    for (const TPoljeTeksta& p : kPolja) {
        try {
            TekstUBroj(Tekst(u.tekstovi, p), u.separator);
        } catch (const EGreskaKonverzije&) {
            pogresni.push_back(p.kontrola);
        }
    }
    const auto nista = [] {};
    if (!ProveraTipa(
            u.tekstovi, u.separator, [](std::string_view) {}, nista))
        return Odbijeno(kPorukaTipa,
                        pogresni.empty() ? std::vector{"SpinEditBrojPreseka"} : pogresni);
    if (const auto polje =
            OdbijenoPolje(u.tekstovi, u.brojSila, u.separator, u.proracunskaAnvelopa))
        return Odbijeno(kPorukaVrednosti, {Kontrola(*polje)});
    const TVoz voz = Voz(u);
    const TProveraDejstava dejstva = ProveriDejstva(u.dejstva, u.separator, voz.R(), voz.Raspon());
    if (!dejstva.dejstva) return Odbijeno(kPorukaDejstava, dejstva.polja);

    fDejstva = u.proracunskaAnvelopa ? *dejstva.dejstva : TProracunskaDejstva{};
    fUlaz = std::move(u);
    const TUlazStrane& p = *fUlaz;
    const IzvestajLastovar izvestaj =
        SastaviIzvestaj(p.tekstovi, std::to_string(p.brojSila), p.brojSila, p.separator);
    std::string linije;
    for (const std::string& l : izvestaj.Linije) linije += l + '\n';

    // The status line compares the envelopes the drawing computed for the
    // exact ones, or computes them where it drew none.
    std::optional<TAnvelopaPoKolonama> anvelopa;
    TUlazDijagrama ulazDijagrama = UlazDijagrama(p);
    ulazDijagrama.anvelopa = [&anvelopa](const TAnvelopaPoKolonama& a) { anvelopa = a; };
    TPlatnoSvg platno(sirina, visina, FontPosleCrtanja());
    fOkvir = NacrtajDijagrame(platno, sirina, visina, kZaProgram, {platno, sirina, visina},
                              ulazDijagrama);
    const TPodaci zapis = ZapisIzTekstova(p.tekstovi, p.separator);
    std::vector<TManjakKlasicnog> manjkovi;
    if (fOkvir.sadrzaj == TSadrzajCrteza::Dijagrami) {
        if (!anvelopa) anvelopa = AnvelopaPoKolonama(fOkvir, voz, p.smer);
        manjkovi = ManjakKlasicnog(fOkvir, *anvelopa, zapis.BrojPreseka());
    }
    double presek = 0;
    double najveci = -1;
    for (const TManjakKlasicnog& m : manjkovi)
        if (m.Procenat > najveci) {
            najveci = m.Procenat;
            presek = static_cast<double>(m.x);
        }

    val o = Odbijeno("", {});
    o.set("x", zapis.ProizvoljnoX());
    o.set("raspon", zapis.Raspon());
    o.set("izvestaj", Utf8IzLatin1(linije));
    o.set("svg", Utf8IzLatin1(platno.Svg(kNazivDijagrama)));
    o.set("upozorenje", Utf8IzLatin1(TekstUpozorenja(manjkovi, p.separator)));
    o.set("presekUpozorenja", manjkovi.empty() ? val::null() : val(presek));
    o.set("staje", voz.StajeNaRaspon());
    return o;
}

const TUlazStrane& TStranaLastovar::Prihvaceno() const {
    if (!fUlaz) throw std::logic_error("nijedan slucaj opterecenja nije prihvacen");
    return *fUlaz;
}

std::string TStranaLastovar::Dijagram(bool stampa, int sirina, int visina) const {
    TPlatnoSvg platno(sirina, visina, FontPosleCrtanja());
    NacrtajDijagrame(platno, sirina, visina, stampa ? kZaStampac : kZaProgram,
                     {platno, sirina, visina}, UlazDijagrama(Prihvaceno()));
    return Utf8IzLatin1(platno.Svg(kNazivDijagrama));
}

val TStranaLastovar::PresekKlika(int kolona) const {
    const std::optional<double> x = fOkvir.PresekKlika(kolona);
    return x ? val(*x) : val::null();
}

val TStranaLastovar::Prelaz(double x) const {
    const TUlazStrane& u = Prihvaceno();
    const TVoz voz = Voz(u);
    const bool obrnut = PrelazObrnut(voz, x, u.smer);
    const TOpsegPrelaza opseg = OpsegPrelaza(voz, obrnut);
    val o = val::object();
    o.set("Od", opseg.Od);
    o.set("Do", opseg.Do);
    o.set("obrnut", obrnut);
    return o;
}

std::string TStranaLastovar::Polozaj(double x, const val& p1, int sirina, int visina) const {
    const TUlazStrane& u = Prihvaceno();
    const TVoz voz = Voz(u);
    TUlazPolozaja ulaz;
    ulaz.x = x;
    ulaz.smer = u.smer;
    ulaz.decimalniSeparator = u.separator;
    ulaz.dejstva = fDejstva;
    if (p1.isNumber()) {
        ulaz.p1 = p1.as<double>();
        ulaz.obrnut = PrelazObrnut(voz, x, u.smer);
    }
    TPlatnoSvg platno(sirina, visina, FontProzoraDijagrama());
    NacrtajPolozajVoza(platno, sirina, visina, voz, ulaz);
    return Utf8IzLatin1(platno.Svg(kNazivPolozaja));
}

val TStranaLastovar::List(const std::string& datoteka, const std::string& datum,
                          const val& ostatak) const {
    const TUlazStrane& u = Prihvaceno();
    TSadrzajListe sadrzaj;
    // The sheet's texts are UTF-8, as JavaScript's strings cross.
    sadrzaj.Datoteka = datoteka;
    sadrzaj.Izradjeno = datum;
    if (!ostatak.isUndefined()) {
        // The opened file's title block; a block the desktop would refuse
        // leaves the title block empty.
        try {
            sadrzaj.Zaglavlje = PodaciZaListIzDodatka(
                ProcitajDodatak(std::string(kBrojLinijaDatoteke, '\n') + BajtoviIzJs(ostatak)));
        } catch (const EGreskaDodatka&) {
        }
    }
    sadrzaj.Tekstovi = u.tekstovi;
    sadrzaj.BrojSila = u.brojSila;
    sadrzaj.Separator = u.separator;
    sadrzaj.Smer = u.smer;
    sadrzaj.Dejstva = fDejstva;
    PopuniSadrzajListe(sadrzaj, u.tacnaAnvelopa);
    const TListProracuna list = SastaviList(sadrzaj);

    static constexpr const char* kPisma[] = {"naslov", "obicno", "podebljano", "nepromenljivo"};
    static constexpr const char* kPoravnanja[] = {"levo", "desno", "sredina"};
    val strane = val::array();
    for (const TStranaListe& s : list.Strane) {
        val tekstovi = val::array();
        for (const TTekstListe& t : s.Tekstovi) {
            val o = val::object();
            o.set("x", t.x);
            o.set("y", t.y);
            o.set("velicina", t.velicina);
            o.set("pismo", std::string(kPisma[static_cast<int>(t.pismo)]));
            o.set("tekst", t.tekst);
            o.set("poravnanje", std::string(kPoravnanja[static_cast<int>(t.poravnanje)]));
            o.set("sirina", t.sirina);
            tekstovi.call<void>("push", o);
        }
        val linije = val::array();
        for (const TLinijaListe& l : s.Linije) {
            val o = val::object();
            o.set("x1", l.x1);
            o.set("y1", l.y1);
            o.set("x2", l.x2);
            o.set("y2", l.y2);
            o.set("debljina", l.debljina);
            o.set("siva", l.siva);
            linije.call<void>("push", o);
        }
        val slike = val::array();
        for (const TSlikaListe& sl : s.Slike) {
            TPlatnoSvg platno(sl.sirina, sl.visina, FontProzoraDijagrama(), sl.tacakaPoIncu);
            NacrtajSlikuListe(platno, sl);
            val o = val::object();
            o.set("x", sl.okvir.x);
            o.set("y", sl.okvir.y);
            o.set("sirina", sl.okvir.sirina);
            o.set("visina", sl.okvir.visina);
            o.set("svg", Utf8IzLatin1(platno.Svg(kNazivSlike)));
            slike.call<void>("push", o);
        }
        val strana = val::object();
        strana.set("polozena", s.Polozena);
        strana.set("sirina", s.Sirina());
        strana.set("visina", s.Visina());
        strana.set("tekstovi", tekstovi);
        strana.set("linije", linije);
        strana.set("slike", slike);
        strane.call<void>("push", strana);
    }
    val o = val::object();
    o.set("naslov", list.Naslov);
    o.set("strane", strane);
    return o;
}

val TStranaLastovar::Merodavne(int sirina, int visina) const {
    const TUlazStrane& u = Prihvaceno();
    if (!u.proracunskaAnvelopa) return val::null();
    const TPodaci podaci = ZapisIzTekstova(u.tekstovi, u.separator);
    const TProracunskiProracun p =
        TProracunskiProracun::Izracunaj(podaci, u.brojSila, fDejstva, u.smer);
    std::string tekst;
    for (const std::string& l :
         OpisDejstava(fDejstva, u.brojSila, u.smer, p.DuziOdRaspona, u.separator))
        tekst += l + '\n';
    tekst += '\n';
    for (const std::string& l : LinijeMerodavnih(p.Merodavno, u.brojSila, u.separator))
        tekst += l + '\n';
    const TProracunskaAnvelopa anvelopa(TVoz(podaci, u.brojSila), fDejstva);
    TPlatnoSvg platno(sirina, visina, FontProzoraDijagrama());
    NacrtajProracunskuAnvelopu(platno, sirina, visina,
                               {anvelopa, p.Merodavno.Proracunske, u.smer, u.separator});
    val o = val::object();
    o.set("tekst", Utf8IzLatin1(tekst));
    o.set("svg", Utf8IzLatin1(platno.Svg(kNazivProracunske)));
    return o;
}

std::string TStranaLastovar::Csv() const {
    const TUlazStrane& u = Prihvaceno();
    return Utf8IzLatin1(TabeleCsv(u.tekstovi, u.brojSila, u.separator,
                                  u.tacnaAnvelopa ? std::optional(u.smer) : std::nullopt,
                                  fDejstva));
}

namespace {

// A separator from the page: its first character, the point for none.
char Separator(const std::string& separator) { return separator.empty() ? '.' : separator[0]; }

}  // namespace

val PodrazumevaniUlaz(const std::string& separator) {
    TUlazStrane u;
    u.tekstovi = PodrazumevaniTekstovi(Separator(separator));
    val o = TekstoviUJs(u.tekstovi);
    o.set("brojSila", u.brojSila);
    o.set("Dejstva", DejstvaUJs(TekstoviDejstava({}, Separator(separator))));
    return o;
}

val ZapisiDatotekuStrane(const val& ulaz, const val& ostatak) {
    const TUlazStrane u = UlazIzJs(ulaz);
    TProracunskaDejstva dejstva;
    if (u.proracunskaAnvelopa) {
        // As the desktop's dialog: the train and span the form holds, where
        // they are numbers, bound what the actions may be.
        double R = 0, L = 0;
        try {
            const TVoz voz(ZapisZaBrojSila(u.tekstovi, u.brojSila, u.separator), u.brojSila);
            R = voz.R();
            L = voz.Raspon();
        } catch (const EGreskaKonverzije&) {
        }
        const TProveraDejstava p = ProveriDejstva(u.dejstva, u.separator, R, L);
        if (!p.dejstva) return val(std::string(kPorukaDejstava));
        dejstva = *p.dejstva;
    }
    const std::int32_t preseka = TekstUCeoBroj(u.tekstovi.BrojPreseka);
    const std::string linije = ZapisiDatoteku(SadrzajDatoteke{u.tekstovi, u.brojSila, preseka});
    const std::string ostali = ostatak.isUndefined() ? std::string() : BajtoviIzJs(ostatak);
    // Lines after the fifteen that hold no block are kept as they came
    // while no action asks for one.
    const std::string_view prva = std::string_view(ostali).substr(0, ostali.find('\n'));
    const bool blok = prva == kOznakaDodatka || prva == std::string(kOznakaDodatka) + '\r';
    if (!blok && dejstva.Pocetna()) return BajtoviUJs(linije + ostali);
    TDodatak dodatak = blok ? ProcitajDodatak(linije + ostali) : TDodatak{};
    UpisiDejstva(dodatak, dejstva);
    return BajtoviUJs(linije + ZapisiDodatak(dodatak));
}

val ProcitajDatotekuStrane(const val& niz, const std::string& separator) {
    const std::string bajtovi = BajtoviIzJs(niz);
    val o = val::object();
    const char sep = Separator(separator);
    try {
        // All of it is read before anything is given back: a file refused in
        // any part opens nothing.
        const SadrzajDatoteke s = ProcitajDatoteku(bajtovi, sep);
        const TProracunskaDejstva dejstva = DejstvaIzDodatka(ProcitajDodatak(bajtovi));
        if (!dejstva.Pocetna()) o.set("dejstva", DejstvaUJs(TekstoviDejstava(dejstva, sep)));
        o.set("tekstovi", TekstoviUJs(s.Tekstovi));
        o.set("brojSila", s.BrojSila);
        o.set("brojPreseka", s.BrojPreseka);
        o.set("ostatak", BajtoviUJs(OstatakDatoteke(bajtovi)));
    } catch (const EGreskaDatoteke& e) {
        o.set("greska", std::string(e.what()));
    } catch (const EGreskaDodatka& e) {
        o.set("greska", Utf8IzLatin1(e.what()));
    }
    return o;
}

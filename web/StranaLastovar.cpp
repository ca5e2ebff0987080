// SPDX-License-Identifier: GPL-3.0-or-later
#include "StranaLastovar.h"

#include <stdexcept>
#include <utility>
#include <vector>

#include "AnvelopaPoKolonama.h"
#include "DatotekaLastovar.h"
#include "IzvestajLastovar.h"
#include "IzvestajTacneAnvelope.h"
#include "Konverzija.h"
#include "ListProracuna.h"
#include "ManjakKlasicnog.h"
#include "NacrtajDijagrame.h"
#include "PlatnoSvg.h"
#include "PolozajVozaDijagram.h"
#include "TabeleCsv.h"
#include "VozUPolozaju.h"

using emscripten::val;

namespace {

inline constexpr std::string_view kNazivDijagrama = "Dijagram extM i extT";
inline constexpr std::string_view kNazivPolozaja = "Polozaj voza";

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
    if (const auto polje = OdbijenoPolje(u.tekstovi, u.brojSila, u.separator))
        return Odbijeno(kPorukaVrednosti, {Kontrola(*polje)});

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
        if (!anvelopa) anvelopa = AnvelopaPoKolonama(fOkvir, Voz(p), p.smer);
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
    if (p1.isNumber()) {
        ulaz.p1 = p1.as<double>();
        ulaz.obrnut = PrelazObrnut(voz, x, u.smer);
    }
    TPlatnoSvg platno(sirina, visina, FontProzoraDijagrama());
    NacrtajPolozajVoza(platno, sirina, visina, voz, ulaz);
    return Utf8IzLatin1(platno.Svg(kNazivPolozaja));
}

val TStranaLastovar::List(const std::string& datoteka, const std::string& datum) const {
    const TUlazStrane& u = Prihvaceno();
    TSadrzajListe sadrzaj;
    sadrzaj.Datoteka = Latin1IzUtf8(datoteka);
    sadrzaj.Datum = Latin1IzUtf8(datum);
    sadrzaj.Dijagram = UlazDijagrama(u);
    sadrzaj.Izvestaj =
        SastaviIzvestaj(u.tekstovi, std::to_string(u.brojSila), u.brojSila, u.separator).Linije;
    if (u.tacnaAnvelopa)
        sadrzaj.TacnaAnvelopa = IzvestajTacneAnvelope(u.tekstovi, u.brojSila, u.separator, u.smer);
    const TListProracuna list = SastaviList(sadrzaj);

    static constexpr const char* kPisma[] = {"naslov", "obicno", "podebljano", "nepromenljivo"};
    val strane = val::array();
    for (const TStranaListe& s : list.Strane) {
        val tekstovi = val::array();
        for (const TTekstListe& t : s.Tekstovi) {
            val o = val::object();
            o.set("x", t.x);
            o.set("y", t.y);
            o.set("velicina", t.velicina);
            o.set("pismo", std::string(kPisma[static_cast<int>(t.pismo)]));
            o.set("tekst", Utf8IzLatin1(t.tekst));
            o.set("desno", t.poravnanje == TPoravnanje::Desno);
            o.set("sirina", t.sirina);
            tekstovi.call<void>("push", o);
        }
        val strana = val::object();
        strana.set("tekstovi", tekstovi);
        if (s.Dijagram) {
            const TDijagramListe& d = *s.Dijagram;
            TPlatnoSvg platno(d.sirina, d.visina, FontPosleCrtanja(), d.tacakaPoIncu);
            NacrtajDijagramListe(platno, d);
            val dijagram = val::object();
            dijagram.set("x", d.okvir.x);
            dijagram.set("y", d.okvir.y);
            dijagram.set("sirina", d.okvir.sirina);
            dijagram.set("visina", d.okvir.visina);
            dijagram.set("svg", Utf8IzLatin1(platno.Svg(kNazivDijagrama)));
            strana.set("dijagram", dijagram);
        }
        strane.call<void>("push", strana);
    }
    val o = val::object();
    o.set("naslov", Utf8IzLatin1(list.Naslov));
    o.set("strane", strane);
    return o;
}

std::string TStranaLastovar::Csv() const {
    const TUlazStrane& u = Prihvaceno();
    return Utf8IzLatin1(TabeleCsv(u.tekstovi, u.brojSila, u.separator,
                                  u.tacnaAnvelopa ? std::optional(u.smer) : std::nullopt));
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
    return o;
}

val ZapisiDatotekuStrane(const val& ulaz, const val& ostatak) {
    const TUlazStrane u = UlazIzJs(ulaz);
    const std::int32_t preseka = TekstUCeoBroj(u.tekstovi.BrojPreseka);
    return BajtoviUJs(ZapisiDatoteku(SadrzajDatoteke{u.tekstovi, u.brojSila, preseka}) +
                      (ostatak.isUndefined() ? std::string() : BajtoviIzJs(ostatak)));
}

val ProcitajDatotekuStrane(const val& niz, const std::string& separator) {
    const std::string bajtovi = BajtoviIzJs(niz);
    val o = val::object();
    try {
        const SadrzajDatoteke s = ProcitajDatoteku(bajtovi, Separator(separator));
        o.set("tekstovi", TekstoviUJs(s.Tekstovi));
        o.set("brojSila", s.BrojSila);
        o.set("brojPreseka", s.BrojPreseka);
        o.set("ostatak", BajtoviUJs(OstatakDatoteke(bajtovi)));
    } catch (const EGreskaDatoteke& e) {
        o.set("greska", std::string(e.what()));
    }
    return o;
}

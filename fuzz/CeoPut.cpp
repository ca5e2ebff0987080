// SPDX-License-Identifier: GPL-3.0-or-later
#include "CeoPut.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>

#include "DatotekaLastovar.h"
#include "IzvestajLastovar.h"
#include "IzvestajTacneAnvelope.h"
#include "NacrtajDijagrame.h"
#include "PlatnoZapis.h"
#include "PolozajVozaDijagram.h"
#include "ProvereUnosa.h"
#include "VozUPolozaju.h"

namespace {

std::int32_t Dvobajt(std::string_view b, std::size_t i) {
    return static_cast<std::uint8_t>(b[i]) | static_cast<std::uint8_t>(b[i + 1]) << 8;
}

bool NeKonacanTekst(std::string_view tekst) {
    std::string mala(tekst);
    std::transform(mala.begin(), mala.end(), mala.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return mala.find("nan") != std::string::npos || mala.find("inf") != std::string::npos;
}

// The `broj` integers after the operation's name (and after the colour of a
// polygon), all of them for broj < 0; false for one that is not an integer
// strictly inside the 32-bit range.
bool Koordinate(std::string_view linija, int broj) {
    std::size_t i = linija.find(' ');
    if (linija.starts_with("poligon ")) i = linija.find(' ', i + 1);
    if (broj < 0) {
        broj = 0;
        for (std::size_t j = i; j != std::string_view::npos; j = linija.find(' ', j + 1)) ++broj;
    }
    for (int k = 0; k < broj; ++k) {
        if (i == std::string_view::npos) return false;
        ++i;
        long long v = 0;
        const auto [kraj, ec] =
            std::from_chars(linija.data() + i, linija.data() + linija.size(), v);
        if (ec != std::errc() || v <= std::numeric_limits<std::int32_t>::min() ||
            v >= std::numeric_limits<std::int32_t>::max())
            return false;
        i = static_cast<std::size_t>(kraj - linija.data());
        if (i < linija.size() && linija[i] != ' ') return false;
    }
    return true;
}

void ProveriZapis(const char* ime, std::string_view zapis, std::vector<std::string>& prekrsaji) {
    while (!zapis.empty()) {
        const std::size_t kraj = std::min(zapis.find('\n'), zapis.size());
        const std::string_view linija = zapis.substr(0, kraj);
        zapis.remove_prefix(std::min(kraj + 1, zapis.size()));
        const auto prekrsaj = [&](const char* sta) {
            prekrsaji.push_back(std::string(ime) + ": " + sta + ": " + std::string(linija));
        };
        if (linija.starts_with("linija ")) {
            if (!Koordinate(linija, 4)) prekrsaj("koordinata van 32-bitnog opsega");
        } else if (linija.starts_with("poligon ")) {
            if (!Koordinate(linija, -1)) prekrsaj("koordinata van 32-bitnog opsega");
        } else if (linija.starts_with("tekst ")) {
            if (!Koordinate(linija, 2)) prekrsaj("koordinata van 32-bitnog opsega");
            const std::size_t navodnik = linija.find('"');
            if (navodnik == std::string_view::npos || NeKonacanTekst(linija.substr(navodnik)))
                prekrsaj("nekonacan natpis");
        }
    }
}

// Every text within its page, lines of the fixed width typeface no wider
// than the page; and the report's lines, as the pages after the diagrams
// hold them, are the report with nothing left out.
void ProveriList(const TIshodPuta& ishod, std::vector<std::string>& prekrsaji) {
    std::string naListu;
    bool posleDijagrama = false;
    for (const TStranaListe& strana : ishod.list.Strane) {
        for (const TTekstListe& t : strana.Tekstovi) {
            const double desno =
                t.poravnanje == TPoravnanje::Levo && t.pismo == TPismoListe::Nepromenljivo
                    ? t.x + static_cast<double>(t.tekst.size()) * kSirinaZnaka * t.velicina
                    : t.x;
            if (t.x < 0 || t.y < 0 || t.y + t.velicina > TListProracuna::kVisinaStrane ||
                desno > TListProracuna::kSirinaStrane)
                prekrsaji.push_back("list: tekst van strane: " + t.tekst);
            if (posleDijagrama && t.pismo == TPismoListe::Nepromenljivo) naListu += t.tekst;
        }
        if (strana.Dijagram) posleDijagrama = true;
    }
    std::string izvestaj;
    for (const std::string& linija : ishod.izvestaj) izvestaj += linija;
    if (naListu != izvestaj) prekrsaji.push_back("list: izvestaj nije ceo");
}

void Crtaj(TPlatnoZapis& platno, const TSlikaPuta& slika, std::string_view cilj,
           const TUlazDijagrama& ulaz) {
    NacrtajDijagrame(platno, slika.sirina, slika.visina, cilj, {platno, slika.sirina, slika.visina},
                     ulaz);
}

}  // namespace

TSlikaPuta ZaglavljePuta(std::string_view& ulaz) {
    TSlikaPuta slika;
    if (ulaz.size() < kBajtovaZaglavlja) return slika;
    slika.separator = (ulaz[0] & 1) ? ',' : '.';
    slika.sirina = Dvobajt(ulaz, 1) % 1024;
    slika.visina = Dvobajt(ulaz, 3);
    ulaz.remove_prefix(kBajtovaZaglavlja);
    return slika;
}

TIshodPuta ProdjiPut(std::string_view datoteka, const TSlikaPuta& slika) {
    TIshodPuta ishod;
    SadrzajDatoteke slucaj;
    try {
        slucaj = ProcitajDatoteku(datoteka, slika.separator);
    } catch (const EGreskaDatoteke&) {
        return ishod;
    }
    ishod.procitan = true;
    const auto nista = [] {};
    const auto nePrikazuj = [](std::string_view) {};
    if (!ProveraTipa(slucaj.Tekstovi, slika.separator, nePrikazuj, nista) ||
        !ProveraVrednosti(slucaj.Tekstovi, slucaj.BrojSila, slika.separator, nista))
        return ishod;
    ishod.prihvacen = true;

    ishod.izvestaj = SastaviIzvestaj(slucaj.Tekstovi, std::to_string(slucaj.BrojSila),
                                     slucaj.BrojSila, slika.separator)
                         .Linije;

    TUlazDijagrama ulaz;
    ulaz.tekstovi = slucaj.Tekstovi;
    ulaz.brojSila = slucaj.BrojSila;
    ulaz.decimalniSeparator = slika.separator;
    TPlatnoZapis ekran(FontProzoraDijagrama());
    Crtaj(ekran, slika, kZaProgram, ulaz);
    ulaz.tacnaAnvelopa = true;
    ulaz.smerVoza = TSmerVoza::Oba;
    Crtaj(ekran, slika, kZaProgram, ulaz);
    ulaz.tacnaAnvelopa = false;
    ishod.ekran = ekran.Zapis();
    TPlatnoZapis stampa(FontProzoraDijagrama());
    Crtaj(stampa, slika, kZaStampac, ulaz);
    ishod.stampa = stampa.Zapis();

    ishod.tacno =
        IzvestajTacneAnvelope(slucaj.Tekstovi, slucaj.BrojSila, slika.separator, TSmerVoza::Oba);
    const TPodaci podaci = ZapisIzTekstova(slucaj.Tekstovi, slika.separator);
    const TVoz voz(podaci, slucaj.BrojSila);
    TUlazPolozaja polozaj;
    polozaj.x = podaci.ProizvoljnoX();
    polozaj.smer = TSmerVoza::Oba;
    polozaj.decimalniSeparator = slika.separator;
    TPlatnoZapis slikaPolozaja(FontProzoraDijagrama());
    NacrtajPolozajVoza(slikaPolozaja, 1000, 800, voz, polozaj);
    const TOpsegPrelaza opseg = OpsegPrelaza(voz, false);
    polozaj.p1 = opseg.Sredina();
    NacrtajPolozajVoza(slikaPolozaja, 1000, 800, voz, polozaj);
    ishod.polozaj = slikaPolozaja.Zapis();
    TSadrzajListe sadrzaj;
    sadrzaj.Datum = "10.12.2026.";
    sadrzaj.Dijagram = ulaz;
    sadrzaj.Izvestaj = ishod.izvestaj;
    ishod.list = SastaviList(sadrzaj);
    return ishod;
}

std::vector<std::string> Prekrsaji(const TIshodPuta& ishod) {
    std::vector<std::string> prekrsaji;
    for (const std::string& linija : ishod.izvestaj)
        if (NeKonacanTekst(linija)) prekrsaji.push_back("izvestaj: " + linija);
    for (const std::string& linija : ishod.tacno)
        if (NeKonacanTekst(linija)) prekrsaji.push_back("tacno: " + linija);
    ProveriZapis("ekran", ishod.ekran, prekrsaji);
    ProveriZapis("stampa", ishod.stampa, prekrsaji);
    ProveriZapis("polozaj", ishod.polozaj, prekrsaji);
    ProveriList(ishod, prekrsaji);
    return prekrsaji;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "MereTeksta.h"
#include "PlatnoNatpisa.h"
#include "PokretanjeCli.h"

namespace {

// A text of the trace and the box it fills, measured with the font the
// trace names before it, as the drawing measured it.
struct TekstZapisa {
    std::string tekst;
    TOkvir okvir;
};

struct LinijaZapisa {
    int x1, y1, x2, y2;
};

struct Zapis {
    std::vector<TekstZapisa> tekstovi;
    std::vector<LinijaZapisa> linije;
};

Zapis Procitaj(const std::string& izlaz) {
    Zapis z;
    TFont font(kTipografija, kCrna, false, 8);
    std::istringstream ulaz(izlaz);
    for (std::string linija; std::getline(ulaz, linija);) {
        std::istringstream reci(linija);
        std::string vrsta;
        reci >> vrsta;
        if (vrsta == "font") {
            int mera = 0;
            std::string jedinica, stil;
            reci >> mera >> jedinica >> stil;
            font.Podebljan = stil == "podebljan";
            if (jedinica == "px")
                font.PostaviVisinu(mera);
            else
                font.PostaviVelicinu(mera);
        } else if (vrsta == "tekst") {
            int x = 0, y = 0;
            std::string boja;
            reci >> x >> y >> boja;
            const std::size_t navodnik = linija.find('"');
            const std::string tekst = linija.substr(navodnik + 1, linija.size() - navodnik - 2);
            const TVelicinaTeksta v = MereTeksta(font, 96, tekst);
            z.tekstovi.push_back({tekst, {x, y, x + v.sirina, y + v.visina}});
        } else if (vrsta == "linija") {
            LinijaZapisa l{};
            reci >> l.x1 >> l.y1 >> l.x2 >> l.y2;
            z.linije.push_back(l);
        }
    }
    return z;
}

std::string Broj(double v) {
    char tekst[32];
    std::snprintf(tekst, sizeof tekst, "%.6g", v);
    return tekst;
}

// A load case as the form takes it: forces of a few digits, spacings from
// far apart down to as close as a text of five characters puts them, a span
// the train fits.
struct Slucaj {
    std::string bajtovi;
    double duzina;  // from P1 to Pn
    double raspon;
};

Slucaj SlucajanSlucaj(std::mt19937_64& gen, int n) {
    std::uniform_real_distribution<double> sila(0.5, 1500), udeo(0, 1);
    const double bliske[] = {1e-9, 0.001, 0.01, 0.05};
    std::vector<std::string> linije;
    for (int i = 0; i < 6; ++i)
        linije.push_back(i < n ? Broj(std::round(sila(gen) * 10) / 10) : "1");
    double duzina = 0;
    for (int i = 0; i < 5; ++i) {
        double razmak = 1;
        if (i < n - 1) {
            razmak = udeo(gen) < 0.4 ? bliske[gen() % 4] : 0.2 + 6 * udeo(gen);
            duzina += razmak;
        }
        linije.push_back(Broj(razmak));
    }
    const double raspon = std::max(duzina * (1 + 2 * udeo(gen)), 0.5);
    linije.push_back(Broj(raspon));
    linije.push_back("0");
    linije.push_back(std::to_string(n));
    linije.push_back("10");
    Slucaj s{"", duzina, std::stod(linije[11])};
    for (const std::string& l : linije) s.bajtovi += l + "\r\n";
    return s;
}

// Seeded random load cases, sections and picture sizes, the critical
// positions and frames of the crossing, one way and both: no text of the
// trace overlaps another, leaves the picture or is crossed by a line.
TEST(ZapisPolozaja, NoTextOverlapsATextALineOrThePicturesEdge) {
    std::mt19937_64 gen(24);
    std::uniform_real_distribution<double> udeo(0, 1);
    const std::pair<int, int> velicine[] = {{800, 600},   {1000, 560},  {1000, 800}, {1280, 720},
                                            {1600, 1000}, {1920, 1080}, {2560, 1440}};
    for (int redni = 0; redni < 42; ++redni) {
        const int n = 1 + redni % 6;
        const Slucaj slucaj = SlucajanSlucaj(gen, n);
        const auto [W, H] = velicine[redni % 7];
        const double L = slucaj.raspon;
        // The section, and P1 within the crossing, rounded inward as printed.
        const double x = redni % 5 == 0 ? 0.0 : std::floor(udeo(gen) * L * 1e4) / 1e4;
        std::vector<std::string> argumenti{"polozaj",
                                           Zapisi("slucaj.Lastovar", slucaj.bajtovi),
                                           "--zapis",
                                           "--sirina",
                                           std::to_string(W),
                                           "--visina",
                                           std::to_string(H),
                                           "--x",
                                           Broj(x)};
        const bool obaSmera = redni % 3 == 1;
        if (obaSmera) argumenti.push_back("--oba-smera");
        if (redni % 4 == 2) {
            // Reversed, the train crosses with P1 from 0 to L + its length.
            const double od = obaSmera ? 0.0 : -slucaj.duzina * 0.999;
            argumenti.push_back("--p1");
            argumenti.push_back(Broj(od + udeo(gen) * (L * 0.999 - od)));
        }
        const Ishod i = Pokreni(argumenti);
        std::string opis;
        for (const std::string& a : argumenti) opis += a + ' ';
        ASSERT_EQ(i.kod, 0) << opis << i.greske;
        const Zapis z = Procitaj(i.izlaz);
        ASSERT_GT(z.tekstovi.size(), 5u) << opis;
        const TOkvir slika{0, 0, W, H};
        for (std::size_t a = 0; a < z.tekstovi.size(); ++a) {
            const TekstZapisa& t = z.tekstovi[a];
            EXPECT_TRUE(slika.Sadrzi(t.okvir))
                << opis << "\n\"" << t.tekst << "\" leaves the picture";
            for (std::size_t b = a + 1; b < z.tekstovi.size(); ++b)
                EXPECT_FALSE(t.okvir.Sece(z.tekstovi[b].okvir))
                    << opis << "\n\"" << t.tekst << "\" overlaps \"" << z.tekstovi[b].tekst << '"';
            for (const LinijaZapisa& l : z.linije)
                EXPECT_FALSE(DuzSeceOkvir(l.x1, l.y1, l.x2, l.y2, t.okvir))
                    << opis << "\n\"" << t.tekst << "\" is crossed by the line " << l.x1 << ' '
                    << l.y1 << ' ' << l.x2 << ' ' << l.y2;
        }
    }
}

}  // namespace

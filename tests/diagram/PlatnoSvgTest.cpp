// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <regex>
#include <sstream>
#include <string>

#include "NacrtajDijagrame.h"
#include "PlatnoSvg.h"
#include "PlatnoZapis.h"
#include "PolozajVozaDijagram.h"

namespace {

std::string Atribut(const std::string& element, const std::string& ime) {
    std::smatch m;
    const std::regex r("\\b" + ime + "=\"([^\"]*)\"");
    return std::regex_search(element, m, r) ? m[1].str() : std::string();
}

std::string Razmaci(std::string tacke) {
    for (char& c : tacke)
        if (c == ',') c = ' ';
    return tacke;
}

// The SVG read back as the recording canvas's trace: the page draws what
// the desktop draws exactly when the two agree line for line.
std::string ZapisIzSvg(const std::string& svg) {
    std::string zapis;
    std::optional<std::string> olovka;
    const std::regex element("<(path|text|polygon)\\b([^>]*)>(?:([^<]*)</text>)?");
    for (auto i = std::sregex_iterator(svg.begin(), svg.end(), element);
         i != std::sregex_iterator(); ++i) {
        const std::string vrsta = (*i)[1], a = (*i)[2];
        if (vrsta == "path") {
            const std::string o = Atribut(a, "stroke") + ' ' + Atribut(a, "stroke-width");
            // Each subpath, after its M, is a run of lines through its points.
            std::istringstream podputanje(Atribut(a, "d"));
            std::string podputanja;
            std::getline(podputanje, podputanja, 'M');
            while (std::getline(podputanje, podputanja, 'M')) {
                std::istringstream tacke(Razmaci(podputanja));
                int x1, y1, x2, y2;
                tacke >> x1 >> y1;
                while (tacke >> x2 >> y2) {
                    if (olovka != o) zapis += "olovka " + o + '\n';
                    olovka = o;
                    zapis += "linija " + std::to_string(x1) + ' ' + std::to_string(y1) + ' ' +
                             std::to_string(x2) + ' ' + std::to_string(y2) + '\n';
                    x1 = x2;
                    y1 = y2;
                }
            }
        } else if (vrsta == "text") {
            std::string t = (*i)[3];
            for (const auto& [entitet, znak] :
                 {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}})
                t = std::regex_replace(t, std::regex(entitet), znak);
            zapis += "tekst " + Atribut(a, "x") + ' ' + Atribut(a, "y") + ' ' + Atribut(a, "fill") +
                     " \"" + t + "\"\n";
        } else {
            zapis += "poligon " + Atribut(a, "fill") + ' ' + Razmaci(Atribut(a, "points")) + '\n';
        }
    }
    return zapis;
}

TFont FontPosleCrtanja() {
    TFont f = FontProzoraDijagrama();
    f.Podebljan = true;
    f.PostaviVelicinu(12);
    return f;
}

struct SlucajSvg {
    const char* opis;
    std::string_view cilj;
    bool tacno;
    TSmerVoza smer;
};

void PrintTo(const SlucajSvg& s, std::ostream* os) { *os << s.opis; }

class PlatnoSvgDijagrami : public testing::TestWithParam<SlucajSvg> {};

// Both styles, with the shortfall's polygons and the dashed exact curves.
TEST_P(PlatnoSvgDijagrami, DrawTheRecordedTrace) {
    TUlazDijagrama ulaz;
    ulaz.tekstovi.P = {"206.0", "208.0", "1.0", "1.0", "1.0", "1.0"};
    ulaz.brojSila = 6;
    ulaz.tacnaAnvelopa = GetParam().tacno;
    ulaz.smerVoza = GetParam().smer;
    TPlatnoZapis zapis(FontPosleCrtanja());
    TPlatnoSvg svg(900, 700, FontPosleCrtanja());
    NacrtajDijagrame(zapis, 900, 700, GetParam().cilj, {zapis, 900, 700}, ulaz);
    NacrtajDijagrame(svg, 900, 700, GetParam().cilj, {svg, 900, 700}, ulaz);
    const std::string slika = svg.Svg("Dijagram extM i extT");
    EXPECT_EQ(ZapisIzSvg(slika), zapis.Zapis());
    EXPECT_NE(slika.find("width=\"900\" height=\"700\" viewBox=\"0 0 900 700\""),
              std::string::npos);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Stilovi, PlatnoSvgDijagrami, testing::Values(
    SlucajSvg{"Ekran", kZaProgram, false, TSmerVoza::Napred},
    SlucajSvg{"EkranTacno", kZaProgram, true, TSmerVoza::Oba},
    SlucajSvg{"StampaTacno", kZaStampac, true, TSmerVoza::Napred}
), [](const auto& info) { return std::string(info.param.opis); });
// clang-format on

TEST(PlatnoSvg, PolozajVozaDrawsTheRecordedTrace) {
    const TVoz voz(3, {120, 180, 90}, {1.5, 2.5}, 12);
    TUlazPolozaja ulaz;
    ulaz.x = 5;
    TPlatnoZapis zapis(FontProzoraDijagrama());
    TPlatnoSvg svg(1000, 800, FontProzoraDijagrama());
    NacrtajPolozajVoza(zapis, 1000, 800, voz, ulaz);
    NacrtajPolozajVoza(svg, 1000, 800, voz, ulaz);
    EXPECT_EQ(ZapisIzSvg(svg.Svg("Polozaj voza")), zapis.Zapis());
}

TEST(PlatnoSvg, NamesThePictureAndEscapesTexts) {
    TPlatnoSvg svg(200, 100, FontProzoraDijagrama());
    svg.Tekst(5, 6, "a < b & \"c\"");
    const std::string slika = svg.Svg("Dijagram \"x\"");
    EXPECT_NE(slika.find("role=\"img\" aria-label=\"Dijagram &quot;x&quot;\""), std::string::npos);
    EXPECT_NE(slika.find(">a &lt; b &amp; &quot;c&quot;</text>"), std::string::npos);
}

// Consecutive lines with one pen make one path, a line that does not
// continue the last one a subpath of its own; another pen starts a path.
TEST(PlatnoSvg, JoinsConsecutiveLinesOfOnePen) {
    TPlatnoSvg svg(100, 100, FontProzoraDijagrama());
    svg.PomeriNa(0, 0);
    svg.LinijaDo(10, 0);
    svg.LinijaDo(10, 10);
    svg.PomeriNa(20, 20);
    svg.LinijaDo(30, 20);
    svg.Olovka() = {kCrvena, 3};
    svg.LinijaDo(30, 30);
    svg.Tekst(0, 0, "t");
    svg.LinijaDo(40, 30);
    const std::string slika = svg.Svg("x");
    EXPECT_NE(
        slika.find("stroke=\"#000000\" stroke-width=\"1\" d=\"M0,0 10,0 10,10M20,20 30,20\"/>"),
        std::string::npos);
    EXPECT_NE(slika.find("stroke=\"#FF0000\" stroke-width=\"3\" d=\"M30,20 30,30\"/>\n<text"),
              std::string::npos);
    EXPECT_NE(slika.find("</text>\n<path fill=\"none\" stroke=\"#FF0000\" stroke-width=\"3\" "
                         "d=\"M30,30 40,30\"/>"),
              std::string::npos);
    EXPECT_EQ(ZapisIzSvg(slika),
              "olovka #000000 1\nlinija 0 0 10 0\nlinija 10 0 10 10\nlinija 20 20 30 20\n"
              "olovka #FF0000 3\nlinija 30 20 30 30\ntekst 0 0 #000000 \"t\"\n"
              "linija 30 30 40 30\n");
}

}  // namespace

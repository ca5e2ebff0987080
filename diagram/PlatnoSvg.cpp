// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatnoSvg.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

// The sans serif's ascent and descent together, in ems: a cell height in
// pixels is filled by the largest size whose line fits, as on the screen.
constexpr double kVisinaReda = 1.1172;

void Dodaj(std::string& s, int broj) { s += std::to_string(broj); }

void DodajTacku(std::string& s, TTacka t) {
    Dodaj(s, t.x);
    s += ',';
    Dodaj(s, t.y);
}

std::string Zasticen(std::string_view tekst) {
    std::string s;
    s.reserve(tekst.size());
    for (const char c : tekst) {
        switch (c) {
            case '&':
                s += "&amp;";
                break;
            case '<':
                s += "&lt;";
                break;
            case '>':
                s += "&gt;";
                break;
            case '"':
                s += "&quot;";
                break;
            default:
                s += c;
        }
    }
    return s;
}

}  // namespace

TPlatnoSvg::TPlatnoSvg(int sirina, int visina, TFont font, int tacakaPoIncu)
    : TPlatno(tacakaPoIncu, std::move(font)),
      fSirina(std::max(0, sirina)),
      fVisina(std::max(0, visina)) {}

void TPlatnoSvg::PopuniPozadinu(int levo, int gore, int desno, int dole) {
    ZavrsiNiz();
    fTelo += "<rect x=\"";
    Dodaj(fTelo, levo);
    fTelo += "\" y=\"";
    Dodaj(fTelo, gore);
    fTelo += "\" width=\"";
    Dodaj(fTelo, std::max(0, desno - levo));
    fTelo += "\" height=\"";
    Dodaj(fTelo, std::max(0, dole - gore));
    fTelo += "\" fill=\"#FFFFFF\"/>\n";
}

void TPlatnoSvg::PomeriNa(int x, int y) { fTacka = {x, y}; }

void TPlatnoSvg::LinijaDo(int x, int y) {
    if (fOtvorenNiz && fOlovkaNiza != Olovka()) ZavrsiNiz();
    if (!fOtvorenNiz) {
        fOtvorenNiz = true;
        fOlovkaNiza = Olovka();
        fTelo +=
            "<path fill=\"none\" stroke=\"" + HeksBoje(fOlovkaNiza.Boja) + "\" stroke-width=\"";
        Dodaj(fTelo, fOlovkaNiza.Sirina);
        fTelo += "\" d=\"M";
        DodajTacku(fTelo, fTacka);
    } else if (fKraj != fTacka) {
        fTelo += 'M';
        DodajTacku(fTelo, fTacka);
    }
    fTacka = {x, y};
    fTelo += ' ';
    DodajTacku(fTelo, fTacka);
    fKraj = fTacka;
}

void TPlatnoSvg::ZavrsiNiz() {
    if (!fOtvorenNiz) return;
    fTelo += "\"/>\n";
    fOtvorenNiz = false;
}

int TPlatnoSvg::Piksela() const {
    if (!Font().VisinaUPikselima()) {
        const int tacaka = std::max(1, Font().Mera());
        return std::max(1, static_cast<int>(tacaka * static_cast<long long>(TacakaPoIncu()) / 72));
    }
    const int visina = std::max(1, std::abs(Font().Mera()));
    const int red = static_cast<int>(visina * kVisinaReda + 0.5);
    return red > visina ? std::max(1, visina * visina / red) : visina;
}

void TPlatnoSvg::Tekst(int x, int y, const std::string& tekst) {
    ZavrsiNiz();
    fTelo += "<text x=\"";
    Dodaj(fTelo, x);
    fTelo += "\" y=\"";
    Dodaj(fTelo, y);
    fTelo += "\" font-size=\"";
    Dodaj(fTelo, Piksela());
    fTelo += Font().Podebljan ? "\" font-weight=\"bold" : "";
    fTelo += "\" fill=\"" + HeksBoje(Font().Boja) + "\">" + Zasticen(tekst) + "</text>\n";
}

void TPlatnoSvg::PopuniPoligon(const std::vector<TTacka>& temena, TBoja boja) {
    ZavrsiNiz();
    fTelo += "<polygon fill=\"" + HeksBoje(boja) + "\" points=\"";
    for (std::size_t i = 0; i < temena.size(); ++i) {
        if (i > 0) fTelo += ' ';
        DodajTacku(fTelo, temena[i]);
    }
    fTelo += "\"/>\n";
}

std::string TPlatnoSvg::Svg(std::string_view naziv) {
    ZavrsiNiz();
    const std::string w = std::to_string(fSirina), h = std::to_string(fVisina);
    std::string s = "<svg xmlns=\"http://www.w3.org/2000/svg\" role=\"img\" aria-label=\"" +
                    Zasticen(naziv) + "\" width=\"" + w + "\" height=\"" + h + "\" viewBox=\"0 0 " +
                    w + ' ' + h + "\">\n";
    s += "<title>" + Zasticen(naziv) + "</title>\n";
    // Texts hang from their top-left corners, blanks kept, each on a white
    // halo of its own, as the screen paints a text on its background: the
    // lines under a label give way to it.
    s += "<style>text{dominant-baseline:text-before-edge;white-space:pre;stroke:#FFFFFF;"
         "stroke-width:3px;stroke-linejoin:round;paint-order:stroke}</style>\n";
    s += "<g stroke-linecap=\"round\" stroke-linejoin=\"round\" font-family=\"'Liberation Sans', "
         "Arimo, Arial, Helvetica, sans-serif\">\n";
    s += fTelo;
    s += "</g>\n</svg>\n";
    return s;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatnoZapis.h"

#include <optional>
#include <utility>

namespace {

// Size and style: the colour is written with each text.
bool IstiFont(const std::optional<TFont>& a, const TFont& b) {
    return a && a->Mera() == b.Mera() && a->VisinaUPikselima() == b.VisinaUPikselima() &&
           a->Podebljan == b.Podebljan;
}

}  // namespace

TPlatnoZapis::TPlatnoZapis(TFont font, int tacakaPoIncu) : TPlatno(tacakaPoIncu, std::move(font)) {}

void TPlatnoZapis::PopuniPozadinu(int levo, int gore, int desno, int dole) {
    fOperacije.push_back(
        {TOperacija::Vrsta::Popuna, levo, gore, desno, dole, {}, {}, 0, {}, {}, {}});
}

void TPlatnoZapis::PomeriNa(int x, int y) {
    fX = x;
    fY = y;
}

void TPlatnoZapis::LinijaDo(int x, int y) {
    fOperacije.push_back({TOperacija::Vrsta::Linija, fX, fY, x, y, Olovka(), {}, 0, {}, {}, {}});
    fX = x;
    fY = y;
}

void TPlatnoZapis::Tekst(int x, int y, const std::string& tekst) {
    fOperacije.push_back({TOperacija::Vrsta::Tekst,
                          x,
                          y,
                          0,
                          0,
                          {},
                          Font().Boja,
                          VelicinaFonta(),
                          tekst,
                          {},
                          Font()});
}

void TPlatnoZapis::PopuniPoligon(const std::vector<TTacka>& temena, TBoja boja) {
    fOperacije.push_back({TOperacija::Vrsta::Poligon, 0, 0, 0, 0, {}, boja, 0, {}, temena, {}});
}

std::string TPlatnoZapis::Zapis() const {
    std::string izlaz;
    std::optional<TOlovka> prethodna;
    std::optional<TFont> prethodniFont;
    for (const TOperacija& o : fOperacije) {
        switch (o.vrsta) {
            case TOperacija::Vrsta::Popuna:
                break;
            case TOperacija::Vrsta::Linija:
                if (prethodna != o.olovka) {
                    izlaz += "olovka " + HeksBoje(o.olovka.Boja) + ' ' +
                             std::to_string(o.olovka.Sirina) + '\n';
                    prethodna = o.olovka;
                }
                izlaz += "linija " + std::to_string(o.x1) + ' ' + std::to_string(o.y1) + ' ' +
                         std::to_string(o.x2) + ' ' + std::to_string(o.y2) + '\n';
                break;
            case TOperacija::Vrsta::Tekst:
                if (SaFontovima && o.font && !IstiFont(prethodniFont, *o.font)) {
                    izlaz += "font " + std::to_string(o.font->Mera()) +
                             (o.font->VisinaUPikselima() ? " px" : " pt") +
                             (o.font->Podebljan ? " podebljan" : "") + '\n';
                    prethodniFont = o.font;
                }
                izlaz += "tekst " + std::to_string(o.x1) + ' ' + std::to_string(o.y1) + ' ' +
                         HeksBoje(o.boja) + " \"" + o.tekst + "\"\n";
                break;
            case TOperacija::Vrsta::Poligon:
                izlaz += "poligon " + HeksBoje(o.boja);
                for (const TTacka t : o.temena)
                    izlaz += ' ' + std::to_string(t.x) + ' ' + std::to_string(t.y);
                izlaz += '\n';
                break;
        }
    }
    return izlaz;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Font.h"

#include <cstdint>
#include <utility>

TFont::TFont(std::string ime, TBoja boja, bool podebljan, int tacaka)
    : Ime(std::move(ime)), Boja(boja), Podebljan(podebljan), fMera(tacaka) {}

void TFont::PostaviVelicinu(int tacaka) {
    fVisinaUPikselima = false;
    fMera = tacaka;
}

void TFont::PostaviVisinu(int piksela) {
    fVisinaUPikselima = true;
    fMera = piksela;
}

int TFont::Velicina(int tacakaPoIncu) const {
    if (!fVisinaUPikselima) return fMera;
    // Integer arithmetic: the halves must round away from zero exactly.
    const std::int64_t brojilac = static_cast<std::int64_t>(fMera) * 72;
    std::int64_t kolicnik = brojilac / tacakaPoIncu;
    const std::int64_t ostatak = brojilac % tacakaPoIncu;
    if (2 * (ostatak < 0 ? -ostatak : ostatak) >= tacakaPoIncu) kolicnik += brojilac < 0 ? -1 : 1;
    return static_cast<int>(-kolicnik);
}

TFont FontProzoraDijagrama() { return TFont(kTipografija, kCrna, false, 8); }

TFont PocetniFontStampe() { return TFont(kTipografija, kCrna, true, 12); }

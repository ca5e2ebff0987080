// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every part of the picture "Polozaj voza" draws with: the canvas that
// keeps its labels clear of each other and of its lines, the letter height
// and the number format.

#include <string>
#include <vector>

#include "Boja.h"
#include "PlatnoNatpisa.h"
#include "Prosireno.h"
#include "Voz.h"

/// The train as it stands (ImeVoza of its force count).
inline std::string ImeVoza(const TVoz& voz, bool obrnut) { return ImeVoza(voz.BrojSila(), obrnut); }

struct TCrtezPolozaja {
    TPlatnoNatpisa& c;
    /// The texts' cell height in device units.
    int slova;
    char sep;

    /// From one line of text to the next.
    int Red() const { return slova + slova / 5; }
    /// A value as the picture prints it: three decimals.
    std::string B(Prosireno v) const;
    void Font(TBoja boja, bool podebljan);

    /// The lines the pieces take within `sirina` (Prelomi) in the style.
    int Linija(const std::vector<std::string>& delovi, int sirina, bool podebljan);
    /// Writes the pieces in lines within `sirina` from (levo, y); gives
    /// back the y below the last line.
    int Pasus(int levo, int y, int sirina, const std::vector<std::string>& delovi,
              TBoja boja = kCrna, bool podebljan = false);
};

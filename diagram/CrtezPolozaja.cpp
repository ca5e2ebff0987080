// SPDX-License-Identifier: GPL-3.0-or-later
#include "CrtezPolozaja.h"

#include "FormatBroja.h"
#include "Pasus.h"
#include "Prosireno.h"

// kN, kNm and m alike keep three decimals.
std::string TCrtezPolozaja::B(Prosireno v) const { return FormatInzenjerski(v, TJedinica::m, sep); }

void TCrtezPolozaja::Font(TBoja boja, bool podebljan) {
    c.Font().Boja = boja;
    c.Font().Podebljan = podebljan;
}

int TCrtezPolozaja::Linija(const std::vector<std::string>& delovi, int sirina, bool podebljan) {
    Font(kCrna, podebljan);
    return static_cast<int>(Prelomi(c, delovi, sirina).size());
}

int TCrtezPolozaja::Pasus(int levo, int y, int sirina, const std::vector<std::string>& delovi,
                          TBoja boja, bool podebljan) {
    Font(boja, podebljan);
    for (const std::string& linija : Prelomi(c, delovi, sirina)) {
        c.Tekst(levo, y, linija);
        y += Red();
    }
    return y;
}

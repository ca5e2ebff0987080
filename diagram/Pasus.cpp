// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pasus.h"

// Each piece is measured once and a line's width is the sum of its pieces
// and blanks: each width is rounded apart, so the sum is kept a unit a piece
// short of the width it must stay within.
std::vector<std::string> Prelomi(TPlatno& platno, const std::vector<std::string>& delovi,
                                 int sirina) {
    std::vector<std::string> linije;
    const int razmak = platno.VelicinaTeksta(" ").sirina;
    int duzina = 0, delova = 0;
    for (const std::string& deo : delovi) {
        const int d = platno.VelicinaTeksta(deo).sirina;
        if (!linije.empty() && duzina + razmak + d + delova + 1 <= sirina) {
            linije.back() += ' ' + deo;
            duzina += razmak + d;
            ++delova;
        } else {
            linije.push_back(deo);
            duzina = d;
            delova = 1;
        }
    }
    return linije;
}

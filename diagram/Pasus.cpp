// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pasus.h"

std::vector<std::string> Prelomi(TPlatno& platno, const std::vector<std::string>& delovi,
                                 int sirina) {
    std::vector<std::string> linije;
    for (const std::string& deo : delovi) {
        if (!linije.empty() && platno.VelicinaTeksta(linije.back() + ' ' + deo).sirina <= sirina)
            linije.back() += ' ' + deo;
        else
            linije.push_back(deo);
    }
    return linije;
}

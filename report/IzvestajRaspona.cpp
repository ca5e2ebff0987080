// SPDX-License-Identifier: GPL-3.0-or-later
#include "IzvestajRaspona.h"

#include "FormatBroja.h"
#include "Linija.h"
#include "TabeleCsv.h"

std::vector<std::string> LinijeRaspona(const std::vector<TRedRaspona>& tabela, char sep) {
    const auto B = [sep](double v) { return FormatBroja(v, sep); };
    std::vector<std::string> linije;
    for (const TRedRaspona& r : tabela) {
        const TMerodavneVrednosti &k = r.Merodavno.Karakteristicne, &d = r.Merodavno.Proracunske;
        std::string linija =
            Linija({"L = ", B(r.L), " [m]: Mk = ", B(k.Mmax.Vrednost), " [kNm] u x = ", B(k.Mmax.x),
                    " [m], Ak = Tk = ", B(k.Amax.Vrednost), " [kN]; MEd = ", B(d.Mmax.Vrednost),
                    " [kNm], AEd = TEd = ", B(d.Amax.Vrednost), " [kN]; "});
        linija += r.ManjakM ? Linija({"klasicni Mmax manji za ", B(*r.ManjakM), " [%]"})
                            : std::string("voz duzi od raspona, klasicni proracun ne vazi");
        linije.push_back(std::move(linija));
    }
    return linije;
}

std::string TabelaRasponaCsv(const std::vector<TRedRaspona>& tabela) {
    std::string csv = "raspon,Mk_max,x_Mk,Ak_max,MEd_max,AEd_max,manjak_extM_pct\r\n";
    for (const TRedRaspona& r : tabela) {
        const TMerodavneVrednosti &k = r.Merodavno.Karakteristicne, &d = r.Merodavno.Proracunske;
        for (const double v :
             {r.L, k.Mmax.Vrednost, k.Mmax.x, k.Amax.Vrednost, d.Mmax.Vrednost, d.Amax.Vrednost})
            csv += BrojCsv(v) + ",";
        if (r.ManjakM) csv += BrojCsv(*r.ManjakM);
        csv += "\r\n";
    }
    return csv;
}

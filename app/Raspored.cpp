// SPDX-License-Identifier: GPL-3.0-or-later
#include "Raspored.h"

#include <algorithm>

TRaspored StandardniRasporedZa(QSize klijent, bool saTacnomAnvelopom, bool saMerodavnim) {
    const int visinaKolone = std::max(0, klijent.height() - kVisinaPodataka - kMarginaRasporeda);
    const int sirinaGrafika =
        std::max(kNajmanjiGrafik, klijent.width() - kSirinaPodataka - kMarginaRasporeda);
    const int visinaGrafika = std::max(kNajmanjiGrafik, klijent.height() - kMarginaRasporeda);
    TRaspored r{QRect(0, 0, kSirinaPodataka, kVisinaPodataka),
                QRect(0, kVisinaPodataka, kSirinaPodataka, visinaKolone),
                QRect(kSirinaPodataka, 0, sirinaGrafika, visinaGrafika), QRect(), QRect()};
    if (saTacnomAnvelopom) {
        const int visinaRezultata = visinaKolone / 2;
        r.Rezultati.setHeight(visinaRezultata);
        r.TacnaAnvelopa = QRect(0, kVisinaPodataka + visinaRezultata, kSirinaPodataka,
                                visinaKolone - visinaRezultata);
    }
    if (saMerodavnim) {
        r.Merodavne = r.Grafik;
        if (visinaGrafika >= kNajmanjiGrafik + kNajmanjiMerodavni) {
            r.Grafik.setHeight(std::max(kNajmanjiGrafik, visinaGrafika * 2 / 5));
            r.Merodavne.setTop(r.Grafik.bottom() + 1);
        }
    }
    return r;
}

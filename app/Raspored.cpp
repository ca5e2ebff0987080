// SPDX-License-Identifier: GPL-3.0-or-later
#include "Raspored.h"

#include <algorithm>

TRaspored StandardniRasporedZa(QSize klijent) {
    const int visinaRezultata = std::max(0, klijent.height() - kVisinaPodataka - kMarginaRasporeda);
    const int sirinaGrafika =
        std::max(kNajmanjiGrafik, klijent.width() - kSirinaPodataka - kMarginaRasporeda);
    const int visinaGrafika = std::max(kNajmanjiGrafik, klijent.height() - kMarginaRasporeda);
    return TRaspored{QRect(0, 0, kSirinaPodataka, kVisinaPodataka),
                     QRect(0, kVisinaPodataka, kSirinaPodataka, visinaRezultata),
                     QRect(kSirinaPodataka, 0, sirinaGrafika, visinaGrafika)};
}

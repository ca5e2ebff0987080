// SPDX-License-Identifier: GPL-3.0-or-later
#include "OkvirDijagrama.h"

#include "Zaokruzivanje.h"

TOkvirDijagrama::TOkvirDijagrama(bool stampa_, double W_, double H_, double raspon)
    : stampa(stampa_),
      W(W_),
      H(H_),
      x0(stampa ? 200 : 50),
      x1(ZaokruziParno(static_cast<long double>(W) - (stampa ? 200 : 100))),
      y0(ZaokruziParno(static_cast<long double>(H) / 8)),
      y1(ZaokruziParno(static_cast<long double>(H) * 4 / 6)),
      s(Sirina() > 0 ? raspon / static_cast<double>(Sirina()) : 0) {}

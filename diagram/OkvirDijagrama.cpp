// SPDX-License-Identifier: GPL-3.0-or-later
#include "OkvirDijagrama.h"

#include <algorithm>

#include "Zaokruzivanje.h"

TOkvirDijagrama::TOkvirDijagrama(bool stampa_, double W_, double H_, double raspon)
    : sadrzaj(TSadrzajCrteza::Okvir),
      stampa(stampa_),
      W(W_),
      H(H_),
      x0(stampa ? 200 : 50),
      x1(ZaokruziParno(static_cast<Prosireno>(W) - (stampa ? 200 : 100))),
      y0(ZaokruziParno(static_cast<Prosireno>(H) / 8)),
      y1(ZaokruziParno(static_cast<Prosireno>(H) * 4 / 6)),
      L(raspon),
      s(Sirina() > 0 ? raspon / static_cast<double>(Sirina()) : 0) {}

double TOkvirDijagrama::Uzorak(std::int64_t i) const {
    const double X = static_cast<double>(i) * s;
    return X > L ? L : X;
}

double TOkvirDijagrama::Presek(std::int64_t kolona) const {
    return Uzorak(std::clamp<std::int64_t>(kolona - x0, 0, std::max<std::int64_t>(Sirina(), 0)));
}

std::optional<double> TOkvirDijagrama::PresekKlika(std::int64_t kolona) const {
    constexpr std::int64_t kOkolina = 5;
    if (sadrzaj != TSadrzajCrteza::Dijagrami || kolona < x0 - kOkolina || kolona > x1 + kOkolina)
        return std::nullopt;
    return Presek(kolona);
}

std::int32_t TOkvirDijagrama::Kolona(double X) const {
    return ZaokruziParno(static_cast<Prosireno>(X) / s + x0);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

/// Geometry of the child windows in the standard arrangement.
struct TRaspored {
    QRect Podaci;
    QRect Rezultati;
    QRect Grafik;
    /// The window "Tacna anvelopa", where it is open; empty otherwise.
    QRect TacnaAnvelopa;
    /// The window "Merodavne vrednosti", where it is open; empty otherwise.
    QRect Merodavne;
};

inline constexpr int kSirinaPodataka = 449;  // outer size of the input form
inline constexpr int kVisinaPodataka = 435;
inline constexpr int kMarginaRasporeda = 4;  // left free on the right and at the bottom
inline constexpr int kNajmanjiGrafik = 400;  // the diagram window's minimum, both ways
// Below the diagram window, "Merodavne vrednosti" needs this much height for
// its text and a diagram.
inline constexpr int kNajmanjiMerodavni = 520;

/// The input form in the top-left corner, the results below it and the
/// diagram window in the rest of the height to its right, for a frame whose
/// client area has the given size. With the window "Tacna anvelopa" open,
/// the results share their column with it, the results above, so that
/// neither covers the diagrams. With the window "Merodavne vrednosti" open,
/// the diagrams' column holds it under the diagram window (two fifths of
/// the height, at least its least height) where there is room for both; on
/// a lower screen it takes the diagram window's place, in front of it.
TRaspored StandardniRasporedZa(QSize klijent, bool saTacnomAnvelopom = false,
                               bool saMerodavnim = false);

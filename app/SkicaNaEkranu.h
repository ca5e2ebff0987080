// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QSize>

/// The size the sketches are shown at, in the form's pixels.
inline constexpr QSize kVelicinaSkice(400, 136);

/// The beam sketch for a train of brojSila forces, decoded for a screen of
/// the given device pixel ratio: 400 x 136 of the form's pixels, each
/// odnosPiksela device pixels wide, so that it stays sharp on a scaled
/// screen (800 x 272 at 200 %).
QPixmap SkicaNaEkranu(int brojSila, qreal odnosPiksela);

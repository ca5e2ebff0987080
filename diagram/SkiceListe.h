// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sheet's sketches of the train on its beam, drawn as "Polozaj voza"
// draws them (NacrtajSkicuVoza): the load case with its values and
// dimensions, and where the train stands for each governing value.

#include <cstdint>

#include "Platno.h"
#include "SadrzajListe.h"

/// Clears the sirina x visina picture and draws the load case: the beam
/// with its supports, the train with P1 on the left support and each force
/// labelled with its value, the arbitrary section x dashed, and under the
/// beam the spacings and the span dimensioned.
void NacrtajSkicuOpterecenja(TPlatno& platno, std::int32_t sirina, std::int32_t visina,
                             const TSadrzajListe& sadrzaj);

/// The rows of NacrtajPolozajeMerodavnih: Mmax, Amax and Bmax of the train,
/// and with the design actions their design values as well.
int BrojRedovaPolozaja(const TSadrzajListe& sadrzaj);

/// Clears the sirina x visina picture and draws a row for each governing
/// value: its value, section and position in words, and the train there
/// on its beam with the section marked (and q's stretches hatched for a
/// design value), every row to one scale.
void NacrtajPolozajeMerodavnih(TPlatno& platno, std::int32_t sirina, std::int32_t visina,
                               const TSadrzajListe& sadrzaj);

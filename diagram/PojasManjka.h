// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AnvelopaPoKolonama.h"
#include "Boja.h"
#include "OkvirDijagrama.h"
#include "Platno.h"
#include "Prosireno.h"

/// The tint of the band where the classical envelope falls short: light and
/// warm, so that the curves drawn over it stay clear.
inline constexpr TBoja kBojaManjka{255, 224, 178};

/// For each quantity, the band between the classical and the exact curve
/// over every run of columns where the classical value falls short of the
/// exact one by more than rounding: one filled polygon a run, along the
/// classical curve and back along the exact one. Drawn before the curves.
void NacrtajPojasManjka(TPlatno& platno, const TOkvirDijagrama& okvir,
                        const TAnvelopaPoKolonama& anvelopa);

/// Whether the classical value falls short of the exact one: nearer zero,
/// by more than rounding of the quantity's scale (R L for moments, R for
/// shears).
bool KlasicnoManje(TVelicina v, double klasicno, double tacno, Prosireno skala);

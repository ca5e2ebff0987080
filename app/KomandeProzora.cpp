// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the menu "Prozori", and the standard arrangement that the
// frame applies on every change of its size.
#include "GlavniObrazac.h"
#include "GrafikObrazac.h"
#include "PodaciObrazac.h"
#include "RezultatiObrazac.h"

void TGlavniO::PodesistandardnirasporedClick() { StandardniRaspored(); }

void TGlavniO::MiximizujRezultatiProracunaClick() { RezultatiO->showMaximized(); }

void TGlavniO::MiximizujDijagramLastovarClick() { GrafikO->showMaximized(); }

void TGlavniO::FormCanResize() { StandardniRaspored(); }

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SadrzajListe.h"
#include "SlagacListe.h"

/// The size of a table's texts in points, and the least any text of the
/// sheet that people read as a table is set at.
inline constexpr double kVelicinaTabele = 8;

/// Sets the table `t` as "Tabela <broj>." at the flow's y: its caption,
/// the headings over its groups of columns and its columns' headings, one
/// line a row, ruled top and bottom, numbers flush right. Where the rows go
/// on over another page the caption ("(nastavak)") and the headings come
/// again. A table too wide for a portrait page is set on landscape ones
/// (and the flow goes on there); too wide for that as well, it is set as
/// one table a group of columns, each with the key columns again. Its
/// notes follow under it.
void SlozTabelu(TSlagac& slagac, const TTabelaTekstova& t, int broj);

/// Whether SlozTabelu begins `t` on a landscape page.
bool TabelaPolozena(const TTabelaTekstova& t);

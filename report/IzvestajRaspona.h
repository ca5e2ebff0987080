// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The span table as text lines, with the report's number format, and as
// CSV with the header raspon,Mk_max,x_Mk,Ak_max,MEd_max,AEd_max,
// manjak_extM_pct: numbers at full precision as the other tables write
// them, the shortfall empty where the classical method does not apply.

#include <string>
#include <vector>

#include "TabelaRaspona.h"

/// One line a span.
std::vector<std::string> LinijeRaspona(const std::vector<TRedRaspona>& tabela, char sep);

/// The table as CSV (RFC 4180, records ended by CR LF).
std::string TabelaRasponaCsv(const std::vector<TRedRaspona>& tabela);

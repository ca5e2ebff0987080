// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

/// The windows' typeface in a given pixel height; where MS Sans Serif is
/// not installed the nearest metric-alike sans serif stands in.
QFont FontProzora(int piksela, bool podebljan);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <string>

/// Why a file of this mode is neither read as a data file nor replaced by a
/// save: empty for a regular file, otherwise what it is instead.
std::string NijeObicna(mode_t mod);

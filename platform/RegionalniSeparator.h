// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

/// The decimal separator of the user's regional settings, as the system
/// locale reports it; '.' where it is not a single 8-bit character.
char RegionalniSeparator();

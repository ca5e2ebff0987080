// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The standard titles of the three kinds of modal box.
inline constexpr const char* kNaslovGreske = "Greska";
inline constexpr const char* kNaslovInformacije = "Informacija";
inline constexpr const char* kNaslovPotvrde = "Potvrda";

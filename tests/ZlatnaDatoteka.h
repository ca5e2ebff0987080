// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

/// Compares `stvarno` with the reference file `putanja` byte for byte. On a
/// difference the test fails naming the first line that differs, and the
/// actual text is left beside the reference as <putanja>.actual, so a
/// reviewer can diff the two or take the new one after checking it.
void UporediSaReferencom(const std::string& stvarno, const std::string& putanja);

/// The same for lines, each taken as ended by LF.
void UporediSaReferencom(const std::vector<std::string>& linije, const std::string& putanja);

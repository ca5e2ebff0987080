// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

/// Which force and spacing edits a train of n forces uses: forces 1..n and
/// spacings 1..n-1.
struct TOmogucenaPolja {
    std::array<bool, 6> Sile{};
    std::array<bool, 5> Rastojanja{};
};

TOmogucenaPolja OmogucenaPolja(int brojSila);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

/// The memory still to be had before a drawing into a file starts. Qt's
/// platform, font and painting code does not report memory running out:
/// where an allocation fails deep inside it, the program ends or crashes.
/// With this much to spare, every drawing this program makes into a file
/// either fits or fails where the failure is reported (the growing buffers
/// of its output), as measured under address-space limits.
inline constexpr std::size_t kRezervaZaCrtanje = std::size_t{16} << 20;

/// Throws std::bad_alloc unless `bajtova` bytes of memory can still be
/// had; none of them is kept.
void ProveriRezervu(std::size_t bajtova = kRezervaZaCrtanje);

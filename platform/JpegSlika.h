// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <span>

/// Decodes JPEG data with libjpeg into a 32-bit RGB image; a null image
/// where the data is not a JPEG picture libjpeg can read. A picture that is
/// only shown smaller is decoded at 1/2, 1/4 or 1/8 of its size, as long as
/// it stays at least `najmanjaSirina` wide (0: full size).
QImage DekodirajJpeg(std::span<const unsigned char> jpeg, int najmanjaSirina = 0);

// SPDX-License-Identifier: GPL-3.0-or-later
#include "SkiceGrede.h"

#include <QResource>
#include <QString>
#include <stdexcept>

std::span<const unsigned char> SkicaGrede(int brojSila) {
    const int n = brojSila >= 2 && brojSila <= 6 ? brojSila : 1;
    const QResource skica(QStringLiteral(":/skice/Skica%1.jpg").arg(n));
    // Only an uncompressed resource's data() is the stored file itself; it
    // lives in the program's image, so the span outlives the QResource.
    if (!skica.isValid() || skica.compressionAlgorithm() != QResource::NoCompression)
        throw std::logic_error("skica grede nije ugradjena bez sazimanja");
    return {reinterpret_cast<const unsigned char*>(skica.data()),
            static_cast<std::size_t>(skica.size())};
}

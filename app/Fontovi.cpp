// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fontovi.h"

#include <cstdint>

QFont FontProzora(int piksela, bool podebljan) {
    QFont f(QString::fromLatin1(kTipografija));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(piksela);
    f.setBold(podebljan);
    return f;
}

// In points, not pixels: a font dialog shows and returns point sizes, and a
// font it cannot find in its lists comes back in another face and regular.
TFontIzbor IzborFonta(const TFont& font) {
    QFont f(QString::fromStdString(font.Ime), font.Mera());
    f.setStyleHint(QFont::SansSerif);
    f.setBold(font.Podebljan);
    return TFontIzbor{f, QColor(font.Boja.R, font.Boja.G, font.Boja.B)};
}

TFont FontStampe(const TFontIzbor& izbor, int tacakaPoIncu) {
    const QFont& f = izbor.Font;
    const int tacaka =
        f.pointSize() > 0 ? f.pointSize() : (f.pixelSize() * 72 + tacakaPoIncu / 2) / tacakaPoIncu;
    const QColor b = izbor.Boja;
    return TFont(f.family().toStdString(),
                 TBoja{static_cast<std::uint8_t>(b.red()), static_cast<std::uint8_t>(b.green()),
                       static_cast<std::uint8_t>(b.blue())},
                 f.bold(), tacaka);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fontovi.h"

#include <QStringList>

QFont FontProzora(int piksela, bool podebljan) {
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Nimbus Sans"),
                   QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(piksela);
    f.setBold(podebljan);
    return f;
}

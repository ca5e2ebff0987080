// SPDX-License-Identifier: GPL-3.0-or-later
#include "IkonaPrograma.h"

QIcon IkonaPrograma() {
    QIcon ikona;
    for (const int velicina : {16, 32, 48, 64, 128, 256})
        ikona.addFile(QStringLiteral(":/ikone/lastovar-%1.png").arg(velicina),
                      QSize(velicina, velicina));
    return ikona;
}

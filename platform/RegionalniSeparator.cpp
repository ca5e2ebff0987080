// SPDX-License-Identifier: GPL-3.0-or-later
#include "RegionalniSeparator.h"

#include <QLocale>

char RegionalniSeparator() {
    const QString s = QLocale::system().decimalPoint();
    if (s.size() != 1 || s[0].unicode() > 0x7f) return '.';
    return static_cast<char>(s[0].unicode());
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "PodesavanjaQta.h"

#include <QSettings>

void BezPodesavanjaQta() {
    // A folder under a device file can never be made, so QSettings neither
    // finds a file to read nor creates one (nor its lock file) to write.
    const QString nigde = QStringLiteral("/dev/null");
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        for (const QSettings::Scope opseg : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(format, opseg, nigde);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>

/// Splits 8-bit text into lines at CR LF or LF; a last line without a line
/// break counts, an empty text has no lines.
QStringList RazdeliLinije(const QByteArray& bajtovi);

/// The lines in the 8-bit character set, each followed by CR LF.
QByteArray SpojiLinije(const QStringList& linije);

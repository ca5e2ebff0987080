// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>

/// The lines in the 8-bit character set, each followed by CR LF.
QByteArray SpojiLinije(const QStringList& linije);

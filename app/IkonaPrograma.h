// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

/// The program's icon, the one the desktop entry names, from 16 to 256
/// pixels: the application's, which every window and dialog shows.
QIcon IkonaPrograma();

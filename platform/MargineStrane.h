// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMarginsF>

class QPageLayout;

/// The page's margins in millimetres, which the user does not edit: 10 on
/// every side, or the printer's own minimum where that is larger.
QMarginsF MargineStrane(const QPageLayout& stampaca);

inline constexpr double kMarginaMm = 10.0;

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

/// "A|*.a|B|*.b" as file dialog name filters: {"A (*.a)", "B (*.b)"}.
QStringList FilteriDijaloga(const QString& filter);

/// The extension of the n-th pattern of such a filter ("a" for "*.a"),
/// empty where it has none or a wildcard.
QString EkstenzijaFiltera(const QString& filter, int n);

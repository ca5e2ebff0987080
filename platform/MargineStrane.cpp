// SPDX-License-Identifier: GPL-3.0-or-later
#include "MargineStrane.h"

#include <QPageLayout>
#include <algorithm>

QMarginsF MargineStrane(const QPageLayout& stampaca) {
    QPageLayout mm = stampaca;
    mm.setUnits(QPageLayout::Millimeter);
    const QMarginsF najmanje = mm.minimumMargins();
    return QMarginsF(std::max(kMarginaMm, najmanje.left()), std::max(kMarginaMm, najmanje.top()),
                     std::max(kMarginaMm, najmanje.right()),
                     std::max(kMarginaMm, najmanje.bottom()));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "PodProzor.h"

#include <QCloseEvent>

TPodProzor::TPodProzor(QWidget* roditelj, Qt::WindowFlags zastavice)
    : QMdiSubWindow(roditelj, zastavice) {}

void TPodProzor::closeEvent(QCloseEvent* dogadjaj) {
    dogadjaj->ignore();
    showMinimized();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMdiSubWindow>

/// A child window of the frame that lives for the whole run: closing it
/// only minimises it inside the frame.
class TPodProzor : public QMdiSubWindow {
public:
    explicit TPodProzor(QWidget* roditelj = nullptr, Qt::WindowFlags zastavice = {});

protected:
    void closeEvent(QCloseEvent* dogadjaj) override;
};

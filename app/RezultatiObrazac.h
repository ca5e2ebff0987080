// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include "PodProzor.h"

class QPlainTextEdit;

/// The results window: its memo holds the lines of the last report.
class TRezultatiO : public TPodProzor {
public:
    explicit TRezultatiO(QWidget* roditelj = nullptr);

    void ObrisiIzvestaj();
    /// Replaces the memo's lines and shows the first one, nothing selected.
    void PrikaziIzvestaj(const QStringList& linije);
    /// The memo's lines; none while it is empty.
    QStringList Linije() const;

    QPlainTextEdit* MemoText;
};

extern TRezultatiO* RezultatiO;

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RezultatiObrazac.h"

/// The window "Tacna anvelopa", there while the menu item of that name is
/// checked: the classical envelope beside the exact one at the report's
/// sections for the load case the input form locked with, in a read-only
/// memo as the results window has; empty while the form is unlocked.
class TTacnaAnvelopaO : public TRezultatiO {
public:
    explicit TTacnaAnvelopaO(QWidget* roditelj = nullptr);
    ~TTacnaAnvelopaO() override;

    /// Fills the memo while the form is locked, empties it otherwise.
    void Osvezi();
};

/// The window while the item is checked, null otherwise.
extern TTacnaAnvelopaO* TacnaAnvelopaO;

/// The item "Tacna anvelopa" turned on or off: opens or closes the window
/// and redraws the diagram window, with or without the exact envelopes.
void UkljuciTacnuAnvelopu(bool ukljuceno);
/// Whether the diagrams draw the exact envelopes too.
bool TacnaAnvelopaUkljucena();
/// The form locked or unlocked: the window follows.
void OsveziTacnuAnvelopu();

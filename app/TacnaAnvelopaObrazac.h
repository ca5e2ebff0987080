// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RezultatiObrazac.h"

/// The window "Tacna anvelopa", which the main window keeps while the menu
/// item of that name is checked: the classical envelope beside the exact one
/// at the report's sections for the load case the input form locked with,
/// the train crossing as "Oba smera voza" says, ending with the absolute
/// maximum beside the diagram's Mgov, in a read-only memo as the results
/// window has; empty while the form is unlocked. It follows the form's lock
/// by itself.
class TTacnaAnvelopaO : public TRezultatiO {
public:
    explicit TTacnaAnvelopaO(QWidget* roditelj = nullptr);

    /// Fills the memo while the form is locked, empties it otherwise.
    void Osvezi();
};

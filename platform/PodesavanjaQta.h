// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

/// Qt's own dialogs read and write their history, last folder and layout in
/// QtProject.conf among the user's and the system's settings. The program
/// reads and stores no configuration, so from this call on Qt's settings of
/// either scope point where no file can be: nothing is read and every write
/// fails unseen. Call it once, before the first dialog.
void BezPodesavanjaQta();

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAction;
class QMenu;
class TGlavniO;

/// One row of the main window's menu table (MeniGlavnog.cpp): a menu, an
/// item, a checkable item or a separator. Rows are shown in table order
/// within the menu they name.
struct TStavkaMenija {
    enum class TVrsta { Meni, Stavka, Proveriva, Razdelnik };

    TVrsta vrsta;
    /// Object name of the menu the row goes into; none: the menu bar.
    const char* u;
    /// Object name of the menu, item or separator.
    const char* ime;
    /// The caption; none for a separator.
    const char* natpis;
    /// A menu's: where the main window keeps it.
    QMenu* TGlavniO::*meni;
    /// An item's: where the main window keeps it.
    QAction* TGlavniO::*stavka;
    /// An item's command, run under the general error report when the item
    /// is chosen; a checkable item's on every change of its check mark.
    void (TGlavniO::*komanda)();
    /// An item's key sequence in portable text ("Ctrl+P"); none: no shortcut.
    const char* precica;
};

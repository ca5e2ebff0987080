// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QPainter;

/// The print preview: the page a print job on the current printer would
/// get, shown before it goes to paper, from where the user may print it.
class TPregledStampe {
public:
    virtual ~TPregledStampe() = default;

    /// Shows, modally, the page that `strana` draws on a painter of the
    /// current printer's page, as the print job's would be. Its print
    /// button runs `stampaj`, the program's one way of printing, and the
    /// preview closes once that says it printed. A failure of `strana` goes
    /// on to the caller once the preview is closed.
    virtual void Prikazi(const std::function<void(QPainter&)>& strana,
                         const std::function<bool()>& stampaj) = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include "PodesavanjaDijaloga.h"

class QPainter;

/// The printing service: the installed printers, the current one, and one
/// print job at a time whose page is drawn through Platno().
class TStampanje {
public:
    virtual ~TStampanje() = default;

    virtual QStringList Stampaci() = 0;
    /// The current printer's name; throws EGreskaStampe when there is none.
    virtual QString TrenutniStampac() = 0;
    /// Makes the page set-up dialog's choice the current printer and paper.
    virtual void Postavi(const TPodesavanjeStrane& strana) = 0;
    /// Starts a job on the current printer; throws EGreskaStampe when it cannot.
    virtual void PocniPosao() = 0;
    /// The page of the running job; null when no job runs.
    virtual QPainter* Platno() = 0;
    /// Ends the running job and sends its page to the printer.
    virtual void ZavrsiPosao() = 0;
    /// Drops the running job without printing it.
    virtual void OtkaziPosao() = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QPrinter>
#include <memory>
#include <optional>

#include "Stampanje.h"

/// Printing through Qt's print support (CUPS on Linux). Also prints to a
/// PDF file when the current printer is set to "PDF:<path>".
class TQtStampanje final : public TStampanje {
public:
    QStringList Stampaci() override;
    QString TrenutniStampac() override;
    void Postavi(const TPodesavanjeStrane& strana) override;
    void PocniPosao() override;
    QPainter* Platno() override;
    void ZavrsiPosao() override;
    void OtkaziPosao() override;

    /// A printer set up as the next job's would be, for a print preview:
    /// the current printer (none where none is installed, as the preview
    /// still shows the page) with the paper of the page set-up. Throws
    /// EGreskaStampe while a job runs.
    std::unique_ptr<QPrinter> StampacZaPregled();

private:
    void PripremiStampac();

    std::optional<QString> fStampac;  // the system default until asked for
    TPodesavanjeStrane fStrana;
    std::unique_ptr<QPrinter> fPrinter;
    std::unique_ptr<QPainter> fPlatno;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QPrinter>
#include <functional>
#include <memory>

#include "Stampanje.h"

/// Printing through Qt's print support (CUPS on Linux). Also prints to a
/// PDF file when the current printer is set to "PDF:<path>".
class TQtStampanje final : public TStampanje {
public:
    /// The resolution every job runs at, the one the print factors assume:
    /// with the factor 10 an A4 page's drawing is 2100 dots, 178 mm, wide.
    static constexpr int kTacakaPoIncu = 300;

    /// `podrazumevani` gives the system's default printer, empty for none;
    /// it is asked each time no printer was chosen in the page set-up.
    explicit TQtStampanje(std::function<QString()> podrazumevani = PodrazumevaniStampac);

    QStringList Stampaci() override;
    QString TrenutniStampac() override;
    void Postavi(const TPodesavanjeStrane& strana) override;
    void PocniPosao() override;
    QPainter* Platno() override;
    void ZavrsiPosao() override;
    void OtkaziPosao() override;

    /// The print system's default printer, empty when there is none.
    static QString PodrazumevaniStampac();
    /// A printer set up as the next job's would be, for a print preview:
    /// the current printer (none where none is installed, as the preview
    /// still shows the page) with the paper of the page set-up. Throws
    /// EGreskaStampe while a job runs.
    std::unique_ptr<QPrinter> StampacZaPregled();

private:
    /// The page set-up's printer, else the system default; empty for none.
    QString Stampac() const;
    void PripremiStampac(const QString& stampac);

    std::function<QString()> fPodrazumevani;
    QString fIzabrani;  // the page set-up's choice; empty: the system default
    TPodesavanjeStrane fStrana;
    std::unique_ptr<QPrinter> fPrinter;
    std::unique_ptr<QPainter> fPlatno;
};

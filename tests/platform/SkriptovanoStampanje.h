// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPainter>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Stampanje.h"

/// A printing service for tests: its page is an image of the given size in
/// printer dots; it records the jobs and can be told to fail to start one.
class TSkriptovanoStampanje final : public TStampanje {
public:
    explicit TSkriptovanoStampanje(QSize strana = QSize(2480, 3508)) : fVelicina(strana) {}

    QStringList Stampaci() override { return Spisak; }
    QString TrenutniStampac() override;
    void Postavi(const TPodesavanjeStrane& strana) override;
    void PocniPosao() override;
    QPainter* Platno() override { return fPlatno.get(); }
    void ZavrsiPosao() override;
    void OtkaziPosao() override;

    QStringList Spisak{QStringLiteral("Stampac 1")};
    QString Trenutni = QStringLiteral("Stampac 1");
    std::optional<std::string> GreskaPocetka;
    std::vector<TPodesavanjeStrane> Postavljeno;
    /// The pages that were ended, in order; cancelled jobs leave none.
    std::vector<QImage> Odstampano;
    int Otkazano = 0;

private:
    QSize fVelicina;
    QImage fStrana;
    std::unique_ptr<QPainter> fPlatno;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPainter>
#include <QPoint>
#include <optional>

#include "Platno.h"

/// Our canvas on a QPainter: lines with round ends as the pen draws them,
/// texts on the white background brush, fonts resolved for the painter's
/// device. Subclasses supply the painter, which may change between
/// operations (a backing image that is recreated, a page that is begun).
class TPlatnoQPainter : public TPlatno {
public:
    TPlatnoQPainter(int tacakaPoIncu, TFont font);

    void PopuniPozadinu(int levo, int gore, int desno, int dole) override;
    void PomeriNa(int x, int y) override;
    void LinijaDo(int x, int y) override;
    void Tekst(int x, int y, const std::string& tekst) override;
    void PopuniPoligon(const std::vector<TTacka>& temena, TBoja boja) override;

protected:
    /// The active painter for the next operation.
    virtual QPainter& Slikar() = 0;
    /// Forgets what was applied to the previous painter.
    void NoviSlikar();

private:
    void PrimeniOlovku(QPainter& p);
    QFont QtFont(const QPainter& p) const;

    QPoint fTacka;
    std::optional<TOlovka> fPrimenjenaOlovka;
    std::optional<TFont> fPrimenjenFont;
    QFont fQtFont;
};

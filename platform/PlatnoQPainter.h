// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPoint>
#include <QPolygon>
#include <optional>
#include <string>
#include <unordered_map>

#include "Platno.h"

/// Our canvas on a QPainter: lines with round ends as the pen draws them,
/// texts on the white background brush, fonts resolved for the painter's
/// device. Subclasses supply the painter, which may change between
/// operations (a backing image that is recreated, a page that is begun).
///
/// Consecutive lines with one pen, each from the end of the last, are kept
/// as one run and drawn together (NacrtajNiz): a curve of a sample per
/// column is thousands of lines, and stroking each alone with its round
/// ends costs far more than the run at once. The run is drawn before any
/// other operation, before the picture is shown and, by the subclasses,
/// before their painter ends.
class TPlatnoQPainter : public TPlatno {
public:
    TPlatnoQPainter(int tacakaPoIncu, TFont font);

    void PopuniPozadinu(int levo, int gore, int desno, int dole) override;
    void PomeriNa(int x, int y) override;
    void LinijaDo(int x, int y) override;
    void Tekst(int x, int y, const std::string& tekst) override;
    void PopuniPoligon(const std::vector<TTacka>& temena, TBoja boja) override;
    /// Measured with the font Tekst draws in, on the painter's device.
    TVelicinaTeksta VelicinaTeksta(const std::string& tekst) override;

    /// Draws the lines still kept in the run.
    void Isprazni();

protected:
    /// The active painter for the next operation.
    virtual QPainter& Slikar() = 0;
    /// Forgets what was applied to the previous painter.
    void NoviSlikar();

private:
    QFont QtFont(const QPainter& p) const;
    /// The Qt font of the canvas font, resolved anew when that changed.
    const QFont& PrimenjenFont(const QPainter& p);

    QPoint fTacka;
    /// The run's points, from its starting point on; empty without a run.
    QPolygon fNiz;
    TOlovka fOlovkaNiza;
    std::optional<TFont> fPrimenjenFont;
    QFont fQtFont;
    // The metrics of fQtFont on the painter's device, made with it, and the
    // widths measured, by font and text.
    std::optional<QFontMetrics> fMere;
    std::unordered_map<std::string, int> fSirine;
};

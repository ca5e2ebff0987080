// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPainter>
#include <memory>

#include "PlatnoQPainter.h"

/// Our canvas on an image of its own, white to begin with.
class TPlatnoSlike : public TPlatnoQPainter {
public:
    /// A sirina x visina image at the given resolution; throws
    /// std::bad_alloc when the image cannot be had.
    TPlatnoSlike(int sirina, int visina, TFont font, int tacakaPoIncu = 96);
    ~TPlatnoSlike() override;

    /// The picture as drawn so far, the kept run of lines included.
    const QImage& Slika();

protected:
    QPainter& Slikar() override;
    QSize Velicina() const { return fSlika.size(); }
    /// Replaces the picture by a white one of the new size.
    void NovaVelicina(int sirina, int visina);

private:
    void ZavrsiSlikanje();

    QImage fSlika;
    std::unique_ptr<QPainter> fSlikar;
};

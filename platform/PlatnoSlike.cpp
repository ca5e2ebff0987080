// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatnoSlike.h"

#include <algorithm>
#include <new>
#include <utility>

namespace {

QImage BelaSlika(int sirina, int visina, int tacakaPoIncu) {
    QImage s(std::max(0, sirina), std::max(0, visina), QImage::Format_RGB32);
    if (s.isNull() && sirina > 0 && visina > 0) throw std::bad_alloc();
    const int tacakaPoMetru = static_cast<int>(tacakaPoIncu / 0.0254 + 0.5);
    s.setDotsPerMeterX(tacakaPoMetru);
    s.setDotsPerMeterY(tacakaPoMetru);
    s.fill(Qt::white);
    return s;
}

}  // namespace

TPlatnoSlike::TPlatnoSlike(int sirina, int visina, TFont font, int tacakaPoIncu)
    : TPlatnoQPainter(tacakaPoIncu, std::move(font)),
      fSlika(BelaSlika(sirina, visina, TacakaPoIncu())) {}

TPlatnoSlike::~TPlatnoSlike() { ZavrsiSlikanje(); }

void TPlatnoSlike::ZavrsiSlikanje() {
    fSlikar.reset();
    NoviSlikar();
}

// The painter is opened at the first operation and ended before the image
// is read, so the image is never shared with an active painter.
QPainter& TPlatnoSlike::Slikar() {
    if (!fSlikar) fSlikar = std::make_unique<QPainter>(&fSlika);
    return *fSlikar;
}

const QImage& TPlatnoSlike::Slika() {
    Isprazni();
    ZavrsiSlikanje();
    return fSlika;
}

// A run kept meanwhile is drawn on the new picture, as the lines would
// have been had they come after the change.
void TPlatnoSlike::NovaVelicina(int sirina, int visina) {
    ZavrsiSlikanje();
    fSlika = BelaSlika(sirina, visina, TacakaPoIncu());
}

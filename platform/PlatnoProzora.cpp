// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatnoProzora.h"

TPlatnoProzora::TPlatnoProzora(QWidget& prozor)
    : TPlatnoSlike(prozor.width(), prozor.height(), FontProzoraDijagrama(), prozor.logicalDpiY()),
      fProzor(prozor) {}

QPainter& TPlatnoProzora::Slikar() {
    if (Velicina() != fProzor.size()) NovaVelicina(fProzor.width(), fProzor.height());
    // Inside the paint event the picture is shown right after; outside it
    // the window is asked for a paint event once. A painter on the window
    // paints into the backing store, so the window itself is never
    // "painting active": the paint event's own attribute tells.
    if (!fProzor.testAttribute(Qt::WA_WState_InPaintEvent) && !fNeprikazano) {
        fNeprikazano = true;
        fProzor.update();
    }
    return TPlatnoSlike::Slikar();
}

void TPlatnoProzora::Prikazi(QPainter& p) {
    p.drawImage(0, 0, Slika());
    fNeprikazano = false;
}

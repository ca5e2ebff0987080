// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "PodProzor.h"

class TCrtacDijagrama;
class TPlatno;
class TPlatnoProzora;

/// The diagram window: white, at least 400 x 400. It shows the diagrams of
/// the current calculation while the input form is locked, drawn afresh on
/// every paint and resize.
class TGrafikO : public TPodProzor {
public:
    /// The window paints with the drawing of `crtac`, the input form's.
    explicit TGrafikO(TCrtacDijagrama& crtac, QWidget* roditelj = nullptr);
    ~TGrafikO() override;

    /// The client area the diagrams are drawn on.
    QWidget* Povrsina() const { return fPovrsina; }
    /// The window's own canvas. It keeps its pen and font from one drawing
    /// to the next; what is drawn on it outside a paint is shown at once.
    TPlatno& Platno();
    /// Fills the client area with the white background, erasing the diagram.
    void Obrisi();

    /// Follows the input form's lock: the diagrams are painted only while
    /// it stands.
    void PratiZakljucavanje(bool zakljucano);

    /// The window's paint and resize handling: the diagrams while the input
    /// form is locked, nothing otherwise.
    void FormPaint();
    void FormResize();

protected:
    bool eventFilter(QObject* objekat, QEvent* dogadjaj) override;

private:
    void NacrtajAkoJeZakljucano();

    TCrtacDijagrama& fCrtac;
    bool fZakljucano = false;
    QWidget* fPovrsina;
    std::unique_ptr<TPlatnoProzora> fPlatno;
};

extern TGrafikO* GrafikO;

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "PodProzor.h"

class TPlatno;
class TPlatnoProzora;

/// The diagram window: white, at least 400 x 400. It shows the diagrams of
/// the current calculation while the input form is locked, drawn afresh on
/// every paint and resize.
class TGrafikO : public TPodProzor {
public:
    explicit TGrafikO(QWidget* roditelj = nullptr);
    ~TGrafikO() override;

    /// The client area the diagrams are drawn on.
    QWidget* Povrsina() const { return fPovrsina; }
    /// The window's own canvas. It keeps its pen and font from one drawing
    /// to the next; what is drawn on it outside a paint is shown at once.
    TPlatno& Platno();
    /// Fills the client area with the white background, erasing the diagram.
    void Obrisi();

    /// The window's paint and resize handling: the diagrams while the input
    /// form is locked, nothing otherwise.
    void FormPaint();
    void FormResize();

protected:
    bool eventFilter(QObject* objekat, QEvent* dogadjaj) override;

private:
    void NacrtajAkoJeZakljucano();

    QWidget* fPovrsina;
    std::unique_ptr<TPlatnoProzora> fPlatno;
};

extern TGrafikO* GrafikO;

/// The input form's drawing of the diagrams: PodaciO's texts and force
/// count, GlavniO's print font and text shift factor, GrafikO's client
/// size, which is cleared first; the progress bar moves to 10 .. 40.
/// The calculation command calls it with GrafikO's canvas and "za
/// program", the print command with the printer's and "za stampac".
void IscrtajDijagrame(TPlatno& Canvas, std::int32_t Width, std::int32_t Height,
                      std::string_view Target);

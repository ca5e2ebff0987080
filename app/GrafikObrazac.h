// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "OkvirDijagrama.h"
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

    /// The frame of the last drawing on the window's canvas, by which a
    /// column maps to its section; TSadrzajCrteza::Nista while nothing is
    /// drawn.
    const TOkvirDijagrama& Okvir() const { return fOkvir; }
    void ZapamtiOkvir(const TOkvirDijagrama& okvir) { fOkvir = okvir; }
    /// The section of a click at the client column `kolona` while diagrams
    /// are drawn: the column's sample, held at the span's ends a few
    /// columns beyond them; none farther off or without diagrams.
    std::optional<double> PresekKolone(int kolona) const;
    /// Receives the section the user clicked on while the form is locked.
    std::function<void(double)> PresekIzabran;

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
    TOkvirDijagrama fOkvir;
    QWidget* fPovrsina;
    std::unique_ptr<TPlatnoProzora> fPlatno;
};

extern TGrafikO* GrafikO;

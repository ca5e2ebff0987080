// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMdiSubWindow>
#include <QSize>
#include <functional>
#include <memory>
#include <optional>

#include "PolozajVozaDijagram.h"
#include "VozUPolozaju.h"

class QPushButton;
class QSlider;
class QTimer;
class TPlatnoSlike;

/// The window "Polozaj voza", which the main window opens on demand: the
/// picture of NacrtajPolozajVoza for the load case the input form locked
/// with. At a section it shows the critical positions; the slider, the
/// arrow keys and the play button move the train across the span and show
/// each position as a frame of the crossing; "Kriticni polozaji" or Escape
/// goes back. It follows the form's lock by itself: unlocked, it is white
/// and its controls are off; each new calculation shows the case's own
/// arbitrary section. Its letters are the input form's.
///
/// The keyboard: Tab goes "Pusti", the slider, "Kriticni polozaji"; the
/// arrows, Home, End, Page Up and Page Down move the train wherever the
/// focus is in the window (Page Down and the right arrow forward), Space on
/// the slider plays and stops, Escape goes back.
class TPolozajVozaO : public QMdiSubWindow {
public:
    explicit TPolozajVozaO(QWidget* roditelj = nullptr);
    ~TPolozajVozaO() override;

    /// The critical positions at the section x, held on the span.
    void PrikaziPresek(double x);
    /// Reads the load case and the orientation afresh and redraws; stops
    /// playing and empties the picture while the form is unlocked.
    void Osvezi();
    /// A frame of the crossing with P1 at p, held within the crossing.
    void PostaviP1(double p);
    /// Back to the critical positions at the section.
    void KriticniPolozaji();
    /// Starts the crossing (from its beginning when at its end or at the
    /// critical positions), or stops it where it is.
    void PustiIliZaustavi();
    /// One frame of play: the train where the clock puts it since the play
    /// began, one crossing in kTrajanjePrelaza seconds; at the end of the
    /// crossing it stops there.
    void Korak();

    double Presek() const { return fX; }
    /// P1 in the frame of the crossing on show; none at the critical positions.
    std::optional<double> P1() const { return fP1; }
    bool Pusten() const;
    /// The crossing of the train as it stands in the frames.
    TOpsegPrelaza Opseg() const;

    /// Seconds since any fixed moment; play reads it on every frame.
    /// Tests put their own clock here.
    std::function<double()> Sat;

    static constexpr double kTrajanjePrelaza = 8.0;
    /// Steps of the slider over the crossing.
    static constexpr int kKoraka = 1000;

    QWidget* Povrsina;
    QSlider* Klizac;
    QPushButton* Pusti;
    QPushButton* Kriticni;
    QTimer* Tajmer;

protected:
    bool eventFilter(QObject* objekat, QEvent* dogadjaj) override;

private:
    void Nacrtaj(QPainter& slikar);
    /// What the picture shows now.
    TUlazPolozaja Ulaz() const;
    /// Redraws the picture and names it after its title.
    void OsveziPovrsinu();
    /// A key of the window's own: true when it was handled.
    bool Tipka(int tipka);
    /// The form's lock changed: a new calculation starts at its case's
    /// section; an unlock from inside the window sends the focus back to
    /// the form's first field.
    void PratiZakljucavanje(bool zakljucano);
    void PostaviKlizac();
    void Zaustavi();

    bool fZakljucano = false;
    TVoz fVoz;
    bool fObrnut = false;
    double fX = 0.0;
    std::optional<double> fP1;
    double fPocetakP1 = 0.0;
    double fPocetakSata = 0.0;
    bool fPostavljam = false;
    // The picture is drawn on an image of the surface's size, then shown.
    std::unique_ptr<TPlatnoSlike> fPlatno;
    QSize fVelicinaPlatna;
};

#pragma once

#include "PodProzor.h"

/// The diagram window: white, at least 400 x 400. It shows the diagrams of
/// the current calculation while the input form is locked.
class TGrafikO : public TPodProzor {
public:
    explicit TGrafikO(QWidget* roditelj = nullptr);

    /// The client area the diagrams are drawn on.
    QWidget* Povrsina() const { return fPovrsina; }
    /// Fills the client area with the white background, erasing the diagram.
    void Obrisi();

private:
    QWidget* fPovrsina;
};

extern TGrafikO* GrafikO;

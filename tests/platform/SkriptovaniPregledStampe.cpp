// SPDX-License-Identifier: GPL-3.0-or-later
#include "SkriptovaniPregledStampe.h"

#include <QPainter>

void TSkriptovaniPregledStampe::Prikazi(const std::function<void(QPainter&)>& strana,
                                        const std::function<bool()>& stampaj) {
    QImage slika(fVelicina, QImage::Format_RGB32);
    slika.fill(Qt::white);
    {
        QPainter slikar(&slika);
        strana(slikar);
    }
    Prikazano.push_back(slika);
    Otvoren();
    if (Stampaj) Odstampano.push_back(stampaj());
}

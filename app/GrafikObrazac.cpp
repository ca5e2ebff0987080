#include "GrafikObrazac.h"

#include "Raspored.h"

TGrafikO* GrafikO = nullptr;

TGrafikO::TGrafikO(QWidget* roditelj) : TPodProzor(roditelj) {
    setObjectName(QStringLiteral("GrafikO"));
    setWindowTitle(QStringLiteral("Dijagram extM i extT"));
    setMinimumSize(kNajmanjiGrafik, kNajmanjiGrafik);
    fPovrsina = new QWidget;
    fPovrsina->setObjectName(QStringLiteral("PovrsinaGrafika"));
    fPovrsina->setAutoFillBackground(true);
    QPalette boje = fPovrsina->palette();
    boje.setColor(QPalette::Window, Qt::white);
    fPovrsina->setPalette(boje);
    setWidget(fPovrsina);
}

void TGrafikO::Obrisi() { fPovrsina->update(); }

// SPDX-License-Identifier: GPL-3.0-or-later
// Figures of "Polozaj voza" playing: the desktop application maximised, six
// forces calculated, the window maximised over the frame and one crossing
// played. Reports the timer's ticks, the frames painted, the gaps between
// painted frames and the time each paint takes; a frame is dropped where a
// tick finds the previous one not yet painted. Starts the application as
// its main() does and ends by itself; run it under a display (or
// xvfb-run -s '-screen 0 1920x1080x24').
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "Aplikacija.h"
#include "Edit.h"
#include "GlavniObrazac.h"
#include "PodaciObrazac.h"
#include "PolozajVozaObrazac.h"
#include "QtUsluge.h"
#include "SpinEdit.h"

namespace {

// Times each paint of the picture: from its start, seen first by the
// application's filter, to the end of its delivery, seen by the picture's
// own filter installed last, which runs after the window's painting one.
class TMerac final : public QObject {
public:
    std::vector<double> pocetci;  // ms since the play began
    std::vector<double> trajanja;
    int tikova = 0;
    int preskocenih = 0;
    QElapsedTimer sat;
    bool cekaSe = false;  // a tick asked for a frame not yet painted

    bool eventFilter(QObject* o, QEvent* e) override {
        if (GlavniO && GlavniO->PolozajVozaO && o == GlavniO->PolozajVozaO->Povrsina &&
            e->type() == QEvent::Paint && sat.isValid()) {
            const double pocetak = static_cast<double>(sat.nsecsElapsed()) / 1e6;
            pocetci.push_back(pocetak);
            cekaSe = false;
            // Ends once the event loop is back: the paint and its flush.
            QTimer::singleShot(0, this, [this, pocetak] {
                trajanja.push_back(static_cast<double>(sat.nsecsElapsed()) / 1e6 - pocetak);
            });
        }
        return false;
    }

    void Tik() {
        ++tikova;
        if (cekaSe) ++preskocenih;
        cekaSe = true;
    }
};

double Percentil(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(p * static_cast<double>(v.size())))];
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TMerac merac;
    app.installEventFilter(&merac);
    TQtUsluge usluge;
    TAplikacija aplikacija(usluge.Usluge());
    usluge.PostaviRoditelja(GlavniO);
    aplikacija.Prikazi();

    QTimer::singleShot(1000, &app, [&] {
        const char* sile[] = {"120", "180", "180", "150", "150", "90"};
        const char* razmaci[] = {"2.5", "1.5", "4.0", "1.5", "3.0"};
        PodaciO->SpinEditBrojSila->setValue(6);
        for (int i = 0; i < 6; ++i) PodaciO->txtP[i]->setText(QString::fromLatin1(sile[i]));
        for (int i = 0; i < 5; ++i)
            PodaciO->txtRastojanje[i]->setText(QString::fromLatin1(razmaci[i]));
        PodaciO->txtRaspon->setText(QStringLiteral("30"));
        GlavniO->ProracunClick();
        GlavniO->OtvoriPolozajVoza(12.5);
        TPolozajVozaO* o = GlavniO->PolozajVozaO;
        o->showMaximized();
        QObject::connect(o->Tajmer, &QTimer::timeout, &merac, [&merac] { merac.Tik(); });
        QTimer::singleShot(500, &app, [&merac, o] {
            merac.sat.start();
            o->PustiIliZaustavi();
        });
    });
    // One crossing takes eight seconds; the figures come a moment after.
    std::size_t naKraju = 0;
    QTimer::singleShot(1000 + 500 + 8500, &app, [&] { naKraju = merac.pocetci.size(); });
    QTimer::singleShot(1000 + 500 + 9500, &app, [&] {
        const QSize velicina = GlavniO->PolozajVozaO->Povrsina->size();
        std::vector<double> razmaci;
        for (std::size_t i = 1; i < merac.pocetci.size(); ++i)
            razmaci.push_back(merac.pocetci[i] - merac.pocetci[i - 1]);
        std::printf(
            "picture %dx%d: %d ticks of 16 ms, %zu frames painted, %d ticks found the previous "
            "frame unpainted; gap between frames median %.1f ms, 99th percentile %.1f ms, "
            "largest %.1f ms; paint median %.2f ms, 99th percentile %.2f ms; "
            "%zu frames painted in the second after the play\n",
            velicina.width(), velicina.height(), merac.tikova, merac.pocetci.size(),
            merac.preskocenih, Percentil(razmaci, 0.5), Percentil(razmaci, 0.99),
            razmaci.empty() ? 0.0 : *std::max_element(razmaci.begin(), razmaci.end()),
            Percentil(merac.trajanja, 0.5), Percentil(merac.trajanja, 0.99),
            merac.pocetci.size() - naKraju);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return QApplication::exec();
}

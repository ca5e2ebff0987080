// SPDX-License-Identifier: GPL-3.0-or-later
// A press of "Proracun" in the maximised application: six forces and 99
// sections, from the press to the next painted frame of the diagram
// window. Presses, unlocks and presses again several times and prints the
// median of each figure, with the breakdown of the command: the drawing,
// the report's making, the paint events inside the command and the rest
// (the memo taking the report, the lock, the checks). Run it under a display of 1920 x 1080:
//     xvfb-run -a -s '-screen 0 1920x1080x24' build-rel/bench/pritisak_proracuna
#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <utility>
#include <vector>

#include "Aplikacija.h"
#include "Edit.h"
#include "GlavniObrazac.h"
#include "GrafikObrazac.h"
#include "IzvestajLastovar.h"
#include "PodaciObrazac.h"
#include "QtUsluge.h"
#include "RezultatiObrazac.h"
#include "SpinEdit.h"

namespace {

// Wall time and the main thread's processor time together: on a machine
// that others share the second tells what the press itself costs.
struct TVreme {
    double zid = 0, procesor = 0;  // ms
    TVreme operator-(const TVreme& o) const { return {zid - o.zid, procesor - o.procesor}; }
    TVreme operator+(const TVreme& o) const { return {zid + o.zid, procesor + o.procesor}; }
    TVreme& operator+=(const TVreme& o) { return *this = *this + o; }
};

TVreme Sada() {
    timespec zid{}, procesor{};
    clock_gettime(CLOCK_MONOTONIC, &zid);
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &procesor);
    const auto ms = [](const timespec& t) {
        return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
    };
    return {ms(zid), ms(procesor)};
}

constexpr int kPritisaka = 15;

// Times the paint events of every widget while a press is measured: those
// inside the command are the synchronous repaints the progress bar asks
// for, in which Qt paints whatever else of the frame is waiting.
class TAplikacijaSaMerenjem final : public QApplication {
public:
    using QApplication::QApplication;
    bool meri = false;
    TVreme slikanje;

    bool notify(QObject* o, QEvent* e) override {
        if (!meri || e->type() != QEvent::Paint) return QApplication::notify(o, e);
        const TVreme pocetak = Sada();
        const bool rezultat = QApplication::notify(o, e);
        slikanje += Sada() - pocetak;
        return rezultat;
    }
};

struct TMerenje {
    TVreme komanda, crtanje, izvestaj, slikanje, ostatak, doKadra;
};

double Medijana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

class TPritisci final : public QObject {
public:
    explicit TPritisci(TAplikacijaSaMerenjem& app) : fApp(app) {
        fApp.installEventFilter(this);
        const TNacrtajDijagrame crtaj = PodaciO->CrtanjeDijagrama;
        // The drawing's own time, without the repaints it asks for.
        PodaciO->CrtanjeDijagrama = [this, crtaj](auto&&... argumenti) {
            const TVreme pocetak = Sada();
            const TVreme slikanje = fApp.slikanje;
            const TOkvirDijagrama okvir = crtaj(argumenti...);
            fCrtanje = Sada() - pocetak - (fApp.slikanje - slikanje);
            return okvir;
        };
    }

    void Pocni() {
        QTimer::singleShot(0, this, [this] { Pritisni(); });
    }

protected:
    // The diagram window is a child of the frame and is shown in the
    // frame's paint passes: the first one after the command paints the
    // state it left, and the frame is flushed when that pass ends, before a
    // zero timer fires.
    bool eventFilter(QObject* o, QEvent* e) override {
        if (fCekaKadar && e->type() == QEvent::Paint && o->isWidgetType() &&
            static_cast<QWidget*>(o)->window() == GlavniO) {
            fCekaKadar = false;
            QTimer::singleShot(0, this, [this] { KadarPrikazan(); });
        }
        return false;
    }

private:
    void Pritisni() {
        const bool zakljucava = !PodaciO->Zakljucano();
        fApp.slikanje = {};
        fApp.meri = zakljucava;
        fCrtanje = {};
        fPocetak = Sada();
        PodaciO->btnProracun->click();
        fKraj = Sada();
        fApp.meri = false;
        fSlikanje = fApp.slikanje;
        fCekaKadar = true;
        fZakljucava = zakljucava;
    }

    void KadarPrikazan() {
        const TVreme kadar = Sada();
        if (fZakljucava) {
            // The report alone, as the command makes it, to part it from
            // putting it into the memo.
            const TVreme r = Sada();
            const IzvestajLastovar izvestaj = SastaviIzvestaj(
                PodaciO->Tekstovi(), PodaciO->SpinEditBrojSila->Tekst().toStdString(),
                PodaciO->SpinEditBrojSila->Vrednost(), '.', [](int) {});
            const TVreme sastavljanje = Sada() - r;
            (void)izvestaj;
            const TVreme komanda = fKraj - fPocetak;
            fMerenja.push_back({komanda, fCrtanje, sastavljanje, fSlikanje,
                                komanda - fCrtanje - sastavljanje - fSlikanje, kadar - fPocetak});
        }
        if (fMerenja.size() == kPritisaka && !PodaciO->Zakljucano()) {
            Izvestaj();
            QCoreApplication::exit(0);
            return;
        }
        QTimer::singleShot(20, this, [this] { Pritisni(); });
    }

    void Izvestaj() const {
        const QSize velicina = GrafikO->Povrsina()->size();
        for (const auto& [ime, clan] : {std::pair{"wall", &TVreme::zid},
                                        std::pair{"main thread's processor", &TVreme::procesor}}) {
            const auto m = [&](TVreme TMerenje::*polje) {
                std::vector<double> v;
                for (const TMerenje& x : fMerenja) v.push_back((x.*polje).*clan);
                return Medijana(v);
            };
            std::printf(
                "%s time: press->painted frame %.1f ms; command %.1f ms (drawing %.1f, report "
                "%.1f, paints inside it %.1f, the rest %.1f)\n",
                ime, m(&TMerenje::doKadra), m(&TMerenje::komanda), m(&TMerenje::crtanje),
                m(&TMerenje::izvestaj), m(&TMerenje::slikanje), m(&TMerenje::ostatak));
        }
        std::printf("diagram window %dx%d, median of %zu presses\n", velicina.width(),
                    velicina.height(), fMerenja.size());
        std::fflush(stdout);
    }

    TAplikacijaSaMerenjem& fApp;
    TVreme fPocetak, fKraj, fCrtanje, fSlikanje;
    bool fCekaKadar = false;
    bool fZakljucava = false;
    std::vector<TMerenje> fMerenja;
};

void SestSila() {
    const char* sile[] = {"120", "180", "180", "150", "150", "90"};
    const char* rastojanja[] = {"2.5", "1.5", "4.0", "1.5", "3.0"};
    PodaciO->SpinEditBrojSila->setValue(6);
    PodaciO->SpinEditBrojPreseka->setValue(99);
    for (int i = 0; i < 6; ++i) PodaciO->txtP[i]->setText(QString::fromLatin1(sile[i]));
    for (int i = 0; i < 5; ++i)
        PodaciO->txtRastojanje[i]->setText(QString::fromLatin1(rastojanja[i]));
    PodaciO->txtRaspon->setText(QStringLiteral("30"));
    PodaciO->txtProizvoljnoX->setText(QStringLiteral("7.3"));
}

}  // namespace

int main(int argc, char** argv) {
    TAplikacijaSaMerenjem app(argc, argv);
    TQtUsluge usluge;
    TAplikacija aplikacija(usluge.Usluge());
    usluge.PostaviRoditelja(GlavniO);
    aplikacija.Prikazi();
    SestSila();
    TPritisci pritisci(app);
    // Pressed once start-up has settled.
    QTimer::singleShot(1000, &app, [&] { pritisci.Pocni(); });
    return QApplication::exec();
}

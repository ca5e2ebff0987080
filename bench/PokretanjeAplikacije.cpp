// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up figures of the desktop application: the time from the launch of
// the process, and from main(), to the first painted frame of the main
// window, and the resident memory once start-up has settled. Starts the
// application as its main() does and ends by itself; run it under a
// display (or xvfb-run), several times, and take the median.
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "Aplikacija.h"
#include "GlavniObrazac.h"
#include "Okruzenje.h"
#include "QtUsluge.h"

namespace {

using Sat = std::chrono::steady_clock;

// Seconds from the process's start to now, at the kernel's clock tick.
double OdPocetkaProcesa() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly)) return -1;
    const QByteArray red = stat.readAll();
    // Field 22, counted after the command name in parentheses.
    const QList<QByteArray> polja = red.mid(red.lastIndexOf(')') + 2).split(' ');
    if (polja.size() < 20) return -1;
    const double pocetak = polja[19].toDouble() / double(sysconf(_SC_CLK_TCK));
    timespec sada{};
    clock_gettime(CLOCK_BOOTTIME, &sada);
    return double(sada.tv_sec) + double(sada.tv_nsec) / 1e9 - pocetak;
}

long KilobajtaIz(const char* polje) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& red : status.readAll().split('\n'))
        if (red.startsWith(polje))
            return red.mid(qsizetype(strlen(polje))).trimmed().split(' ')[0].toLong();
    return -1;
}

class TPrviKadar final : public QObject {
public:
    explicit TPrviKadar(Sat::time_point pocetak) : fPocetak(pocetak) {}
    double ms = -1;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (ms < 0 && !fZakazano && e->type() == QEvent::Paint && GlavniO && o->isWidgetType() &&
            static_cast<QWidget*>(o)->window() == GlavniO) {
            fZakazano = true;
            // The whole frame is painted and flushed when this paint pass ends.
            QTimer::singleShot(0, this, [this] {
                ms = std::chrono::duration<double, std::milli>(Sat::now() - fPocetak).count();
            });
        }
        return false;
    }

private:
    Sat::time_point fPocetak;
    bool fZakazano = false;
};

}  // namespace

int main(int argc, char** argv) {
    const double preMaina = OdPocetkaProcesa();
    const Sat::time_point pocetak = Sat::now();
    const auto msOd = [](Sat::time_point t) {
        return std::chrono::duration<double, std::milli>(Sat::now() - t).count();
    };
    QApplication app(argc, argv);
    const TOkruzenje okruzenje;
    const double zaAplikaciju = msOd(pocetak);
    TPrviKadar prviKadar(pocetak);
    app.installEventFilter(&prviKadar);
    const Sat::time_point prozori = Sat::now();
    TQtUsluge usluge;
    TAplikacija aplikacija(usluge.Usluge());
    usluge.PostaviRoditelja(GlavniO);
    const double zaProzore = msOd(prozori);
    aplikacija.Prikazi();
    // Memory is read once start-up has settled, a second after launch.
    QTimer::singleShot(1000, &app, [&] {
        std::printf(
            "launch->main %.0f ms (10 ms resolution), main->first frame %.1f ms "
            "(QApplication and its set-up %.1f, five windows %.1f, showing and painting %.1f), "
            "launch->first frame %.0f ms, RSS %ld KiB, peak RSS %ld KiB\n",
            preMaina * 1000, prviKadar.ms, zaAplikaciju, zaProzore,
            prviKadar.ms - zaAplikaciju - zaProzore, preMaina * 1000 + prviKadar.ms,
            KilobajtaIz("VmRSS:"), KilobajtaIz("VmHWM:"));
        std::fflush(stdout);
        // exit, not quit: quit would close the frame, which asks first.
        QCoreApplication::exit(0);
    });
    return QApplication::exec();
}

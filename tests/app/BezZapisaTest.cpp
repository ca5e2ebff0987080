// SPDX-License-Identifier: GPL-3.0-or-later
// The program stores nothing: the application, set up as lastovar sets it
// up, with the real dialogs and boxes, opened and cancelled, leaves an empty
// home folder empty. A program of its own, so that the home folder and the
// XDG folders are in place before Qt first reads them.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "Aplikacija.h"
#include "GlavniObrazac.h"
#include "Okruzenje.h"
#include "QtUsluge.h"

namespace {

QString gDom;

// Every file and folder under the home folder, hidden ones too, a line each.
std::string Sadrzaj() {
    QStringList nadjeno;
    QDirIterator i(gDom, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                   QDirIterator::Subdirectories);
    while (i.hasNext()) nadjeno << i.next();
    return nadjeno.join(u'\n').toStdString();
}

// Qt's notes about the offscreen platform's limits would bury a failure.
void SamoKriticne(QtMsgType vrsta, const QMessageLogContext&, const QString& poruka) {
    if (vrsta == QtCriticalMsg || vrsta == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(poruka));
}

// Runs a command that opens a modal dialog or box and cancels it once it is
// up; true when one came up.
bool OtkaziModalni(const std::function<void()>& komanda) {
    bool prikazan = false;
    QTimer tajmer;
    tajmer.setSingleShot(true);
    QObject::connect(&tajmer, &QTimer::timeout, [&] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            prikazan = true;
            d->reject();
        }
    });
    tajmer.start(0);
    komanda();
    return prikazan;
}

TEST(BezZapisa, OpeningAndCancellingTheDialogsLeavesTheHomeFolderEmpty) {
    ASSERT_EQ(Sadrzaj(), "");
    {
        const TOkruzenje okruzenje;
        TQtUsluge usluge;
        TAplikacija aplikacija(usluge.Usluge());
        usluge.PostaviRoditelja(GlavniO);
        aplikacija.Prikazi();
        EXPECT_TRUE(OtkaziModalni([] { GlavniO->Otvori->trigger(); }));
        EXPECT_TRUE(OtkaziModalni([] { GlavniO->Snimikao->trigger(); }));
        EXPECT_TRUE(OtkaziModalni([] { GlavniO->Snimiskicugrede1->trigger(); }));
        EXPECT_TRUE(OtkaziModalni([] { GlavniO->txt->trigger(); }));
        EXPECT_TRUE(OtkaziModalni([] { GlavniO->ModeliOpterecenja->trigger(); }));
        EXPECT_TRUE(OtkaziModalni([] { GlavniO->TabelaRaspona->trigger(); }));
        EXPECT_TRUE(OtkaziModalni([&] { usluge.Usluge().Dijalozi->Font(GlavniO->FontDialog1); }));
        EXPECT_TRUE(
            OtkaziModalni([&] { usluge.Usluge().Poruke->Unos("Faktor", "Unesite:", "10"); }));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Sadrzaj(), "");
}

}  // namespace

int main(int argc, char** argv) {
    // The home folder and the runtime folder are new and empty, and the XDG
    // folders, unset, fall back into the home folder.
    QByteArray dom = QDir::tempPath().toLocal8Bit() + "/lastovar-dom-XXXXXX";
    QByteArray pokretanje = QDir::tempPath().toLocal8Bit() + "/lastovar-pokretanje-XXXXXX";
    if (!mkdtemp(dom.data()) || !mkdtemp(pokretanje.data())) return 2;
    gDom = QString::fromLocal8Bit(dom);
    qputenv("HOME", dom);
    qputenv("XDG_RUNTIME_DIR", pokretanje);
    for (const char* p : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
        qunsetenv(p);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C");
    qInstallMessageHandler(SamoKriticne);
    int kod = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        kod = RUN_ALL_TESTS();
    }
    QDir(gDom).removeRecursively();
    QDir(QString::fromLocal8Bit(pokretanje)).removeRecursively();
    return kod;
}

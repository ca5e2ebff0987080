// SPDX-License-Identifier: GPL-3.0-or-later
// The main of every test that needs a QApplication: the offscreen platform,
// the C locale whatever the developer's regional settings (so the decimal
// separator is '.'), and Qt's own messages muted. Built with
// LASTOVAR_LOKAL_IZ_OKRUZENJA it keeps the locale of the environment, for
// the tests run in the users' locales.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

namespace {

QtMessageHandler gPrethodni = nullptr;

// Qt's notes (a missing runtime folder, the offscreen platform's
// limitations, fonts) would bury a failure's output; only critical and
// fatal messages get through.
void SamoKriticne(QtMsgType vrsta, const QMessageLogContext& kontekst, const QString& poruka) {
    if (vrsta == QtCriticalMsg || vrsta == QtFatalMsg) gPrethodni(vrsta, kontekst, poruka);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
#ifndef LASTOVAR_LOKAL_IZ_OKRUZENJA
    // Before the application exists: it reads the regional settings from
    // the environment when it starts.
    qputenv("LC_ALL", "C");
#endif
    gPrethodni = qInstallMessageHandler(SamoKriticne);
    QApplication app(argc, argv);
#ifndef LASTOVAR_LOKAL_IZ_OKRUZENJA
    QLocale::setDefault(QLocale::c());
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

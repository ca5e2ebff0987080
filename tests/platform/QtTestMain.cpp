// SPDX-License-Identifier: GPL-3.0-or-later
// The main of every test that needs Qt widgets: an offscreen QApplication,
// the C locale for the regional settings (a '.' separator), quiet logs.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C");
    qputenv("QT_LOGGING_RULES", "*.debug=false;qt.qpa.*=false");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

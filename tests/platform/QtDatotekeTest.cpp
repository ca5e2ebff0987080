// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>

#include "GreskaFajla.h"
#include "OgranicenaVelicina.h"
#include "QtDatoteke.h"

namespace {

QByteArray Procitaj(const QString& putanja) {
    QFile f(putanja);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class QtDatotekeTest : public ::testing::Test {
protected:
    QString Putanja(const char* ime) const { return dir.filePath(ime); }
    QTemporaryDir dir;
    TQtDatoteke datoteke;
};

TEST_F(QtDatotekeTest, LinesGoOutWithCrLfAndComeBackUnchanged) {
    const QStringList linije{"206.0", "", "abc", QString::fromLatin1("\xe8\xe6")};
    datoteke.UpisiLinije(Putanja("a.Lastovar"), linije);
    const QByteArray bajtovi("206.0\r\n\r\nabc\r\n\xe8\xe6\r\n");
    EXPECT_EQ(Procitaj(Putanja("a.Lastovar")), bajtovi);
    EXPECT_EQ(datoteke.CitajBajtove(Putanja("a.Lastovar")), bajtovi);
}

// "Otvori..." reads no further than the data file's fifteen lines.
TEST_F(QtDatotekeTest, ReadingStopsAfterTheFifteenthLine) {
    const QByteArray petnaest = QByteArray("1\r\n").repeated(15);
    datoteke.UpisiBajtove(Putanja("d.Lastovar"), petnaest + QByteArray(100000, 'x'));
    EXPECT_EQ(datoteke.CitajBajtove(Putanja("d.Lastovar")), petnaest);
}

TEST_F(QtDatotekeTest, AFifoFailsToOpenAtOnce) {
    const QString cev = Putanja("cev.Lastovar");
    ASSERT_EQ(mkfifo(QFile::encodeName(cev).constData(), 0600), 0);
    try {
        datoteke.CitajBajtove(cev);
        FAIL() << "read";
    } catch (const EGreskaFajla& e) {
        EXPECT_EQ(e.vrsta(), EGreskaFajla::Vrsta::Otvaranje);
    }
    EXPECT_THROW(datoteke.UpisiBajtove(cev, "x"), EGreskaFajla);
    EXPECT_TRUE(QFileInfo(cev).exists() && !QFileInfo(cev).isFile());
}

TEST_F(QtDatotekeTest, BytesAreWrittenExactly) {
    const QByteArray bajtovi("\xff\xd8\x00\r\n\xff\xd9", 7);
    datoteke.UpisiBajtove(Putanja("s.jpg"), bajtovi);
    EXPECT_EQ(Procitaj(Putanja("s.jpg")), bajtovi);
}

TEST_F(QtDatotekeTest, AMissingFileFailsToOpenAndNamesThePath) {
    try {
        datoteke.CitajBajtove(Putanja("nema.Lastovar"));
        FAIL() << "no failure";
    } catch (const EGreskaFajla& e) {
        EXPECT_EQ(e.vrsta(), EGreskaFajla::Vrsta::Otvaranje);
        EXPECT_NE(std::string(e.what()).find("nema.Lastovar"), std::string::npos);
    }
}

TEST_F(QtDatotekeTest, AFailedSaveLeavesTheOldFileIntact) {
    const QString putanja = Putanja("stari.txt");
    datoteke.UpisiLinije(putanja, {"stari"});
    {
        const OgranicenaVelicina ogranicenje(1024);
        EXPECT_THROW(datoteke.UpisiLinije(putanja, {QString(4096, u'x')}), EGreskaFajla);
    }
    EXPECT_EQ(Procitaj(putanja), QByteArray("stari\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"stari.txt"});
}

TEST_F(QtDatotekeTest, SavingIntoAMissingFolderFails) {
    EXPECT_THROW(datoteke.UpisiLinije(Putanja("nema/a.txt"), {"x"}), EGreskaFajla);
}

}  // namespace

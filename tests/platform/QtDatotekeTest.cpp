// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QTemporaryDir>
#include <csignal>

#include "GreskaFajla.h"
#include "OgranicenaVelicina.h"
#include "QtDatoteke.h"
#include "TekstLinija.h"

namespace {

QByteArray Procitaj(const QString& putanja) {
    QFile f(putanja);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct SlucajLinija {
    const char* bajtovi;
    QStringList linije;
};

class RazdeliLinijeTest : public ::testing::TestWithParam<SlucajLinija> {};

TEST_P(RazdeliLinijeTest, SplitsAtCrLfOrLf) {
    EXPECT_EQ(RazdeliLinije(GetParam().bajtovi), GetParam().linije);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, RazdeliLinijeTest, ::testing::Values(
    SlucajLinija{"", {}},
    SlucajLinija{"a\r\nb\r\n", {"a", "b"}},
    SlucajLinija{"a\nb", {"a", "b"}},
    SlucajLinija{"\r\n\r\n", {"", ""}},
    SlucajLinija{"a\rb\r\n", {"a\rb"}},
    SlucajLinija{"206.0\r\n\r\n1.25", {"206.0", "", "1.25"}}));
// clang-format on

class QtDatotekeTest : public ::testing::Test {
protected:
    QString Putanja(const char* ime) const { return dir.filePath(ime); }
    QTemporaryDir dir;
    TQtDatoteke datoteke;
};

TEST_F(QtDatotekeTest, LinesGoOutWithCrLfAndComeBackUnchanged) {
    const QStringList linije{"206.0", "", "abc", QString::fromLatin1("\xe8\xe6")};
    datoteke.UpisiLinije(Putanja("a.Lastovar"), linije);
    EXPECT_EQ(Procitaj(Putanja("a.Lastovar")), QByteArray("206.0\r\n\r\nabc\r\n\xe8\xe6\r\n"));
    EXPECT_EQ(datoteke.CitajLinije(Putanja("a.Lastovar")), linije);
}

TEST_F(QtDatotekeTest, BytesAreWrittenExactly) {
    const QByteArray bajtovi("\xff\xd8\x00\r\n\xff\xd9", 7);
    datoteke.UpisiBajtove(Putanja("s.jpg"), bajtovi);
    EXPECT_EQ(Procitaj(Putanja("s.jpg")), bajtovi);
}

TEST_F(QtDatotekeTest, AMissingFileFailsToOpenAndNamesThePath) {
    try {
        datoteke.CitajLinije(Putanja("nema.Lastovar"));
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

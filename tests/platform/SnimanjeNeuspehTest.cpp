// SPDX-License-Identifier: GPL-3.0-or-later
// A save that fails, through the text-file layer: the file that was there
// stays byte for byte, nothing else is left in its folder, and the message
// is the layer's own, naming the path and the system's reason.
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>

#include "GreskaFajla.h"
#include "OgranicenaVelicina.h"
#include "QtDatoteke.h"

namespace {

QByteArray Procitaj(const QString& putanja) {
    QFile f(putanja);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(ne moze da se otvori)");
}

// Root passes every permission check by CAP_DAC_OVERRIDE, so a folder's mode
// alone stops no save when the tests run as root. The capabilities are the
// calling thread's: it lays aside those that bypass file permissions while
// this lives, and the folder's mode holds for it as for any user.
class BezZaobilazenjaDozvola {
public:
    BezZaobilazenjaDozvola() {
        if (syscall(SYS_capget, &fZaglavlje, fStare) != 0) ADD_FAILURE() << std::strerror(errno);
        __user_cap_data_struct nove[2] = {fStare[0], fStare[1]};
        for (const int c : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
            nove[0].effective &= ~(1u << c);
        if (syscall(SYS_capset, &fZaglavlje, nove) != 0) ADD_FAILURE() << std::strerror(errno);
    }
    ~BezZaobilazenjaDozvola() { syscall(SYS_capset, &fZaglavlje, fStare); }

private:
    __user_cap_header_struct fZaglavlje{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct fStare[2]{};
};

enum class Kvar { FolderBezDozvole, DatotekaBezDozvole, FolderNestao, UpisPrekinutNaPolaPuta };

struct SlucajNeuspeha {
    const char* opis;
    Kvar kvar;
    int razlog;  // the errno whose text the message carries
};

void PrintTo(const SlucajNeuspeha& s, std::ostream* os) { *os << s.opis; }

class SnimanjeNeuspeh : public testing::TestWithParam<SlucajNeuspeha> {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkdir("podaci"));
        QFile f(putanja);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(stari), stari.size());
    }
    void TearDown() override {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // Saves the new lines with the fault in force; the message of the failure.
    std::optional<EGreskaFajla> Snimi(Kvar kvar) {
        const QStringList nove(64, QString(1000, u'x'));
        const auto pokusaj = [&]() -> std::optional<EGreskaFajla> {
            try {
                datoteke.UpisiLinije(putanja, nove);
            } catch (const EGreskaFajla& e) {
                return e;
            }
            return std::nullopt;
        };
        switch (kvar) {
            case Kvar::FolderBezDozvole: {
                QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner |
                                                  QFile::ReadOther | QFile::ExeOther);
                const BezZaobilazenjaDozvola bez;
                return pokusaj();
            }
            case Kvar::DatotekaBezDozvole: {
                // The folder would allow a new file in its place; the
                // file's own mode says it is not to be changed.
                QFile::setPermissions(putanja, QFile::ReadOwner | QFile::ReadOther);
                const BezZaobilazenjaDozvola bez;
                return pokusaj();
            }
            case Kvar::FolderNestao:
                // Moved away (a drive taken out, a folder renamed) since it was opened.
                EXPECT_TRUE(QDir(dir.path()).rename("podaci", "premesteni"));
                folder = dir.filePath("premesteni");
                return pokusaj();
            case Kvar::UpisPrekinutNaPolaPuta: {
                const OgranicenaVelicina ogranicenje(8192);
                return pokusaj();
            }
        }
        return std::nullopt;
    }

    QTemporaryDir dir;
    QString folder = dir.filePath("podaci");
    const QString putanja = folder + "/slucaj.Lastovar";
    const QByteArray stari = QByteArray("206.0\r\n208.0\r\n\xe8\r\n").repeated(500);
    TQtDatoteke datoteke;
};

TEST_P(SnimanjeNeuspeh, LeavesThePreviousFileAsItWas) {
    const std::optional<EGreskaFajla> greska = Snimi(GetParam().kvar);
    ASSERT_TRUE(greska.has_value()) << "the save did not fail";
    const std::string poruka = greska->what();
    EXPECT_NE(poruka.find(QDir::toNativeSeparators(putanja).toStdString()), std::string::npos)
        << poruka;
    EXPECT_NE(poruka.find(std::strerror(GetParam().razlog)), std::string::npos) << poruka;

    EXPECT_EQ(Procitaj(folder + "/slucaj.Lastovar"), stari);
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"slucaj.Lastovar"});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Kvarovi, SnimanjeNeuspeh, testing::Values(
    SlucajNeuspeha{"a folder without write permission", Kvar::FolderBezDozvole, EACCES},
    SlucajNeuspeha{"a file without write permission", Kvar::DatotekaBezDozvole, EACCES},
    SlucajNeuspeha{"a folder that vanished", Kvar::FolderNestao, ENOENT},
    SlucajNeuspeha{"a write cut half way by a size limit", Kvar::UpisPrekinutNaPolaPuta, EFBIG}));
// clang-format on

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <string>

#include "GreskaFajla.h"
#include "OgranicenaVelicina.h"
#include "PrivremeniFolder.h"
#include "SigurnoSnimanje.h"

namespace {

mode_t Mod(const std::string& putanja) {
    struct stat st {};
    return lstat(putanja.c_str(), &st) == 0 ? st.st_mode : 0;
}

const std::string kNovo = std::string("novo\r\n\0\xff\xe8", 9);

TEST(SigurnoSnimanje, ANewFileHasTheBytesAndThePermissionsTheUmaskAllows) {
    const PrivremeniFolder folder;
    const mode_t stara = umask(027);
    SigurnoSnimi(folder.Putanja("a.Lastovar"), kNovo);
    umask(stara);
    EXPECT_EQ(Sadrzaj(folder.Putanja("a.Lastovar")), kNovo);
    EXPECT_EQ(Mod(folder.Putanja("a.Lastovar")) & 0777, 0640u);
    EXPECT_EQ(folder.Imena(), std::set<std::string>{"a.Lastovar"});
}

TEST(SigurnoSnimanje, AReplacedFileKeepsItsPermissions) {
    const PrivremeniFolder folder;
    for (const mode_t dozvole : {0600u, 0755u, 0604u}) {
        const std::string putanja = folder.Zapisi("a.txt", "staro");
        ASSERT_EQ(chmod(putanja.c_str(), dozvole), 0);
        SigurnoSnimi(putanja, kNovo);
        EXPECT_EQ(Sadrzaj(putanja), kNovo);
        EXPECT_EQ(Mod(putanja) & 07777, dozvole);
    }
}

TEST(SigurnoSnimanje, ALinkIsFollowedAndStaysALink) {
    const PrivremeniFolder folder;
    folder.Zapisi("cilj.txt", "staro");
    ASSERT_EQ(symlink("cilj.txt", folder.Putanja("veza.txt").c_str()), 0);
    ASSERT_EQ(symlink("veza.txt", folder.Putanja("veza2.txt").c_str()), 0);
    SigurnoSnimi(folder.Putanja("veza2.txt"), kNovo);
    EXPECT_EQ(Sadrzaj(folder.Putanja("cilj.txt")), kNovo);
    EXPECT_TRUE(S_ISLNK(Mod(folder.Putanja("veza.txt"))));
    EXPECT_TRUE(S_ISLNK(Mod(folder.Putanja("veza2.txt"))));

    // A link to a name not yet taken makes the file it names.
    ASSERT_EQ(symlink("nova.txt", folder.Putanja("ka-novoj.txt").c_str()), 0);
    SigurnoSnimi(folder.Putanja("ka-novoj.txt"), kNovo);
    EXPECT_EQ(Sadrzaj(folder.Putanja("nova.txt")), kNovo);
    EXPECT_TRUE(S_ISLNK(Mod(folder.Putanja("ka-novoj.txt"))));
    EXPECT_EQ(folder.Imena().size(), 5u);
}

TEST(SigurnoSnimanje, TheNameIsKeptByteForByte) {
    const PrivremeniFolder folder;
    const std::string ime = "slika-\xe8\xff.png";
    SigurnoSnimi(folder.Putanja(ime), kNovo);
    EXPECT_EQ(folder.Imena(), std::set<std::string>{ime});
}

struct SlucajPosebnog {
    const char* opis;
    std::function<std::string(const PrivremeniFolder&)> napravi;  // the path to save to
    const char* razlog;
};

void PrintTo(const SlucajPosebnog& s, std::ostream* os) { *os << s.opis; }

class SnimanjePrekoPosebne : public testing::TestWithParam<SlucajPosebnog> {};

// Replacing a FIFO, a device or a directory by a regular file would break
// whatever uses it; it is left as it was and nothing is added beside it.
TEST_P(SnimanjePrekoPosebne, IsRefusedAndLeavesItAsItWas) {
    const PrivremeniFolder folder;
    const std::string putanja = GetParam().napravi(folder);
    const std::set<std::string> pre = folder.Imena();
    const mode_t mod = Mod(putanja);
    struct stat pratilac {};
    ASSERT_EQ(stat(putanja.c_str(), &pratilac), 0);
    try {
        SigurnoSnimi(putanja, kNovo);
        FAIL() << "saved";
    } catch (const EGreskaFajla& e) {
        EXPECT_EQ(e.vrsta(), EGreskaFajla::Vrsta::Otvaranje);
        EXPECT_EQ(e.putanja(), putanja);
        EXPECT_EQ(e.razlog(), GetParam().razlog);
        EXPECT_EQ(std::string(e.what()),
                  "Datoteka ne moze da se napravi \"" + putanja + "\": " + GetParam().razlog);
    }
    EXPECT_EQ(Mod(putanja), mod);
    struct stat posle {};
    ASSERT_EQ(stat(putanja.c_str(), &posle), 0);
    EXPECT_EQ(posle.st_mode, pratilac.st_mode);
    EXPECT_EQ(posle.st_rdev, pratilac.st_rdev);
    EXPECT_EQ(folder.Imena(), pre);
}

std::string Fifo(const PrivremeniFolder& f) {
    const std::string p = f.Putanja("cev.png");
    EXPECT_EQ(mkfifo(p.c_str(), 0600), 0) << std::strerror(errno);
    return p;
}

std::string Direktorijum(const PrivremeniFolder& f) {
    const std::string p = f.Putanja("folder.svg");
    EXPECT_EQ(mkdir(p.c_str(), 0700), 0) << std::strerror(errno);
    f.Zapisi("folder.svg/unutra.txt", "unutra");
    return p;
}

std::string VezaNaPun(const PrivremeniFolder& f) {
    const std::string p = f.Putanja("pun.pdf");
    EXPECT_EQ(symlink("/dev/full", p.c_str()), 0) << std::strerror(errno);
    return p;
}

// A program's local socket, as a daemon leaves one in its folder.
std::string Uticnica(const PrivremeniFolder& f) {
    const std::string p = f.Putanja("uticnica.txt");
    sockaddr_un adresa{};
    adresa.sun_family = AF_UNIX;
    EXPECT_LT(p.size(), sizeof adresa.sun_path);
    p.copy(adresa.sun_path, sizeof adresa.sun_path - 1);
    const int s = socket(AF_UNIX, SOCK_STREAM, 0);
    EXPECT_EQ(bind(s, reinterpret_cast<const sockaddr*>(&adresa), sizeof adresa), 0)
        << std::strerror(errno);
    close(s);
    return p;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, SnimanjePrekoPosebne, testing::Values(
    SlucajPosebnog{"a FIFO", Fifo, "nije obicna datoteka nego imenovana cev (FIFO)"},
    SlucajPosebnog{"a directory", Direktorijum, "nije obicna datoteka nego direktorijum"},
    SlucajPosebnog{"a link to /dev/full", VezaNaPun, "nije obicna datoteka nego uredjaj"},
    SlucajPosebnog{"/dev/full", [](const PrivremeniFolder&) { return std::string("/dev/full"); }, "nije obicna datoteka nego uredjaj"},
    SlucajPosebnog{"a socket", Uticnica, "nije obicna datoteka nego uticnica (socket)"}
));
// clang-format on

TEST(SigurnoSnimanje, AWriteCutByASizeLimitKeepsThePreviousFile) {
    const PrivremeniFolder folder;
    const std::string staro(3000, 's');
    const std::string putanja = folder.Zapisi("slika.png", staro);
    try {
        const OgranicenaVelicina ogranicenje(1024);
        SigurnoSnimi(putanja, std::string(5000, 'n'));
        FAIL() << "saved";
    } catch (const EGreskaFajla& e) {
        EXPECT_EQ(e.vrsta(), EGreskaFajla::Vrsta::Pisanje);
        EXPECT_EQ(e.razlog(), std::strerror(EFBIG));
    }
    EXPECT_EQ(Sadrzaj(putanja), staro);
    EXPECT_EQ(folder.Imena(), std::set<std::string>{"slika.png"});
}

TEST(SigurnoSnimanje, NoPathNoFile) {
    try {
        SigurnoSnimi("", kNovo);
        FAIL() << "saved";
    } catch (const EGreskaFajla& e) {
        EXPECT_EQ(e.razlog(), std::strerror(ENOENT));
    }
}

}  // namespace

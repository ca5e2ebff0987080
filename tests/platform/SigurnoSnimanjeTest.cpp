// SPDX-License-Identifier: GPL-3.0-or-later
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "GreskaFajla.h"
#include "MestoUpisa.h"
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

// A link's owner as the save's rule is to see it, whatever made the link.
uid_t gLazniVlasnik = 0;
uid_t LazniVlasnik(const struct stat&) { return gLazniVlasnik; }

class LazanVlasnikVeze {
public:
    explicit LazanVlasnikVeze(uid_t vlasnik) : fStari(PostaviVlasnikaVeze(LazniVlasnik)) {
        gLazniVlasnik = vlasnik;
    }
    ~LazanVlasnikVeze() { PostaviVlasnikaVeze(fStari); }
    LazanVlasnikVeze(const LazanVlasnikVeze&) = delete;
    LazanVlasnikVeze& operator=(const LazanVlasnikVeze&) = delete;

private:
    TVlasnikVeze fStari;
};

// Numeric ids no user of the machine has: root gives files to them without
// any account being made.
constexpr uid_t kDrugi = 54321;
constexpr uid_t kTreci = 54322;
constexpr gid_t kGrupa = 54323;

enum class Vlasnik { Pisac, VlasnikFoldera, Drugi };

struct SlucajVeze {
    const char* opis;
    mode_t folder;    // of the folder that holds the link
    Vlasnik vlasnik;  // whose the link is
    bool naFolder;    // the link names the folder the file is saved in
    bool prati;
};

void PrintTo(const SlucajVeze& s, std::ostream* os) { *os << s.opis; }

class VezaUDeljenomFolderu : public testing::TestWithParam<SlucajVeze> {};

// The attack: another user's link in /tmp pointing at a file of the
// writer's. Faked through the rule's owner, as a test cannot make a link
// another user's unless it runs as root; as root the folder is given to
// another user, so that its owner and the writer differ too.
TEST_P(VezaUDeljenomFolderu, IsFollowedOnlyAsTheKernelsRuleAllows) {
    const SlucajVeze& s = GetParam();
    const PrivremeniFolder folder;
    const std::string cilj = folder.Zapisi("vazno.conf", "staro");
    ASSERT_EQ(mkdir(folder.Putanja("tmp").c_str(), 0700), 0);
    ASSERT_EQ(mkdir(folder.Putanja("moj").c_str(), 0700), 0);
    const std::string deljen = folder.Putanja("tmp");
    ASSERT_EQ(symlink((s.naFolder ? folder.Putanja("moj") : cilj).c_str(), (deljen + "/x").c_str()),
              0);
    if (geteuid() == 0) {
        ASSERT_EQ(chown(deljen.c_str(), kTreci, kTreci), 0);
    }
    ASSERT_EQ(chmod(deljen.c_str(), s.folder), 0);
    struct stat f {};
    ASSERT_EQ(stat(deljen.c_str(), &f), 0);
    const uid_t vlasnik = s.vlasnik == Vlasnik::Pisac            ? geteuid()
                          : s.vlasnik == Vlasnik::VlasnikFoldera ? f.st_uid
                                                                 : kDrugi;
    const std::string putanja = deljen + (s.naFolder ? "/x/slika.png" : "/x");
    const std::string upisana = s.naFolder ? folder.Putanja("moj/slika.png") : cilj;
    const LazanVlasnikVeze lazan(vlasnik);
    try {
        SigurnoSnimi(putanja, kNovo);
        EXPECT_TRUE(s.prati) << "followed";
        EXPECT_EQ(Sadrzaj(upisana), kNovo);
    } catch (const EGreskaFajla& e) {
        EXPECT_FALSE(s.prati) << e.what();
        EXPECT_EQ(e.vrsta(), EGreskaFajla::Vrsta::Otvaranje);
        EXPECT_EQ(e.putanja(), putanja);
        EXPECT_EQ(e.razlog(), kTudjaVeza);
        EXPECT_EQ(Sadrzaj(cilj), "staro");
        EXPECT_EQ(Sadrzaj(upisana), s.naFolder ? "(nema)" : "staro");
    }
    EXPECT_TRUE(S_ISLNK(Mod(deljen + "/x")));
    chmod(deljen.c_str(), 0700);
    EXPECT_EQ(PrivremeniFolder::ImenaU(deljen), std::set<std::string>{"x"});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, VezaUDeljenomFolderu, testing::Values(
    SlucajVeze{"another user's link in a sticky world-writable folder", 01777, Vlasnik::Drugi, false, false},
    SlucajVeze{"another user's link to the folder saved in", 01777, Vlasnik::Drugi, true, false},
    SlucajVeze{"the writer's own link there", 01777, Vlasnik::Pisac, false, true},
    SlucajVeze{"a link of the folder's owner there", 01777, Vlasnik::VlasnikFoldera, true, true},
    SlucajVeze{"another user's link in a world-writable folder that is not sticky", 0777, Vlasnik::Drugi, false, true},
    SlucajVeze{"another user's link in a sticky folder only its owner writes", 01755, Vlasnik::Drugi, false, true}
));
// clang-format on

// The same attack for real, where the test may make a link another user's.
TEST(SigurnoSnimanje, ALinkPlantedByAnotherUserInASharedFolderIsRefused) {
    if (geteuid() != 0) GTEST_SKIP() << "only root can give a link to another user";
    const PrivremeniFolder folder;
    const std::string cilj = folder.Zapisi("vazno.conf", "staro");
    const std::string deljen = folder.Putanja("tmp");
    ASSERT_EQ(mkdir(deljen.c_str(), 01777), 0);
    ASSERT_EQ(chmod(deljen.c_str(), 01777), 0);
    const std::string veza = deljen + "/x.png";
    ASSERT_EQ(symlink(cilj.c_str(), veza.c_str()), 0);
    ASSERT_EQ(lchown(veza.c_str(), kDrugi, kDrugi), 0);
    EXPECT_THROW(SigurnoSnimi(veza, kNovo), EGreskaFajla);
    EXPECT_EQ(Sadrzaj(cilj), "staro");
    EXPECT_EQ(PrivremeniFolder::ImenaU(deljen), std::set<std::string>{"x.png"});
}

struct SlucajImena {
    const char* opis;
    std::function<std::string(const PrivremeniFolder&)> napravi;  // the path to save to
};

void PrintTo(const SlucajImena& s, std::ostream* os) { *os << s.opis; }

class NajduzeIme : public testing::TestWithParam<SlucajImena> {};

// A name may take every byte the file system allows: the temporary's own
// name is short whatever the target's is.
TEST_P(NajduzeIme, IsSavedAndReplaced) {
    const PrivremeniFolder folder;
    const std::string putanja = GetParam().napravi(folder);
    const std::string ime = putanja.substr(putanja.rfind('/') + 1);
    const std::string mesto = putanja.substr(0, putanja.rfind('/'));
    for (const std::string& bajtovi : {std::string("prvo"), kNovo}) {
        SigurnoSnimi(putanja, bajtovi);
        EXPECT_EQ(Sadrzaj(putanja), bajtovi);
        EXPECT_EQ(PrivremeniFolder::ImenaU(mesto), std::set<std::string>{ime});
    }
}

// Folders of 200-byte names down to a file whose path takes PATH_MAX - 1
// bytes, the longest the system accepts.
std::string NajduzaPutanja(const PrivremeniFolder& f) {
    std::string putanja = f.Putanja("");
    putanja.pop_back();
    constexpr std::size_t kNajduza = PATH_MAX - 1;
    while (putanja.size() + 1 + 200 + 1 + 10 < kNajduza) {
        putanja += "/" + std::string(200, 'f');
        EXPECT_EQ(mkdir(putanja.c_str(), 0700), 0) << std::strerror(errno);
    }
    putanja += "/" + std::string(kNajduza - putanja.size() - 1, 's');
    EXPECT_EQ(putanja.size(), kNajduza);
    return putanja;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, NajduzeIme, testing::Values(
    SlucajImena{"a name of 255 bytes", [](const PrivremeniFolder& f) { return f.Putanja(std::string(251, 'n') + ".png"); }},
    SlucajImena{"a path of PATH_MAX - 1 bytes", NajduzaPutanja}
));
// clang-format on

struct SlucajVlasnika {
    const char* opis;
    uid_t pisac;
    std::vector<gid_t> grupe;  // the writer's, the first its own
    mode_t dozvole;            // the file's, which let the writer write it
    uid_t vlasnik;             // of the file after the save
    gid_t grupa;
};

void PrintTo(const SlucajVlasnika& s, std::ostream* os) { *os << s.opis; }

class VlasnikZamenjene : public testing::TestWithParam<SlucajVlasnika> {};

// A file of user kDrugi and group kGrupa in a folder everyone may write,
// saved over by the writer of the case in a child process (root
// takes on any ids without accounts); the save succeeds either way.
TEST_P(VlasnikZamenjene, KeepsWhatTheWriterMayGive) {
    if (geteuid() != 0) GTEST_SKIP() << "only root can give files to other users";
    const SlucajVlasnika& s = GetParam();
    const PrivremeniFolder folder;
    ASSERT_EQ(chmod(folder.Putanja("").c_str(), 0777), 0);
    const std::string putanja = folder.Zapisi("zajednicki.Lastovar", "staro");
    ASSERT_EQ(chown(putanja.c_str(), kDrugi, kGrupa), 0);
    ASSERT_EQ(chmod(putanja.c_str(), s.dozvole), 0);
    const pid_t dete = fork();
    ASSERT_GE(dete, 0);
    if (dete == 0) {
        if (s.pisac != 0 && (setgroups(s.grupe.size(), s.grupe.data()) != 0 ||
                             setgid(s.grupe.front()) != 0 || setuid(s.pisac) != 0))
            _exit(2);
        try {
            SigurnoSnimi(putanja, kNovo);
        } catch (const EGreskaFajla&) {
            _exit(1);
        }
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(dete, &status, 0), dete);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    struct stat st {};
    ASSERT_EQ(stat(putanja.c_str(), &st), 0);
    EXPECT_EQ(Sadrzaj(putanja), kNovo);
    EXPECT_EQ(st.st_uid, s.vlasnik);
    EXPECT_EQ(st.st_gid, s.grupa);
    EXPECT_EQ(st.st_mode & 07777, s.dozvole);
    EXPECT_EQ(folder.Imena(), std::set<std::string>{"zajednicki.Lastovar"});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, VlasnikZamenjene, testing::Values(
    SlucajVlasnika{"root keeps owner and group", 0, {0}, 0664, kDrugi, kGrupa},
    SlucajVlasnika{"a member of the file's group keeps the group", kTreci, {kTreci, kGrupa}, 0664, kTreci, kGrupa},
    SlucajVlasnika{"another user may give neither", kTreci, {kTreci}, 0666, kTreci, kTreci}
));
// clang-format on

}  // namespace

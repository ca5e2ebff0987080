// SPDX-License-Identifier: GPL-3.0-or-later
// A save interrupted while its temporary exists: the program ended by a
// signal, or the folder renamed under it. A child process saves a large
// file; the moment its temporary appears (inotify) the test acts.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <functional>
#include <string>

#include "Deskriptor.h"
#include "GreskaFajla.h"
#include "PrivremeniFolder.h"
#include "SigurnoSnimanje.h"

namespace {

// Large enough that the write outlasts the test's reaction by far; made
// in the child only.
constexpr std::size_t kVelicina = std::size_t{32} << 20;

// The whole new file, as the child saves it.
bool JeNova(const std::string& putanja) { return Sadrzaj(putanja) == std::string(kVelicina, 'n'); }

struct Ishod {
    int status;            // the child's, from waitpid
    bool videoPrivremenu;  // the action came once the temporary existed
    bool uToku;            // and the child was still at work after it
};

// Forks a child that saves kVelicina bytes to `putanja` (after `pripremi`); when
// a new name appears in `folder`, runs `akcija` with the child's pid.
Ishod SnimiUDetetu(const std::string& folder, const std::string& putanja,
                   const std::function<void()>& pripremi,
                   const std::function<void(pid_t)>& akcija) {
    const TDeskriptor obavestenja(inotify_init1(IN_CLOEXEC));
    EXPECT_GE(inotify_add_watch(obavestenja.Fd(), folder.c_str(), IN_CREATE), 0);
    const pid_t dete = fork();
    if (dete == 0) {
        pripremi();
        try {
            SigurnoSnimi(putanja, std::string(kVelicina, 'n'));
        } catch (const EGreskaFajla&) {
            _exit(1);
        }
        _exit(0);
    }
    pollfd cekanje{obavestenja.Fd(), POLLIN, 0};
    const bool video = poll(&cekanje, 1, 60'000) == 1;
    if (video) akcija(dete);
    int status = 0;
    const bool uToku = waitpid(dete, &status, WNOHANG) == 0;
    if (uToku) waitpid(dete, &status, 0);
    return {status, video, uToku};
}

struct SlucajSignala {
    const char* opis;
    int signal;
};

void PrintTo(const SlucajSignala& s, std::ostream* os) { *os << s.opis; }

class SignalUTokuSnimanja : public testing::TestWithParam<SlucajSignala> {};

// The signal ends the program as it would have; the file that was there
// stays and the temporary is gone. Should the save win the race and end
// first, the attempt is made again.
TEST_P(SignalUTokuSnimanja, EndsTheProgramAndLeavesNoTemporary) {
    const int signal = GetParam().signal;
    for (int pokusaj = 0; pokusaj < 5; ++pokusaj) {
        const PrivremeniFolder folder;
        const std::string putanja = folder.Zapisi("slika.png", "staro");
        const Ishod ishod = SnimiUDetetu(
            folder.Putanja(""), putanja, [] {}, [signal](pid_t dete) { kill(dete, signal); });
        ASSERT_TRUE(ishod.videoPrivremenu);
        EXPECT_EQ(folder.Imena(), std::set<std::string>{"slika.png"});
        if (WIFSIGNALED(ishod.status) && Sadrzaj(putanja) == "staro") {
            EXPECT_EQ(WTERMSIG(ishod.status), signal);
            return;
        }
        EXPECT_TRUE(JeNova(putanja)) << "neither the old file nor the new";
    }
    FAIL() << "the save always ended before the signal came";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Signali, SignalUTokuSnimanja, testing::Values(
    SlucajSignala{"SIGTERM", SIGTERM},
    SlucajSignala{"SIGINT", SIGINT},
    SlucajSignala{"SIGHUP", SIGHUP}
));
// clang-format on

// A program that ignores SIGHUP (started by nohup) goes on and saves.
TEST(PrekinutoSnimanje, AnIgnoredSignalLetsTheSaveFinish) {
    for (int pokusaj = 0; pokusaj < 5; ++pokusaj) {
        const PrivremeniFolder folder;
        const std::string putanja = folder.Zapisi("slika.png", "staro");
        const Ishod ishod = SnimiUDetetu(
            folder.Putanja(""), putanja, [] { std::signal(SIGHUP, SIG_IGN); },
            [](pid_t dete) { kill(dete, SIGHUP); });
        ASSERT_TRUE(ishod.videoPrivremenu);
        EXPECT_TRUE(WIFEXITED(ishod.status) && WEXITSTATUS(ishod.status) == 0) << ishod.status;
        EXPECT_TRUE(JeNova(putanja));
        EXPECT_EQ(folder.Imena(), std::set<std::string>{"slika.png"});
        if (ishod.uToku) return;
    }
    FAIL() << "the save always ended before the signal came";
}

// The folder is renamed while the file is written: the save ends in it
// under its new name, as the folder was held, and nothing is left beside.
TEST(PrekinutoSnimanje, AFolderRenamedHalfWayGetsTheWholeFile) {
    for (int pokusaj = 0; pokusaj < 5; ++pokusaj) {
        const PrivremeniFolder koren;
        ASSERT_EQ(mkdir(koren.Putanja("podaci").c_str(), 0700), 0);
        const std::string putanja = koren.Zapisi("podaci/slika.png", "staro");
        const Ishod ishod = SnimiUDetetu(
            koren.Putanja("podaci"), putanja, [] {},
            [&](pid_t) {
                EXPECT_EQ(std::rename(koren.Putanja("podaci").c_str(),
                                      koren.Putanja("premesteni").c_str()),
                          0);
            });
        ASSERT_TRUE(ishod.videoPrivremenu);
        EXPECT_TRUE(WIFEXITED(ishod.status) && WEXITSTATUS(ishod.status) == 0) << ishod.status;
        EXPECT_EQ(koren.Imena(), std::set<std::string>{"premesteni"});
        EXPECT_EQ(PrivremeniFolder::ImenaU(koren.Putanja("premesteni")),
                  std::set<std::string>{"slika.png"});
        EXPECT_TRUE(JeNova(koren.Putanja("premesteni/slika.png")));
        if (ishod.uToku) return;
    }
    FAIL() << "the save always ended before the folder was renamed";
}

}  // namespace

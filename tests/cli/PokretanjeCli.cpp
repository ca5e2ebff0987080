// SPDX-License-Identifier: GPL-3.0-or-later
#include "PokretanjeCli.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string_view>

extern char** environ;

namespace {

// Removes the temporary files when the tests end.
class Pospremanje : public testing::Environment {
public:
    static std::vector<std::string>& Datoteke() {
        static std::vector<std::string> datoteke;
        return datoteke;
    }
    void TearDown() override {
        for (const std::string& d : Datoteke()) std::remove(d.c_str());
    }
};

const auto* const kPospremanje = testing::AddGlobalTestEnvironment(new Pospremanje);

}  // namespace

bool LokalPostoji(const std::string& lokal) {
    const locale_t l = newlocale(LC_ALL_MASK, lokal.c_str(), locale_t{});
    if (l) freelocale(l);
    return l != locale_t{};
}

std::string Procitaj(const std::string& putanja) {
    std::ifstream ulaz(putanja, std::ios::binary);
    std::ostringstream s;
    s << ulaz.rdbuf();
    return s.str();
}

// A file of this process only: ctest runs the tests side by side.
std::string Privremena(const std::string& ime) {
    std::string putanja =
        testing::TempDir() + "lastovar-cli-" + std::to_string(getpid()) + "-" + ime;
    Pospremanje::Datoteke().push_back(putanja);
    return putanja;
}

std::string Zapisi(const std::string& ime, const std::string& bajtovi) {
    const std::string putanja = Privremena(ime);
    std::ofstream(putanja, std::ios::binary) << bajtovi;
    return putanja;
}

Ishod Pokreni(const std::vector<std::string>& argumenti, const std::string& lokal) {
    Okolnosti o;
    o.lokal = lokal;
    return Pokreni(argumenti, o);
}

Ishod Pokreni(const std::vector<std::string>& argumenti, const Okolnosti& okolnosti) {
    const auto izostavljena = [&](const char* e) {
        const std::string_view par = e;
        const std::string_view ime = par.substr(0, par.find('='));
        if (ime.starts_with("LC_") || ime.starts_with("LANG")) return true;
        return std::find(okolnosti.bez.begin(), okolnosti.bez.end(), ime) != okolnosti.bez.end();
    };
    std::vector<std::string> okruzenje;
    for (char** e = environ; *e; ++e)
        if (!izostavljena(*e)) okruzenje.emplace_back(*e);
    okruzenje.push_back("LC_ALL=" + okolnosti.lokal);
    std::vector<char*> env;
    for (std::string& s : okruzenje) env.push_back(s.data());
    env.push_back(nullptr);

    std::vector<std::string> arg{okolnosti.program.empty() ? LASTOVAR_CLI : okolnosti.program};
    arg.insert(arg.end(), argumenti.begin(), argumenti.end());
    std::vector<char*> argv;
    for (std::string& s : arg) argv.push_back(s.data());
    argv.push_back(nullptr);

    const std::string izlaz = Privremena("izlaz");
    const std::string greske = Privremena("greske");
    posix_spawn_file_actions_t akcije;
    posix_spawn_file_actions_init(&akcije);
    posix_spawn_file_actions_addopen(&akcije, 0, okolnosti.ulaz.c_str(), O_RDONLY, 0);
    const std::string& standardni =
        okolnosti.standardniIzlaz.empty() ? izlaz : okolnosti.standardniIzlaz;
    posix_spawn_file_actions_addopen(&akcije, 1, standardni.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&akcije, 2, greske.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    // A test that ignores a signal for itself (a file size limit's) does not
    // pass that on: the program meets the defaults a shell gives it.
    posix_spawnattr_t atributi;
    posix_spawnattr_init(&atributi);
    sigset_t podrazumevani;
    sigfillset(&podrazumevani);
    posix_spawnattr_setsigdefault(&atributi, &podrazumevani);
    posix_spawnattr_setflags(&atributi, POSIX_SPAWN_SETSIGDEF);
    pid_t pid = 0;
    const int greska = posix_spawn(&pid, argv[0], &akcije, &atributi, argv.data(), env.data());
    posix_spawn_file_actions_destroy(&akcije);
    posix_spawnattr_destroy(&atributi);
    if (greska != 0) return {-1, "", std::strerror(greska)};

    // A program that hangs (on a FIFO, say) fails its test instead of
    // holding up the whole run.
    const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    pollfd cekanje{pidfd, POLLIN, 0};
    const bool zavrsio = pidfd < 0 || poll(&cekanje, 1, 60'000) == 1;
    if (!zavrsio) kill(pid, SIGKILL);
    if (pidfd >= 0) close(pidfd);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!zavrsio) return {-2, Procitaj(izlaz), Procitaj(greske)};
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Procitaj(izlaz), Procitaj(greske)};
}

void PrintTo(const PogresnaKomanda& k, std::ostream* os) { *os << '[' << k.argumenti << ']'; }

std::pair<std::uint32_t, std::uint32_t> VelicinaPng(const std::string& png) {
    if (png.size() < 24 || png.compare(1, 3, "PNG") != 0) return {0, 0};
    // IHDR's width and height, big-endian
    const auto broj = [&png](std::size_t od) {
        std::uint32_t n = 0;
        for (std::size_t i = od; i < od + 4; ++i) n = n << 8 | static_cast<unsigned char>(png[i]);
        return n;
    };
    return {broj(16), broj(20)};
}

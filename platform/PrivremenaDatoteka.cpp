// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrivremenaDatoteka.h"

#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <random>
#include <string_view>

#include "GreskaFajla.h"

namespace {

constexpr const char* kNeMozeDaSeNapravi = "Datoteka ne moze da se napravi";
constexpr std::string_view kPocetakImena = ".lastovar-";
constexpr std::size_t kSlucajnihZnakova = 6;
// Names tried before giving up: a clash is already rare.
constexpr int kNajviseImena = 100;
constexpr std::array kSignali = {SIGTERM, SIGINT, SIGHUP};
constexpr std::size_t kBrojSignala = kSignali.size();

// What the signal handler removes, written only while the signals are
// blocked on the saving thread. The name is copied into a buffer of its
// own, which a handler may read where a std::string may not be touched.
volatile std::sig_atomic_t gPrijavljena = 0;
int gFolder = -1;
std::array<char, kPocetakImena.size() + kSlucajnihZnakova + 1> gIme{};

extern "C" void UkloniPaZavrsi(int signal) {
    if (gPrijavljena) unlinkat(gFolder, gIme.data(), 0);
    gPrijavljena = 0;
    // The default action, which this handler stood in for, ends the program
    // as the signal would have, once the handler returns and unblocks it.
    struct sigaction podrazumevana {};
    podrazumevana.sa_handler = SIG_DFL;
    sigemptyset(&podrazumevana.sa_mask);
    sigaction(signal, &podrazumevana, nullptr);
    raise(signal);
}

// The three signals held back on this thread while this lives, so the
// handler never finds the file made but not yet noted, or renamed but
// still noted.
class BezSignala {
public:
    BezSignala() {
        sigset_t skup;
        sigemptyset(&skup);
        for (const int s : kSignali) sigaddset(&skup, s);
        pthread_sigmask(SIG_BLOCK, &skup, &fStari);
    }
    ~BezSignala() { pthread_sigmask(SIG_SETMASK, &fStari, nullptr); }
    BezSignala(const BezSignala&) = delete;
    BezSignala& operator=(const BezSignala&) = delete;

private:
    sigset_t fStari{};
};

// Six letters or digits, as mkstemp would give. O_EXCL makes any name
// safe; the names only need to differ, so a clock and the process id seed
// them, which cannot fail as a source of entropy can.
std::string NasumicnoIme() {
    static constexpr std::string_view kZnaci =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 izvor(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        (static_cast<std::uint64_t>(getpid()) << 40));
    std::uniform_int_distribution<std::size_t> znak(0, kZnaci.size() - 1);
    std::string ime(kPocetakImena);
    for (std::size_t i = 0; i < kSlucajnihZnakova; ++i) ime += kZnaci[znak(izvor)];
    return ime;
}

// The handlers stand in for the default action only while a temporary
// exists, so the program's own handling of these signals is untouched.
std::array<bool, kBrojSignala> PostaviRukovaoce() {
    struct sigaction nasa {};
    nasa.sa_handler = UkloniPaZavrsi;
    sigemptyset(&nasa.sa_mask);
    for (const int s : kSignali) sigaddset(&nasa.sa_mask, s);
    std::array<bool, kBrojSignala> postavljen{};
    for (std::size_t i = 0; i < kSignali.size(); ++i) {
        struct sigaction stara {};
        postavljen[i] = sigaction(kSignali[i], nullptr, &stara) == 0 &&
                        !(stara.sa_flags & SA_SIGINFO) && stara.sa_handler == SIG_DFL &&
                        sigaction(kSignali[i], &nasa, nullptr) == 0;
    }
    return postavljen;
}

void VratiRukovaoce(const std::array<bool, kBrojSignala>& postavljen) {
    struct sigaction podrazumevana {};
    podrazumevana.sa_handler = SIG_DFL;
    sigemptyset(&podrazumevana.sa_mask);
    for (std::size_t i = 0; i < kSignali.size(); ++i)
        if (postavljen[i]) sigaction(kSignali[i], &podrazumevana, nullptr);
}

}  // namespace

TPrivremenaDatoteka::TPrivremenaDatoteka(int folder, const std::string& putanja) : fFolder(folder) {
    const BezSignala bez;
    for (int pokusaj = 0; pokusaj < kNajviseImena && fFd.Fd() < 0; ++pokusaj) {
        fIme = NasumicnoIme();
        // Made as any new file is, so the umask and a folder's default ACL
        // give its permissions without touching the process's umask.
        fFd = TDeskriptor(openat(folder, fIme.c_str(),
                                 O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        const int greska = errno;
        if (fFd.Fd() < 0 && greska != EEXIST)
            throw EGreskaFajla(EGreskaFajla::Vrsta::Otvaranje, kNeMozeDaSeNapravi, putanja,
                               std::strerror(greska));
    }
    if (fFd.Fd() < 0)
        throw EGreskaFajla(EGreskaFajla::Vrsta::Otvaranje, kNeMozeDaSeNapravi, putanja,
                           std::strerror(EEXIST));
    fPostoji = true;
    fRukovaoci = PostaviRukovaoce();
    gFolder = folder;
    fIme.copy(gIme.data(), gIme.size() - 1);
    gIme[fIme.size()] = '\0';
    gPrijavljena = 1;
}

TPrivremenaDatoteka::~TPrivremenaDatoteka() {
    {
        const BezSignala bez;
        gPrijavljena = 0;
        if (fPostoji) unlinkat(fFolder, fIme.c_str(), 0);
    }
    VratiRukovaoce(fRukovaoci);
}

bool TPrivremenaDatoteka::Zatvori() { return close(fFd.Pusti()) == 0; }

bool TPrivremenaDatoteka::Preimenuj(const std::string& ime) {
    const BezSignala bez;
    if (renameat(fFolder, fIme.c_str(), fFolder, ime.c_str()) != 0) return false;
    fPostoji = false;
    gPrijavljena = 0;
    return true;
}

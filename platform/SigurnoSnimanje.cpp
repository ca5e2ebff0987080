// SPDX-License-Identifier: GPL-3.0-or-later
#include "SigurnoSnimanje.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <optional>
#include <random>
#include <string_view>

#include "GreskaFajla.h"
#include "PosebnaDatoteka.h"

namespace {

constexpr const char* kNeMozeDaSeNapravi = "Datoteka ne moze da se napravi";
constexpr const char* kGreskaUpisa = "Greska pri upisu u datoteku";
// As many links as the system itself follows in one path.
constexpr int kNajviseVeza = 40;
// Names tried for the temporary before giving up: a clash is already rare.
constexpr int kNajviseImena = 100;

[[noreturn]] void Greska(EGreskaFajla::Vrsta vrsta, const char* uvod, const std::string& putanja,
                         int broj) {
    throw EGreskaFajla(vrsta, uvod, putanja, std::strerror(broj));
}

// A file size limit would end the program at the write that crosses it;
// while this lives the write fails instead, so the failure is reported and
// the old file kept. (One thread saves at a time in this program.)
class BezSignalaVelicine {
public:
    BezSignalaVelicine() {
        struct sigaction ignorisi {};
        ignorisi.sa_handler = SIG_IGN;
        sigemptyset(&ignorisi.sa_mask);
        sigaction(SIGXFSZ, &ignorisi, &fStara);
    }
    ~BezSignalaVelicine() { sigaction(SIGXFSZ, &fStara, nullptr); }
    BezSignalaVelicine(const BezSignalaVelicine&) = delete;
    BezSignalaVelicine& operator=(const BezSignalaVelicine&) = delete;

private:
    struct sigaction fStara {};
};

// The file a save replaces: the path with its symbolic links followed, even
// to a name that does not exist yet, as a save through a link is meant.
std::string KonacnaPutanja(const std::string& putanja) {
    std::string p = putanja;
    for (int veza = 0; veza < kNajviseVeza; ++veza) {
        struct stat st {};
        if (lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
        // A buffer of a size the compiler knows, as a hardened build checks.
        char cilj[PATH_MAX];
        const ssize_t n = readlink(p.c_str(), cilj, sizeof cilj);
        if (n < 0) Greska(EGreskaFajla::Vrsta::Otvaranje, kNeMozeDaSeNapravi, putanja, errno);
        if (static_cast<std::size_t>(n) == sizeof cilj)
            Greska(EGreskaFajla::Vrsta::Otvaranje, kNeMozeDaSeNapravi, putanja, ENAMETOOLONG);
        std::string sledeca(cilj, static_cast<std::size_t>(n));
        const std::size_t kosa = p.rfind('/');
        if (!sledeca.starts_with('/') && kosa != std::string::npos)
            sledeca = p.substr(0, kosa + 1) + sledeca;
        p = std::move(sledeca);
    }
    Greska(EGreskaFajla::Vrsta::Otvaranje, kNeMozeDaSeNapravi, putanja, ELOOP);
}

// A name of the temporary's: six letters or digits, as mkstemp would give.
// O_EXCL makes any name safe; the names only need to differ, so a clock and
// the process id seed them, which cannot fail as a source of entropy can.
std::string NasumicanNastavak() {
    static constexpr std::string_view kZnaci =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 izvor(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        (static_cast<std::uint64_t>(getpid()) << 40));
    std::uniform_int_distribution<std::size_t> znak(0, kZnaci.size() - 1);
    std::string nastavak(6, ' ');
    for (char& c : nastavak) c = kZnaci[znak(izvor)];
    return nastavak;
}

// The temporary file beside the target: removed unless it was renamed. It
// is created as any new file is, so the umask and a folder's default ACL
// give its permissions without touching the process's umask, which other
// threads may be using to create files of their own.
class Privremena {
public:
    Privremena(const std::string& cilj, const std::string& putanja) {
        for (int pokusaj = 0; pokusaj < kNajviseImena; ++pokusaj) {
            fIme = cilj + "." + NasumicanNastavak();
            fFd = open(fIme.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (fFd >= 0) return;
            if (errno != EEXIST)
                Greska(EGreskaFajla::Vrsta::Otvaranje, kNeMozeDaSeNapravi, putanja, errno);
        }
        Greska(EGreskaFajla::Vrsta::Otvaranje, kNeMozeDaSeNapravi, putanja, EEXIST);
    }
    ~Privremena() {
        if (fFd >= 0) close(fFd);
        if (!fPreimenovana) unlink(fIme.c_str());
    }
    Privremena(const Privremena&) = delete;
    Privremena& operator=(const Privremena&) = delete;

    int Fd() const { return fFd; }
    const std::string& Ime() const { return fIme; }
    /// Closes the file; false, with errno set, when the close reports an error.
    bool Zatvori() {
        const int fd = fFd;
        fFd = -1;
        return close(fd) == 0;
    }
    void Preimenovana() { fPreimenovana = true; }

private:
    std::string fIme;
    int fFd = -1;
    bool fPreimenovana = false;
};

}  // namespace

void SigurnoSnimi(const std::string& putanja, std::string_view bajtovi) {
    using enum EGreskaFajla::Vrsta;
    if (putanja.empty()) Greska(Otvaranje, kNeMozeDaSeNapravi, putanja, ENOENT);
    const std::string cilj = KonacnaPutanja(putanja);

    std::optional<mode_t> dozvole;  // a replaced file's; a new one's come with it
    struct stat st {};
    if (stat(cilj.c_str(), &st) == 0) {
        const std::string posebna = NijeObicna(st.st_mode);
        if (!posebna.empty()) throw EGreskaFajla(Otvaranje, kNeMozeDaSeNapravi, putanja, posebna);
        // A file that may not be written is not replaced, though its folder
        // would allow it.
        if (faccessat(AT_FDCWD, cilj.c_str(), W_OK, AT_EACCESS) != 0)
            Greska(Otvaranje, kNeMozeDaSeNapravi, putanja, errno);
        dozvole = st.st_mode & 0777;
    } else if (errno != ENOENT) {
        Greska(Otvaranje, kNeMozeDaSeNapravi, putanja, errno);
    }

    const BezSignalaVelicine bezSignala;
    Privremena privremena(cilj, putanja);
    if (dozvole && fchmod(privremena.Fd(), *dozvole) != 0)
        Greska(Otvaranje, kNeMozeDaSeNapravi, putanja, errno);
    // A short write stops where the disk filled or a size limit cut it;
    // writing on from there meets the error and its reason.
    while (!bajtovi.empty()) {
        const ssize_t n = write(privremena.Fd(), bajtovi.data(), bajtovi.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) Greska(Pisanje, kGreskaUpisa, putanja, n < 0 ? errno : EIO);
        bajtovi.remove_prefix(static_cast<std::size_t>(n));
    }
    // Some file systems report a full disk only when the data reach it.
    if (fsync(privremena.Fd()) != 0) Greska(Pisanje, kGreskaUpisa, putanja, errno);
    if (!privremena.Zatvori()) Greska(Pisanje, kGreskaUpisa, putanja, errno);
    if (rename(privremena.Ime().c_str(), cilj.c_str()) != 0)
        Greska(Pisanje, kGreskaUpisa, putanja, errno);
    privremena.Preimenovana();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "SigurnoSnimanje.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>
#include <string_view>

#include "GreskaFajla.h"
#include "MestoUpisa.h"
#include "PosebnaDatoteka.h"
#include "PrivremenaDatoteka.h"

namespace {

constexpr const char* kNeMozeDaSeNapravi = "Datoteka ne moze da se napravi";
constexpr const char* kGreskaUpisa = "Greska pri upisu u datoteku";

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

// The replaced file's owner and group where this user may give them (root
// may, a member of the file's group may give the group), its permissions
// always; set in this order, as a change of owner clears set-id bits.
void PrenesiVlasnistvo(int fd, const struct stat& stara, const std::string& putanja) {
    using enum EGreskaFajla::Vrsta;
    if (fchown(fd, stara.st_uid, stara.st_gid) != 0) {
        if (errno != EPERM && errno != EINVAL)
            Greska(Otvaranje, kNeMozeDaSeNapravi, putanja, errno);
        if (fchown(fd, static_cast<uid_t>(-1), stara.st_gid) != 0 && errno != EPERM &&
            errno != EINVAL)
            Greska(Otvaranje, kNeMozeDaSeNapravi, putanja, errno);
    }
    if (fchmod(fd, stara.st_mode & 0777) != 0)
        Greska(Otvaranje, kNeMozeDaSeNapravi, putanja, errno);
}

}  // namespace

void SigurnoSnimi(const std::string& putanja, std::string_view bajtovi) {
    using enum EGreskaFajla::Vrsta;
    const TMestoUpisa mesto = MestoUpisa(putanja);
    const int folder = mesto.folder.Fd();
    if (mesto.postojeca) {
        const std::string posebna = NijeObicna(mesto.postojeca->st_mode);
        if (!posebna.empty()) throw EGreskaFajla(Otvaranje, kNeMozeDaSeNapravi, putanja, posebna);
        // A file that may not be written is not replaced, though its folder
        // would allow it.
        if (faccessat(folder, mesto.ime.c_str(), W_OK, AT_EACCESS) != 0)
            Greska(Otvaranje, kNeMozeDaSeNapravi, putanja, errno);
    }

    const BezSignalaVelicine bezSignala;
    TPrivremenaDatoteka privremena(folder, putanja);
    if (mesto.postojeca) PrenesiVlasnistvo(privremena.Fd(), *mesto.postojeca, putanja);
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
    if (!privremena.Preimenuj(mesto.ime)) Greska(Pisanje, kGreskaUpisa, putanja, errno);
}

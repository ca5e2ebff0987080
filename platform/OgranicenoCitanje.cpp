// SPDX-License-Identifier: GPL-3.0-or-later
#include "OgranicenoCitanje.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "Deskriptor.h"
#include "GreskaFajla.h"
#include "PosebnaDatoteka.h"

namespace {

constexpr const char* kNeMozeDaSeOtvori = "Datoteka ne moze da se otvori";
constexpr std::size_t kKomad = 16 * 1024;

}  // namespace

std::string ProcitajPocetak(const std::string& putanja, std::size_t brojLinija,
                            std::size_t najviseBajtova) {
    using enum EGreskaFajla::Vrsta;
    // Without O_NONBLOCK opening a FIFO waits for a writer. The type is
    // asked of the open file, so nothing can change between the two.
    const TDeskriptor d(open(putanja.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (d.Fd() < 0) throw EGreskaFajla(Otvaranje, kNeMozeDaSeOtvori, putanja, std::strerror(errno));
    struct stat st {};
    if (fstat(d.Fd(), &st) != 0)
        throw EGreskaFajla(Otvaranje, kNeMozeDaSeOtvori, putanja, std::strerror(errno));
    if (const std::string posebna = NijeObicna(st.st_mode); !posebna.empty())
        throw EGreskaFajla(Otvaranje, kNeMozeDaSeOtvori, putanja, posebna);
    return ProcitajPocetak(d.Fd(), putanja, brojLinija, najviseBajtova);
}

std::string ProcitajPocetak(int fd, const std::string& ime, std::size_t brojLinija,
                            std::size_t najviseBajtova) {
    using enum EGreskaFajla::Vrsta;
    std::string bajtovi;
    std::size_t linija = 0;
    // A buffer of a size the compiler knows, so that a hardened build
    // checks every read against it.
    char komad[kKomad];
    // One byte past the bound tells a beginning that fits from one that does not.
    while (bajtovi.size() <= najviseBajtova) {
        const std::size_t trazeno = std::min(sizeof komad, najviseBajtova + 1 - bajtovi.size());
        const ssize_t n = read(fd, komad, trazeno);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0)
            throw EGreskaFajla(Citanje, "Greska pri citanju datoteke", ime, std::strerror(errno));
        if (n == 0) return bajtovi;
        const std::size_t bilo = bajtovi.size();
        bajtovi.append(komad, static_cast<std::size_t>(n));
        for (std::size_t i = bilo; i < bajtovi.size(); ++i) {
            if (bajtovi[i] == '\n' && ++linija == brojLinija) {
                bajtovi.resize(i + 1);
                break;
            }
        }
        if (linija == brojLinija) break;
    }
    if (linija < brojLinija || bajtovi.size() > najviseBajtova)
        throw EGreskaFajla(Otvaranje, kNeMozeDaSeOtvori, ime,
                           "prvih " + std::to_string(brojLinija) + " linija zauzima vise od " +
                               std::to_string(najviseBajtova) + " bajtova");
    return bajtovi;
}

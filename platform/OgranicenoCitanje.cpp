// SPDX-License-Identifier: GPL-3.0-or-later
#include "OgranicenoCitanje.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "Deskriptor.h"
#include "GreskaFajla.h"
#include "PosebnaDatoteka.h"

namespace {

constexpr const char* kNeMozeDaSeOtvori = "Datoteka ne moze da se otvori";
constexpr std::size_t kKomad = 16 * 1024;

}  // namespace

std::string ProcitajPocetak(const std::string& putanja, std::size_t brojLinija,
                            std::size_t najviseBajtova) {
    return ProcitajPocetak(putanja, brojLinija, najviseBajtova, TNastavakCitanja{});
}

std::string ProcitajPocetak(int fd, const std::string& ime, std::size_t brojLinija,
                            std::size_t najviseBajtova) {
    return ProcitajPocetak(fd, ime, brojLinija, najviseBajtova, TNastavakCitanja{});
}

std::string ProcitajPocetak(const std::string& putanja, std::size_t brojLinija,
                            std::size_t najviseBajtova, const TNastavakCitanja& nastavak) {
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
    return ProcitajPocetak(d.Fd(), putanja, brojLinija, najviseBajtova, nastavak);
}

std::string ProcitajPocetak(int fd, const std::string& ime, std::size_t brojLinija,
                            std::size_t najviseBajtova, const TNastavakCitanja& nastavak) {
    using enum EGreskaFajla::Vrsta;
    std::string bajtovi;
    // Where each line read ends, no further than the most that may be read.
    const std::size_t najviseLinija = brojLinija + 1 + nastavak.linija;
    std::vector<std::size_t> krajevi;
    // Whether the continuation's line follows the first lines: unknown
    // until enough bytes after them are read to tell.
    enum class TNastavak { Nepoznat, Sledi, NeSledi };
    TNastavak sledi = nastavak.oznaka.empty() ? TNastavak::NeSledi : TNastavak::Nepoznat;
    const auto odluci = [&](bool sveProcitano) {
        if (sledi != TNastavak::Nepoznat || krajevi.size() < brojLinija) return;
        const std::string_view posle = std::string_view(bajtovi).substr(krajevi[brojLinija - 1]);
        // The line and its end, CR LF at most, tell it from a longer line.
        if (posle.size() < nastavak.oznaka.size() + 2 && !sveProcitano) return;
        const bool oznaka = posle.starts_with(nastavak.oznaka) &&
                            (posle.size() == nastavak.oznaka.size() ||
                             posle.substr(nastavak.oznaka.size()).starts_with('\n') ||
                             posle.substr(nastavak.oznaka.size()).starts_with("\r\n"));
        sledi = oznaka ? TNastavak::Sledi : TNastavak::NeSledi;
    };
    const auto cilj = [&] { return sledi == TNastavak::Sledi ? najviseLinija : brojLinija; };
    const auto gotovo = [&] { return sledi != TNastavak::Nepoznat && krajevi.size() >= cilj(); };

    // A buffer of a size the compiler knows, so that a hardened build
    // checks every read against it.
    char komad[kKomad];
    bool kraj = false;
    // One byte past the bound tells a beginning that fits from one that does not.
    while (bajtovi.size() <= najviseBajtova && !gotovo()) {
        const std::size_t trazeno = std::min(sizeof komad, najviseBajtova + 1 - bajtovi.size());
        const ssize_t n = read(fd, komad, trazeno);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0)
            throw EGreskaFajla(Citanje, "Greska pri citanju datoteke", ime, std::strerror(errno));
        if (n == 0) {
            kraj = true;
            break;
        }
        const std::size_t bilo = bajtovi.size();
        bajtovi.append(komad, static_cast<std::size_t>(n));
        for (std::size_t i = bilo; i < bajtovi.size() && krajevi.size() < najviseLinija; ++i)
            if (bajtovi[i] == '\n') krajevi.push_back(i + 1);
        odluci(false);
    }
    // What stands after the first lines at the end of the file, or at the
    // bound, where a longer line could not fit anyway.
    odluci(true);
    if (krajevi.size() >= cilj() && krajevi[cilj() - 1] <= najviseBajtova) {
        bajtovi.resize(krajevi[cilj() - 1]);
        return bajtovi;
    }
    if (!kraj || krajevi.size() >= cilj() || bajtovi.size() > najviseBajtova)
        throw EGreskaFajla(Otvaranje, kNeMozeDaSeOtvori, ime,
                           "prvih " + std::to_string(cilj()) + " linija zauzima vise od " +
                               std::to_string(najviseBajtova) + " bajtova");
    return bajtovi;
}

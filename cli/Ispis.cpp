// SPDX-License-Identifier: GPL-3.0-or-later
#include "Ispis.h"

#include <poll.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <new>

#include "GreskaFajla.h"
#include "UcitavanjeSlucaja.h"

namespace {

// Every byte to standard output; 0, or the errno of the write that failed.
// A standard output left non-blocking by the caller is waited for.
int PisiSve(std::string_view bajtovi) {
    while (!bajtovi.empty()) {
        const ssize_t n = write(STDOUT_FILENO, bajtovi.data(), bajtovi.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd cekanje{STDOUT_FILENO, POLLOUT, 0};
            poll(&cekanje, 1, -1);
            continue;
        }
        if (n < 0) return errno;
        if (n == 0) return EIO;
        bajtovi.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

}  // namespace

std::string Vidljivo(std::string_view tekst) {
    static constexpr std::array<const char*, 32> kImena = {
        "\\x00", "\\x01", "\\x02", "\\x03", "\\x04", "\\x05", "\\x06", "\\a",
        "\\b",   "\\t",   "\\n",   "\\v",   "\\f",   "\\r",   "\\x0e", "\\x0f",
        "\\x10", "\\x11", "\\x12", "\\x13", "\\x14", "\\x15", "\\x16", "\\x17",
        "\\x18", "\\x19", "\\x1a", "\\x1b", "\\x1c", "\\x1d", "\\x1e", "\\x1f"};
    std::string vidljivo;
    vidljivo.reserve(tekst.size());
    for (const char c : tekst) {
        const auto b = static_cast<unsigned char>(c);
        if (b < kImena.size())
            vidljivo += kImena[b];
        else if (b == 0x7f)
            vidljivo += "\\x7f";
        else if (c == '\\')
            vidljivo += "\\\\";
        else
            vidljivo += c;
    }
    return vidljivo;
}

void PrijaviGreskuFajla(std::string_view komanda, std::string_view poruka, const EGreskaFajla& e) {
    std::cerr << poruka << "\n"
              << Vidljivo("lastovar-cli " + std::string(komanda) + ": " + e.putanja() + ": " +
                          e.razlog())
              << "\n";
}

void PrijaviNestasicuMemorije(std::string_view komanda, std::string_view poruka,
                              const std::string& putanja) {
    PrijaviGreskuFajla(
        komanda, poruka,
        EGreskaFajla(EGreskaFajla::Vrsta::Pisanje, std::string(poruka), putanja, kNemaMemorije));
}

int IspisiIzlaz(std::string_view komanda, const std::function<std::string()>& sastavi) {
    std::string razlog;
    try {
        const int greska = PisiSve(sastavi());
        if (greska == 0) return 0;
        razlog = std::strerror(greska);
    } catch (const std::bad_alloc&) {
        razlog = kNemaMemorije;
    }
    std::cerr << "lastovar-cli " << komanda << ": greska pri pisanju izlaza: " << razlog << "\n";
    return kIzlazDatoteka;
}

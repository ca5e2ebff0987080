// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

/// The beginning of the file at `putanja` (bytes, as the system names
/// files): its bytes up to and including the `brojLinija`-th LF, or all of
/// them when it has fewer lines; what follows is never read. The file is
/// opened without waiting, so a FIFO or a device answers at once, and it is
/// refused unless it is a regular file (a link to one counts).
///
/// Throws EGreskaFajla naming the path and the reason: Vrsta::Otvaranje
/// when the file cannot be opened, is not a regular file, or its first
/// `brojLinija` lines take more than `najviseBajtova` bytes; Vrsta::Citanje
/// when a read fails.
std::string ProcitajPocetak(const std::string& putanja, std::size_t brojLinija,
                            std::size_t najviseBajtova);

/// The same from a descriptor that is already open, whatever it is (a pipe,
/// a terminal): standard input. `ime` stands for the path in the messages.
/// The descriptor stays open.
std::string ProcitajPocetak(int fd, const std::string& ime, std::size_t brojLinija,
                            std::size_t najviseBajtova);

/// What a file may hold after the lines ProcitajPocetak reads: a line
/// `oznaka` (ended by LF, or CR LF), then at most `linija` lines more.
struct TNastavakCitanja {
    std::string_view oznaka;
    std::size_t linija = 0;
};

/// The same, and where the bytes after the `brojLinija` lines begin with the
/// line `nastavak.oznaka`, that line and up to `nastavak.linija` lines more
/// (all of them when there are fewer), within the same `najviseBajtova`.
/// Without that line the answer, and every failure, is ProcitajPocetak's;
/// a continuation past the bound fails as a beginning past it does, naming
/// every line it counts.
std::string ProcitajPocetak(const std::string& putanja, std::size_t brojLinija,
                            std::size_t najviseBajtova, const TNastavakCitanja& nastavak);
std::string ProcitajPocetak(int fd, const std::string& ime, std::size_t brojLinija,
                            std::size_t najviseBajtova, const TNastavakCitanja& nastavak);

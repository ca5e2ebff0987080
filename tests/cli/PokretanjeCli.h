// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs lastovar-cli as a separate process, as a user or a script would, and
// keeps the files it needs apart from those of the other test processes.

#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

struct Ishod {
    int kod;  // the exit code; -1 for a signal, -2 when it did not end in time
    std::string izlaz;
    std::string greske;
};

/// How the program is started besides its arguments.
struct Okolnosti {
    /// The program; empty for lastovar-cli.
    std::string program;
    /// The locale, as LC_ALL.
    std::string lokal = "C";
    /// The file standard input reads.
    std::string ulaz = "/dev/null";
    /// The file standard output writes, when not the one Ishod reads back.
    std::string standardniIzlaz;
    /// Environment variables the program does not get.
    std::vector<std::string> bez;
};

/// Whether the C library has the locale (scripts/lokali.sh generates those
/// the tests use).
bool LokalPostoji(const std::string& lokal);

/// The whole content of a file, or empty text when it cannot be read.
std::string Procitaj(const std::string& putanja);

/// A path of this process only (ctest runs the tests side by side); the
/// file is removed when the tests end.
std::string Privremena(const std::string& ime);

/// Writes the bytes to a new file of this process and gives its path.
std::string Zapisi(const std::string& ime, const std::string& bajtovi);

/// Runs the program (lastovar-cli unless `okolnosti` name another) with the arguments, with the
/// rest of the environment (the sanitizers' options among it) passed on and every signal's default
/// action, as from a shell. One that has not ended after a minute is killed.
Ishod Pokreni(const std::vector<std::string>& argumenti, const Okolnosti& okolnosti);
/// The same under the locale `lokal`.
Ishod Pokreni(const std::vector<std::string>& argumenti, const std::string& lokal = "C");

/// A call the program refuses: its arguments, the exit code and the message.
struct PogresnaKomanda {
    const char* argumenti;
    int kod;
    const char* poruka;
};
void PrintTo(const PogresnaKomanda& k, std::ostream* os);

/// The width and height in a PNG's header; {0, 0} for bytes that are no PNG.
std::pair<std::uint32_t, std::uint32_t> VelicinaPng(const std::string& png);

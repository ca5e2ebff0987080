// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs lastovar-cli as a separate process, as a user or a script would, and
// keeps the files it needs apart from those of the other test processes.

#include <string>
#include <vector>

struct Ishod {
    int kod;
    std::string izlaz;
    std::string greske;
};

/// The whole content of a file, or empty text when it cannot be read.
std::string Procitaj(const std::string& putanja);

/// A path of this process only (ctest runs the tests side by side); the
/// file is removed when the tests end.
std::string Privremena(const std::string& ime);

/// Writes the bytes to a new file of this process and gives its path.
std::string Zapisi(const std::string& ime, const std::string& bajtovi);

/// Runs lastovar-cli with the arguments under the locale `lokal`, with the
/// rest of the environment (the sanitizers' options among it) passed on.
Ishod Pokreni(const std::vector<std::string>& argumenti, const std::string& lokal = "C");

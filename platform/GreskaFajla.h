// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

/// A failure of the platform's file layer; its message names the path and the
/// reason. (EGreskaDatoteke is the data file format's, in core.)
class EGreskaFajla : public std::runtime_error {
public:
    enum class Vrsta { Otvaranje, Citanje, Pisanje };

    EGreskaFajla(Vrsta vrsta, const std::string& poruka)
        : std::runtime_error(poruka), fVrsta(vrsta) {}
    Vrsta vrsta() const { return fVrsta; }

private:
    Vrsta fVrsta;
};

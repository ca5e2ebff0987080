#pragma once

#include <stdexcept>
#include <string>

/// A failure of the file layer; its message names the path and the reason.
class EGreskaDatoteke : public std::runtime_error {
public:
    enum class Vrsta { Otvaranje, Citanje, Pisanje };

    EGreskaDatoteke(Vrsta vrsta, const std::string& poruka)
        : std::runtime_error(poruka), fVrsta(vrsta) {}
    Vrsta vrsta() const { return fVrsta; }

private:
    Vrsta fVrsta;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

/// The reason given when memory runs out while a file is made or saved.
inline constexpr const char* kNemaMemorije = "nema dovoljno memorije";

/// A failure of the platform's file layer; its message names the path and the
/// reason. (EGreskaDatoteke is the data file format's, in core.)
class EGreskaFajla : public std::runtime_error {
public:
    enum class Vrsta { Otvaranje, Citanje, Pisanje };

    /// The message is `uvod "putanja": razlog`.
    EGreskaFajla(Vrsta vrsta, const std::string& uvod, std::string putanja, std::string razlog)
        : std::runtime_error(uvod + " \"" + putanja + "\": " + razlog),
          fVrsta(vrsta),
          fPutanja(std::move(putanja)),
          fRazlog(std::move(razlog)) {}
    /// A failure whose message is given whole.
    EGreskaFajla(Vrsta vrsta, const std::string& poruka)
        : std::runtime_error(poruka), fVrsta(vrsta), fRazlog(poruka) {}

    Vrsta vrsta() const { return fVrsta; }
    /// The path as it was given: bytes, not necessarily valid text.
    const std::string& putanja() const { return fPutanja; }
    /// Why: the system's text for its error, or our own words for a refusal.
    const std::string& razlog() const { return fRazlog; }

private:
    Vrsta fVrsta;
    std::string fPutanja;
    std::string fRazlog;
};

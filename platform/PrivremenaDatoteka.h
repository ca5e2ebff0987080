// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "Deskriptor.h"

/// A new, empty file under a short random name (".lastovar-" and six
/// letters or digits) in an open folder, which a save fills and then gives
/// the target's name. Being short, the name fits beside any name the file
/// system allows. The file is removed unless it took the target's name:
/// when this ends, and when SIGTERM, SIGINT or SIGHUP ends the program
/// while it lives (signals left at their default action, which ends the
/// program; one the program ignores or handles itself is left alone).
/// One thread saves at a time.
class TPrivremenaDatoteka {
public:
    /// Throws EGreskaFajla (Vrsta::Otvaranje) naming `putanja` when no file
    /// can be made in `folder`, which must stay open while this lives.
    TPrivremenaDatoteka(int folder, const std::string& putanja);
    ~TPrivremenaDatoteka();
    TPrivremenaDatoteka(const TPrivremenaDatoteka&) = delete;
    TPrivremenaDatoteka& operator=(const TPrivremenaDatoteka&) = delete;

    int Fd() const { return fFd.Fd(); }
    /// Closes the file; false, with errno set, when the close reports an error.
    bool Zatvori();
    /// Renames the closed file to `ime` in its folder, replacing what holds
    /// that name; false, with errno set, when the rename fails.
    bool Preimenuj(const std::string& ime);

private:
    int fFolder;
    TDeskriptor fFd;
    std::string fIme;
    bool fPostoji = false;
    // Which of SIGTERM, SIGINT and SIGHUP got the removing handler.
    std::array<bool, 3> fRukovaoci{};
};

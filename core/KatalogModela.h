// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The load models on disk: the built-in ones, installed with the program,
// and the user's own in $XDG_DATA_HOME/lastovar/modeli (~/.local/share
// when it is unset), one `NAME.model` file each. A file that cannot be
// read as a model is listed as damaged with its reason, never half-read.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ModelOpterecenja.h"

inline constexpr std::string_view kNastavakModela = ".model";

/// One file of the catalog.
struct TStavkaKataloga {
    /// The file's name without ".model": what `--model` takes beside the
    /// model's name.
    std::string Oznaka;
    std::filesystem::path Putanja;
    bool Korisnicki = false;
    /// The model, or none for a damaged file.
    std::optional<TModelOpterecenja> Model;
    /// Why the file is damaged.
    std::string Greska;
};

/// The model files of `folder` in the order of their names; nothing for a
/// folder that is not there.
std::vector<TStavkaKataloga> UcitajFolder(const std::filesystem::path& folder, bool korisnicki);

/// The folder of the built-in models: beside the program installed
/// (`folderIzvrsnog`/../share/lastovar/modeli), under the install prefix,
/// or in the build tree (`folderIzvrsnog`/../assets/modeli); empty when
/// none of them is there.
std::filesystem::path FolderUgradjenih(const std::filesystem::path& folderIzvrsnog);

/// The folder of the user's models from the values of XDG_DATA_HOME and
/// HOME (none for an unset one); empty when neither gives an absolute path.
std::filesystem::path FolderKorisnika(const char* xdgDataHome, const char* home);

/// The folder this process's environment gives.
std::filesystem::path FolderKorisnika();

/// The built-in models, then the user's.
std::vector<TStavkaKataloga> Katalog(const std::filesystem::path& ugradjeni,
                                     const std::filesystem::path& korisnicki);

/// The readable model whose name or file name is `ime`, built-in first.
const TStavkaKataloga* NadjiModel(const std::vector<TStavkaKataloga>& katalog,
                                  std::string_view ime);

/// The file name a user's model of the name `naziv` is saved under: its
/// letters and digits in lower case, other runs of bytes as one '-'.
std::string OznakaModela(std::string_view naziv);

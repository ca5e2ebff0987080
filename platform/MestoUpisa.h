// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <optional>
#include <string>

#include "Deskriptor.h"

/// Where a save to a path writes: the folder, held open so that a rename
/// of it or of a folder above it cannot move the write elsewhere half way,
/// and the name in it.
struct TMestoUpisa {
    TDeskriptor folder;
    std::string ime;
    /// What the name holds now; none when it is free.
    std::optional<struct stat> postojeca;
};

/// The place of `putanja` (bytes, as the system names files), walked one
/// name at a time: symbolic links are followed as the system follows them,
/// the last one too, even to a name not taken yet, except a link the
/// kernel's protected-symlinks rule refuses to follow: one in a sticky,
/// world-writable folder (/tmp) that belongs neither to the writer nor to
/// the folder's owner, as another user plants it there. Throws
/// EGreskaFajla (Vrsta::Otvaranje) naming the path and the reason.
TMestoUpisa MestoUpisa(const std::string& putanja);

/// The reason a planted link is refused with.
inline constexpr const char* kTudjaVeza =
    "simbolicka veza u deljenom folderu pripada drugom korisniku";

/// Who owns a link, as the rule above asks it: the link's own owner. A test
/// that cannot plant a link as another user puts in its own answer; the
/// previous one is given back.
using TVlasnikVeze = uid_t (*)(const struct stat& veza);
TVlasnikVeze PostaviVlasnikaVeze(TVlasnikVeze vlasnik);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

/// Creates or replaces the file at `putanja` with exactly `bajtovi`, all or
/// nothing: the bytes go to a new file under a short name of its own in the
/// target's folder, every write is checked, the file is flushed to the disk
/// and closed, and only then does it take the target's name. On any failure
/// the file that was there stays byte for byte and nothing else is left
/// behind, nor when SIGTERM, SIGINT or SIGHUP ends the program half way.
/// The folder is held open from start to end, so a save whose folder is
/// renamed meanwhile ends in that folder under its new name.
///
/// The path is bytes, as the system names files (any byte but NUL, whatever
/// the character set); any name the file system takes fits. A symbolic link
/// is followed to the file it names, which keeps the link, unless the
/// kernel's protected-symlinks rule refuses it (MestoUpisa.h): a link
/// another user planted in a shared folder such as /tmp. A file that is
/// replaced keeps its permissions, and its owner and group where this user
/// may give them; a new one gets the permissions the umask allows. A target
/// that exists and is not a regular file (a directory, a device, a FIFO) is
/// refused and left alone, and so is one this user may not write.
///
/// Throws EGreskaFajla naming the path and the reason: Vrsta::Otvaranje
/// when the file cannot be created, Vrsta::Pisanje when a write, the flush,
/// the close or the renaming fails.
void SigurnoSnimi(const std::string& putanja, std::string_view bajtovi);

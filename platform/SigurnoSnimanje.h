// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

/// Creates or replaces the file at `putanja` with exactly `bajtovi`, all or
/// nothing: the bytes go to a new file beside the target, every write is
/// checked, the file is flushed to the disk and closed, and only then does
/// it take the target's name. On any failure the file that was there stays
/// byte for byte and nothing else is left behind.
///
/// The path is bytes, as the system names files (any byte but NUL, whatever
/// the character set). A symbolic link is followed to the file it names,
/// which keeps the link; a file that is replaced keeps its permissions, a
/// new one gets those the umask allows. A target that exists and is not a
/// regular file (a directory, a device, a FIFO) is refused and left alone,
/// and so is one this user may not write.
///
/// Throws EGreskaFajla naming the path and the reason: Vrsta::Otvaranje
/// when the file cannot be created, Vrsta::Pisanje when a write, the flush,
/// the close or the renaming fails.
void SigurnoSnimi(const std::string& putanja, std::string_view bajtovi);

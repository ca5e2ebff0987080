// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command line of lastovar, in two steps around the start of Qt, which
// takes its own options (-platform and the like) out of the arguments: before
// it, --help and --version are answered and a missing display is told in a
// line of the program's own (Qt would abort); after it, what remains names at
// most one data file to open at start.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <ostream>

/// Exit code when there is no display to show the windows on.
inline constexpr int kIzlazBezEkrana = 1;
/// Exit code of a command line that is wrong.
inline constexpr int kIzlazPogresnaUpotreba = 64;

/// An environment variable's value; null when it is not set.
using TPromenljiva = std::function<const char*(const char*)>;

/// Whether Qt can show the windows: a display of X or Wayland is named, or
/// the platform asked for (the -platform option before QT_QPA_PLATFORM)
/// needs neither, as offscreen does.
bool ImaEkrana(int argc, const char* const* argv, const TPromenljiva& promenljiva);

/// Before Qt starts: prints the help or the version, or says that there is
/// no display; the exit code then, nothing when the program goes on.
std::optional<int> PrePokretanja(int argc, const char* const* argv, const TPromenljiva& promenljiva,
                                 std::ostream& izlaz, std::ostream& greske);

/// The arguments Qt left, the program's name first.
struct TArgumenti {
    /// The data file to open at start, as an absolute path.
    std::optional<QString> datoteka;
    /// The message for a command line that is wrong; empty when it is not.
    QString greska;
};
TArgumenti ProcitajArgumente(const QStringList& argumenti);

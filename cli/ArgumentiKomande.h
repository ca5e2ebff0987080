// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

/// Reads the words of a subcommand that knows one flag and takes at most one
/// data file; "--" ends the options. On a word it does not know the message
/// is on standard error and the answer is the exit code.
std::optional<int> ProcitajArgumente(std::string_view komanda,
                                     std::span<const std::string_view> argumenti,
                                     std::string_view zastavica, bool& zastavicaData,
                                     std::optional<std::string>& putanja);

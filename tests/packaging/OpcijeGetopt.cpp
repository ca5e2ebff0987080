// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded into lastovar-cli, stands in for getopt_long: writes the long
// options a command hands it, one "NAME HAS_ARG" a line, and ends the
// program. The options as the program parses them, whatever its help says.

#include <getopt.h>
#include <unistd.h>

#include <cstdio>

extern "C" int getopt_long(int, char* const*, const char*, const option* opcije, int*) noexcept {
    for (; opcije->name; ++opcije) std::printf("%s %d\n", opcije->name, opcije->has_arg);
    std::fflush(stdout);
    _exit(0);
}

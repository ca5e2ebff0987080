// SPDX-License-Identifier: GPL-3.0-or-later
#include "PosebnaDatoteka.h"

#include <sys/stat.h>

std::string NijeObicna(mode_t mod) {
    if (S_ISREG(mod)) return {};
    const char* sta = "posebna datoteka";
    if (S_ISDIR(mod)) sta = "direktorijum";
    if (S_ISCHR(mod) || S_ISBLK(mod)) sta = "uredjaj";
    if (S_ISFIFO(mod)) sta = "imenovana cev (FIFO)";
    if (S_ISSOCK(mod)) sta = "uticnica (socket)";
    return std::string("nije obicna datoteka nego ") + sta;
}

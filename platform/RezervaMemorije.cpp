// SPDX-License-Identifier: GPL-3.0-or-later
#include "RezervaMemorije.h"

#include <sys/mman.h>

#include <new>

// Mapped and unmapped at once, untouched: it costs no pages, only asks the
// system, under its address-space limit and its commit accounting, whether
// that much could still be had. (A malloc and free the compiler could drop.)
void ProveriRezervu(std::size_t bajtova) {
    void* const rezerva =
        mmap(nullptr, bajtova, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (rezerva == MAP_FAILED) throw std::bad_alloc();
    munmap(rezerva, bajtova);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "SlikanjeNaUredjaju.h"

#include <array>
#include <new>

#include "RezervaMemorije.h"

namespace {

// Painters and devices given up, kept where they can still be reached, so
// that a leak checker does not take them for lost ones. Past the last slot
// they are only given up.
std::array<const void*, 16> gNapusteni{};
std::size_t gBrojNapustenih = 0;

void Napusti(const void* objekat) {
    if (gBrojNapustenih < gNapusteni.size()) gNapusteni[gBrojNapustenih++] = objekat;
}

}  // namespace

bool NaslikajNaUredjaj(std::unique_ptr<QPaintDevice> uredjaj,
                       const std::function<void(QPainter&)>& slikaj) {
    ProveriRezervu();
    auto slikar = std::make_unique<QPainter>();
    try {
        if (!slikar->begin(uredjaj.get())) return false;
        slikaj(*slikar);
        return slikar->end();
    } catch (const std::bad_alloc&) {
        Napusti(slikar.release());
        Napusti(uredjaj.release());
        throw;
    }
}

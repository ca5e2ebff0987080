// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <vector>

#include "CeoPut.h"

// A picture header and a data file, the whole way to the report and both
// diagram styles: nothing undefined, and nothing non-finite or unrepresentable
// in what the user would see.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view ulaz(reinterpret_cast<const char*>(data), size);
    const TSlikaPuta slika = ZaglavljePuta(ulaz);
    const std::vector<std::string> prekrsaji = Prekrsaji(ProdjiPut(ulaz, slika));
    for (std::size_t i = 0; i < prekrsaji.size() && i < 10; ++i)
        std::fprintf(stderr, "%s\n", prekrsaji[i].c_str());
    if (!prekrsaji.empty()) __builtin_trap();
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "IzvestajLastovar.h"

namespace {

// The largest report: six forces and 99 sections, the text of a typed form.
TekstoviUnosa SestSila() {
    return TekstoviUnosa{{"120", "180", "180", "150", "150", "90"},
                         "13.7",
                         {"2.5", "1.5", "4.0", "1.5", "3.0"},
                         "30.0",
                         "99"};
}

void CeoIzvestaj(benchmark::State& state) {
    const TekstoviUnosa t = SestSila();
    std::size_t linija = 0, bajtova = 0;
    for (auto _ : state) {
        IzvestajLastovar iz = SastaviIzvestaj(t, "6", 6, '.');
        linija = iz.Linije.size();
        bajtova = 0;
        for (const std::string& l : iz.Linije) bajtova += l.size() + 1;
        benchmark::DoNotOptimize(iz);
    }
    state.counters["lines"] = static_cast<double>(linija);
    state.counters["report_bytes"] = static_cast<double>(bajtova);
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(CeoIzvestaj)->Name("Report/6 forces/99 sections")->Unit(benchmark::kMicrosecond);

}  // namespace

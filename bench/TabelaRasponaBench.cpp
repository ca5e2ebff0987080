// SPDX-License-Identifier: GPL-3.0-or-later
// The span table of a six-axle model: 1,000 spans, each with both blocks
// of the governing values and the classical shortfall.
#include <benchmark/benchmark.h>

#include "TabelaRaspona.h"

namespace {

// Six axles with a distributed load in front of and behind them and a
// dynamic factor of the span: every part of the calculation is used.
const TModelOpterecenja kSestOsovina = ProcitajModel(
    "naziv=sest osovina\nsile=100 100 100 100 100 100\nrazmaci=1.5 1.5 1.5 1.5 1.5\n"
    "q=5\nq-raspored=uz-voz\nrazmak=1\nfi=linearno 1.4 -0.008 1 1.4\nfi-q=da\ngama-q=1.5\n");

void HiljaduRaspona(benchmark::State& stanje, TSmerVoza smer, double q) {
    TModelOpterecenja m = kSestOsovina;
    m.q = q;
    TProracunskaDejstva osnova;
    osnova.g = 20;
    osnova.GamaG = 1.35;
    const TOpsegRaspona opseg{5.0, 54.95, 0.05};
    for (auto _ : stanje) {
        const std::vector<TRedRaspona> t = TabelaRaspona(m, opseg, osnova, smer);
        benchmark::DoNotOptimize(t.data());
        if (t.size() != 1000) stanje.SkipWithError("nije 1000 raspona");
    }
    stanje.SetItemsProcessed(stanje.iterations() * 1000);
}

}  // namespace

BENCHMARK_CAPTURE(HiljaduRaspona, q_uz_voz, TSmerVoza::Napred, 5.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(HiljaduRaspona, q_uz_voz_oba_smera, TSmerVoza::Oba, 5.0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(HiljaduRaspona, bez_q, TSmerVoza::Napred, 0.0)->Unit(benchmark::kMillisecond);

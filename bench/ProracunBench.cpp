// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "ProracunLastovar.h"
#include "Voz.h"

namespace {

// Six forces sampled at 1701 sections, as the print drawing does.
constexpr int kPreseka = 1701;
constexpr double L = 30.0;
constexpr double P[] = {120, 180, 180, 150, 150, 90};
constexpr double Ls[] = {2.5, 1.5, 4.0, 1.5, 3.0};

template <double (*Funkcija)(std::int32_t, double, double, double, double, double, double, double,
                             double, double, double, double, double, double)>
void Preseci(benchmark::State& state) {
    for (auto _ : state) {
        double zbir = 0;
        for (int i = 0; i < kPreseka; ++i) {
            const double x = L * i / (kPreseka - 1);
            zbir += Funkcija(6, x, L, P[0], P[1], P[2], P[3], P[4], P[5], Ls[0], Ls[1], Ls[2],
                             Ls[3], Ls[4]);
        }
        benchmark::DoNotOptimize(zbir);
    }
    state.SetItemsProcessed(state.iterations() * kPreseka);
}

// The train of one load case with every force's equation quantities, as the
// report and each drawing build it once.
void Voz(benchmark::State& state) {
    const TPodaci podaci(P[0], P[1], P[2], P[3], P[4], P[5], 0.0, Ls[0], Ls[1], Ls[2], Ls[3], Ls[4],
                         L);
    for (auto _ : state) benchmark::DoNotOptimize(TVoz(podaci, 6));
}

BENCHMARK(Voz)->Name("Voz/6 forces");
BENCHMARK(Preseci<&TProracun::ExtM>)->Name("ExtM/6 forces/1701 sections");
BENCHMARK(Preseci<&TProracun::MaxT>)->Name("MaxT/6 forces/1701 sections");
BENCHMARK(Preseci<&TProracun::MinT>)->Name("MinT/6 forces/1701 sections");

}  // namespace

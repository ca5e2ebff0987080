// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "ApsolutniMaksimum.h"
#include "MerodavneVrednosti.h"
#include "PoredjenjeAnvelopa.h"
#include "ProracunIzvestaja.h"
#include "TacnaAnvelopa.h"

namespace {

// The same six forces and 1701 sections as the classical calculator's benchmark.
constexpr int kPreseka = 1701;
const TPodaci kPodaci(120, 180, 180, 150, 150, 90, 0.0, 2.5, 1.5, 4.0, 1.5, 3.0, 30.0);

double Zbir(const TTacnaAnvelopaUPreseku& a) {
    return a.ExtM.Vrednost + a.MaxT.Vrednost + a.MinT.Vrednost;
}
double Zbir(const TVrednostiAnvelope& a) { return a.ExtM + a.MaxT + a.MinT; }
double Zbir(const TProracunskiPresek& a) {
    return a.M.Vrednost + a.MaxT.Vrednost + a.MinT.Vrednost;
}

// Design actions with every part at work: q in front of and behind the
// train, which asks the most of the design envelope, g and the factors.
TProracunskaDejstva Dejstva() {
    TProracunskaDejstva d;
    d.q = 10;
    d.Raspored = TRasporedQ::IspredIIzaVoza;
    d.c = 1;
    d.g = 25;
    d.Fi = 1.25;
    d.FiNaQ = true;
    d.GamaG = 1.3;
    d.GamaQ = 1.4;
    return d;
}

// The 1701 sections, `presek(p, x)` at each, p what `pripremi()` gives once
// a sweep.
template <class Pripremi, class Presek>
void Prolaz(benchmark::State& state, Pripremi pripremi, Presek presek) {
    const double L = kPodaci.Raspon();
    for (auto _ : state) {
        const auto pripremljeno = pripremi();
        double zbir = 0;
        for (int i = 0; i < kPreseka; ++i)
            zbir += Zbir(presek(pripremljeno, L * i / (kPreseka - 1)));
        benchmark::DoNotOptimize(zbir);
    }
    state.SetItemsProcessed(state.iterations() * kPreseka);
}

// Each section on its own, the train built afresh every time.
void Preseci(benchmark::State& state, TSmerVoza smer) {
    Prolaz(
        state, [] { return 0; },
        [smer](int, double x) { return TTacnaAnvelopa::UPreseku(kPodaci, 6, x, smer); });
}

// The train and its mirror image built once for all sections, as the
// drawing samples its columns.
void PreseciJednogVoza(benchmark::State& state, TSmerVoza smer) {
    Prolaz(
        state, [] { return TTacnaAnvelopa(TVoz(kPodaci, 6)); },
        [smer](const TTacnaAnvelopa& t, double x) { return t.UPreseku(x, smer); });
}

// The values alone, in double, as the drawing samples its columns.
void VrednostiJednogVoza(benchmark::State& state, TSmerVoza smer) {
    Prolaz(
        state, [] { return TTacnaAnvelopa(TVoz(kPodaci, 6)); },
        [smer](const TTacnaAnvelopa& t, double x) { return t.Vrednosti(x, smer); });
}

// The design envelope, its values alone in double, as a drawing samples
// its columns.
void ProracunskeVrednosti(benchmark::State& state, TSmerVoza smer) {
    Prolaz(
        state, [] { return TProracunskaAnvelopa(TVoz(kPodaci, 6), Dejstva()); },
        [smer](const TProracunskaAnvelopa& a, double x) { return a.Vrednosti(x, smer); });
}

// With the critical positions and q's stretches in extended precision.
void ProracunskiPreseci(benchmark::State& state, TSmerVoza smer) {
    Prolaz(
        state, [] { return TProracunskaAnvelopa(TVoz(kPodaci, 6), Dejstva()); },
        [smer](const TProracunskaAnvelopa& a, double x) { return a.UPreseku(x, smer); });
}

// Both blocks of the governing values.
void Merodavne(benchmark::State& state) {
    const TVoz voz(kPodaci, 6);
    for (auto _ : state) benchmark::DoNotOptimize(Merodavno(voz, Dejstva(), TSmerVoza::Oba));
}

void Maksimum(benchmark::State& state) {
    const TVoz voz(kPodaci, 6);
    for (auto _ : state) benchmark::DoNotOptimize(ApsolutniMaksimum(voz, TSmerVoza::Oba));
}

// The report's largest table: 100 sections, the report's classical values
// computed and set beside the exact ones.
void Tabela(benchmark::State& state) {
    TPodaci podaci = kPodaci;
    podaci.setBrojPreseka(99);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            TPoredjenjeAnvelopa::Tabela(TProracunIzvestaja::Izracunaj(podaci, 6), TSmerVoza::Oba));
}

BENCHMARK_CAPTURE(Preseci, napred, TSmerVoza::Napred)
    ->Name("TacnaAnvelopa/6 forces/1701 sections/one way")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Preseci, oba, TSmerVoza::Oba)
    ->Name("TacnaAnvelopa/6 forces/1701 sections/both ways")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PreseciJednogVoza, napred, TSmerVoza::Napred)
    ->Name("TacnaAnvelopa/6 forces/1701 sections/one way/one train")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PreseciJednogVoza, oba, TSmerVoza::Oba)
    ->Name("TacnaAnvelopa/6 forces/1701 sections/both ways/one train")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(VrednostiJednogVoza, napred, TSmerVoza::Napred)
    ->Name("TacnaAnvelopa/6 forces/1701 sections/one way/one train/values")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(VrednostiJednogVoza, oba, TSmerVoza::Oba)
    ->Name("TacnaAnvelopa/6 forces/1701 sections/both ways/one train/values")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ProracunskeVrednosti, napred, TSmerVoza::Napred)
    ->Name("ProracunskaAnvelopa/6 forces/1701 sections/one way/q in front and behind/values")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ProracunskeVrednosti, oba, TSmerVoza::Oba)
    ->Name("ProracunskaAnvelopa/6 forces/1701 sections/both ways/q in front and behind/values")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ProracunskiPreseci, napred, TSmerVoza::Napred)
    ->Name("ProracunskaAnvelopa/6 forces/1701 sections/one way/q in front and behind")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(Merodavne)
    ->Name("MerodavneVrednosti/6 forces/both ways/q in front and behind")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(Maksimum)->Name("ApsolutniMaksimum/6 forces/both ways")->Unit(benchmark::kMicrosecond);
BENCHMARK(Tabela)
    ->Name("PoredjenjeAnvelopa/6 forces/100 sections/both ways")
    ->Unit(benchmark::kMicrosecond);

}  // namespace

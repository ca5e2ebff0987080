// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "NacrtajDijagrame.h"
#include "PlatnoSlike.h"
#include "PlatnoZapis.h"
#include "PolozajVozaDijagram.h"
#include "Zaokruzivanje.h"

namespace {

// Six forces, as the heaviest drawing has them.
TUlazDijagrama SestSila() {
    TUlazDijagrama u;
    u.brojSila = 6;
    u.tekstovi.P = {"120", "180", "180", "150", "150", "90"};
    u.tekstovi.Rastojanje = {"2.5", "1.5", "4.0", "1.5", "3.0"};
    u.tekstovi.Raspon = "30";
    return u;
}

// A4 at 300 dots per inch: the printer's page, which clips a larger picture.
constexpr int kStranaSirina = 2480;
constexpr int kStranaVisina = 3508;

void Ekran(benchmark::State& state) {
    const TUlazDijagrama ulaz = SestSila();
    TPlatnoSlike prozor(1920, 1080, FontProzoraDijagrama());
    for (auto _ : state)
        NacrtajDijagrame(prozor, 1920, 1080, kZaProgram, {prozor, 1920, 1080}, ulaz);
}

// The print command's picture for a scaling factor: the A4 paper size in
// hundredths of a millimetre divided by it.
void Stampa(benchmark::State& state) {
    const double faktor = static_cast<double>(state.range(0));
    const std::int32_t W = ZaokruziParno(21000 / faktor);
    const std::int32_t H = ZaokruziParno(29700 / (0.8 * faktor));
    const TUlazDijagrama ulaz = SestSila();
    TPlatnoSlike prozor(800, 600, FontProzoraDijagrama());
    TPlatnoSlike strana(kStranaSirina, kStranaVisina, FontProzoraDijagrama(), 300);
    for (auto _ : state) NacrtajDijagrame(strana, W, H, kZaStampac, {prozor, 800, 600}, ulaz);
    state.counters["sirina"] = W;
}

// The same drawings on the recording canvas: the calculator's and the
// drawing's share, without the rasterising.
void Zapis(benchmark::State& state) {
    const TUlazDijagrama ulaz = SestSila();
    const auto W = static_cast<std::int32_t>(state.range(0));
    const auto H = static_cast<std::int32_t>(state.range(1));
    std::size_t operacija = 0;
    for (auto _ : state) {
        TPlatnoZapis platno(FontProzoraDijagrama());
        NacrtajDijagrame(platno, W, H, kZaProgram, {platno, W, H}, ulaz);
        benchmark::DoNotOptimize(platno.Operacije().data());
        operacija = platno.Operacije().size();
    }
    // what the recording keeps: operations and their bytes
    state.counters["operacija"] = static_cast<double>(operacija);
    state.counters["bajtova"] = static_cast<double>(operacija * sizeof(TOperacija));
}

// One frame of the train's crossing in "Polozaj voza", as the window plays
// it: the train with P1 at a position, its diagrams over the envelopes.
void KadarPrelaza(benchmark::State& state) {
    const TVoz voz(6, {120, 180, 180, 150, 150, 90}, {2.5, 1.5, 4.0, 1.5, 3.0}, 30);
    TUlazPolozaja ulaz;
    ulaz.x = 12.5;
    ulaz.p1 = 7.25;
    TPlatnoSlike slika(1920, 1080, FontProzoraDijagrama());
    for (auto _ : state) NacrtajPolozajVoza(slika, 1920, 1080, voz, ulaz);
}

// The critical positions at a section, as the window opens.
void KriticniPolozaji(benchmark::State& state) {
    const TVoz voz(6, {120, 180, 180, 150, 150, 90}, {2.5, 1.5, 4.0, 1.5, 3.0}, 30);
    TUlazPolozaja ulaz;
    ulaz.x = 12.5;
    TPlatnoSlike slika(1920, 1080, FontProzoraDijagrama());
    for (auto _ : state) NacrtajPolozajVoza(slika, 1920, 1080, voz, ulaz);
}

BENCHMARK(Ekran)->Name("Screen/6 forces/1920x1080/image")->Unit(benchmark::kMillisecond);
BENCHMARK(KadarPrelaza)
    ->Name("PolozajVoza/crossing frame/6 forces/1920x1080/image")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(KriticniPolozaji)
    ->Name("PolozajVoza/critical positions/6 forces/1920x1080/image")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(Stampa)->Name("Print/6 forces/A4/factor")->Arg(10)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Zapis)
    ->Name("Screen/6 forces/recording")
    ->Args({1920, 1080})
    ->Args({21000, 37125})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    int qtArgc = 3;
    char ime[] = "bench_dijagram", opcija[] = "-platform", platforma[] = "offscreen";
    char* qtArgv[] = {ime, opcija, platforma, nullptr};
    const QGuiApplication aplikacija(qtArgc, qtArgv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}

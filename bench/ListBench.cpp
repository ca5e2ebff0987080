// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation sheet of the heaviest load case: six forces, 99 sections,
// with the comparison both ways. Its values and words, its layout, then the
// whole PDF with its fonts and vector figures.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "ListPdf.h"
#include "ListProracuna.h"
#include "SadrzajListeProracuna.h"
#include "TabeleCsv.h"

namespace {

TSadrzajListe SestSila() {
    TSadrzajListe s;
    s.Izradjeno = "10.12.2026.";
    s.BrojSila = 6;
    s.Tekstovi.P = {"120", "180", "180", "150", "150", "90"};
    s.Tekstovi.Rastojanje = {"2.5", "1.5", "4.0", "1.5", "3.0"};
    s.Tekstovi.Raspon = "30";
    s.Tekstovi.BrojPreseka = "99";
    s.Smer = TSmerVoza::Oba;
    return s;
}

TSadrzajListe PopunjenSestSila() {
    TSadrzajListe s = SestSila();
    PopuniSadrzajListe(s, true);
    return s;
}

void Vrednosti(benchmark::State& state) {
    for (auto _ : state) {
        TSadrzajListe s = SestSila();
        PopuniSadrzajListe(s, true);
        benchmark::DoNotOptimize(s.Tabele.data());
    }
}

void Sastav(benchmark::State& state) {
    const TSadrzajListe s = PopunjenSestSila();
    std::size_t strana = 0;
    for (auto _ : state) {
        const TListProracuna list = SastaviList(s);
        benchmark::DoNotOptimize(list.Strane.data());
        strana = list.Strane.size();
    }
    state.counters["strana"] = static_cast<double>(strana);
}

void Pdf(benchmark::State& state) {
    const TListProracuna list = SastaviList(PopunjenSestSila());
    std::size_t bajtova = 0;
    for (auto _ : state) {
        const QByteArray pdf = ListUPdf(list, "list.pdf");
        benchmark::DoNotOptimize(pdf.data());
        bajtova = static_cast<std::size_t>(pdf.size());
    }
    state.counters["bajtova"] = static_cast<double>(bajtova);
}

void Csv(benchmark::State& state) {
    const TSadrzajListe s = SestSila();
    for (auto _ : state) {
        const std::string csv = TabeleCsv(s.Tekstovi, 6, '.', TSmerVoza::Oba);
        benchmark::DoNotOptimize(csv.data());
    }
}

BENCHMARK(Vrednosti)
    ->Name("Sheet/6 forces/99 sections/values and words")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(Sastav)->Name("Sheet/6 forces/99 sections/composition")->Unit(benchmark::kMicrosecond);
BENCHMARK(Pdf)->Name("Sheet/6 forces/99 sections/PDF")->Unit(benchmark::kMillisecond);
BENCHMARK(Csv)->Name("Tables/6 forces/99 sections/CSV both ways")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    int qtArgc = 3;
    char ime[] = "bench_list", opcija[] = "-platform", platforma[] = "offscreen";
    char* qtArgv[] = {ime, opcija, platforma, nullptr};
    const QGuiApplication aplikacija(qtArgc, qtArgv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}

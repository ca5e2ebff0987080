// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation sheet of the heaviest load case: six forces, 99 sections,
// with the comparison both ways. Its composition alone, then the whole PDF
// with its fonts, sketch and vector diagrams.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "IzvestajLastovar.h"
#include "IzvestajTacneAnvelope.h"
#include "ListPdf.h"
#include "ListProracuna.h"
#include "TabeleCsv.h"

namespace {

TSadrzajListe SestSila() {
    TSadrzajListe s;
    s.Datum = "10.12.2026.";
    TUlazDijagrama& u = s.Dijagram;
    u.brojSila = 6;
    u.tekstovi.P = {"120", "180", "180", "150", "150", "90"};
    u.tekstovi.Rastojanje = {"2.5", "1.5", "4.0", "1.5", "3.0"};
    u.tekstovi.Raspon = "30";
    u.tekstovi.BrojPreseka = "99";
    u.tacnaAnvelopa = true;
    s.Izvestaj = SastaviIzvestaj(u.tekstovi, "6", 6, '.').Linije;
    s.TacnaAnvelopa = IzvestajTacneAnvelope(u.tekstovi, 6, '.', TSmerVoza::Oba);
    return s;
}

void Sastav(benchmark::State& state) {
    const TSadrzajListe s = SestSila();
    std::size_t strana = 0;
    for (auto _ : state) {
        const TListProracuna list = SastaviList(s);
        benchmark::DoNotOptimize(list.Strane.data());
        strana = list.Strane.size();
    }
    state.counters["strana"] = static_cast<double>(strana);
}

void Pdf(benchmark::State& state) {
    const TListProracuna list = SastaviList(SestSila());
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
        const std::string csv = TabeleCsv(s.Dijagram.tekstovi, 6, '.', TSmerVoza::Oba);
        benchmark::DoNotOptimize(csv.data());
    }
}

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

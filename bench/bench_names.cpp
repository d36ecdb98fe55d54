// Loading and saving a full name file of 1209 records.
#include "BenchSupport.h"
#include "names/Baza.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_Wczytaj(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = voxtrel::bench::WriteFullNameFile(dir.filePath("full.unzlib"));
    voxtrel::Baza table(dir.path());
    for (auto _ : state) {
        benchmark::DoNotOptimize(table.Wczytaj(path));
    }
}
BENCHMARK(BM_Wczytaj)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly();

void BM_Zapisz(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = voxtrel::bench::WriteFullNameFile(dir.filePath("full.unzlib"));
    voxtrel::Baza table(dir.path());
    table.Wczytaj(path);
    for (auto _ : state) {
        benchmark::DoNotOptimize(table.Zapisz(QString()));
    }
}
BENCHMARK(BM_Zapisz)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly();

} // namespace

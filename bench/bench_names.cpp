// Loading and saving a full name file of 1209 records.
#include "names/Baza.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString makeFullFile(const QTemporaryDir& dir) {
    QByteArray bytes(117585, '\0');
    for (int i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>('A' + i % 26);
    }
    for (int r = 0; r < 1209; ++r) {
        bytes[9872 + 88 * r + 10 + r % 40] = '\0';
    }
    const QString path = dir.filePath("full.unzlib");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

void BM_Wczytaj(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = makeFullFile(dir);
    voxtrel::Baza table(dir.path());
    for (auto _ : state) {
        benchmark::DoNotOptimize(table.Wczytaj(path));
    }
}
BENCHMARK(BM_Wczytaj)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly();

void BM_Zapisz(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = makeFullFile(dir);
    voxtrel::Baza table(dir.path());
    table.Wczytaj(path);
    for (auto _ : state) {
        benchmark::DoNotOptimize(table.Zapisz(QString()));
    }
}
BENCHMARK(BM_Zapisz)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly();

} // namespace

BENCHMARK_MAIN();

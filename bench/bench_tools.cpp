// Waiting for a program that exits at once, and zlibtool on a full name file as a process.
#include "BenchSupport.h"
#include "tools/Scn_Process.h"
#include "tools/ToolCommands.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_RunProcess_ExitsAtOnce(benchmark::State& state) {
    voxtrel::Scn_Process p;
    for (auto _ : state) {
        p.Run_Process(QStringLiteral("true"), 0);
    }
}
BENCHMARK(BM_RunProcess_ExitsAtOnce)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_ZlibTool_Compress(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = voxtrel::bench::WriteFullNameFile(dir.filePath("unnamed_1846.bin.unzlib"));
    const QString cmd = voxtrel::ToolCommands::Quote(ZLIBTOOL_PATH) + " " + voxtrel::ToolCommands::Quote(path);
    voxtrel::Scn_Process p;
    for (auto _ : state) {
        p.Run_Process(cmd, 0);
    }
}
BENCHMARK(BM_ZlibTool_Compress)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_ZlibTool_Decompress(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = voxtrel::bench::WriteFullNameFile(dir.filePath("unnamed_1846.bin.unzlib"));
    const QString q = voxtrel::ToolCommands::Quote(ZLIBTOOL_PATH);
    voxtrel::Scn_Process p;
    p.Run_Process(q + " " + voxtrel::ToolCommands::Quote(path), 0);
    const QString cmd = q + " " + voxtrel::ToolCommands::Quote(path + ".zlib") + " -d";
    for (auto _ : state) {
        p.Run_Process(cmd, 0);
    }
}
BENCHMARK(BM_ZlibTool_Decompress)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

} // namespace

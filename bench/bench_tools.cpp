// Waiting for a program that exits at once, and zlibtool on a full name file as a process.
#include "BenchSupport.h"
#include "tools/Scn_Process.h"
#include "tools/ToolCommands.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_RunProcess_ExitsAtOnce(benchmark::State& state) {
    voxtrel::Scn_Process p;
    for (auto _ : state) {
        p.Run_Process(QStringLiteral("true"), 0);
    }
}
BENCHMARK(BM_RunProcess_ExitsAtOnce)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void BM_ZlibTool_Compress(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = voxtrel::bench::WriteFullNameFile(dir.filePath("unnamed_1846.bin.unzlib"));
    const QString cmd =
        voxtrel::ToolCommands::Quote(ZLIBTOOL_PATH) + " " + voxtrel::ToolCommands::Quote(path);
    voxtrel::Scn_Process p;
    for (auto _ : state) {
        p.Run_Process(cmd, 0);
    }
}
BENCHMARK(BM_ZlibTool_Compress)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

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
BENCHMARK(BM_ZlibTool_Decompress)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// A gigabyte picked by mistake: refused before it is read.
void BM_ZlibTool_RefusesAGigabyte(benchmark::State& state) {
    QTemporaryDir dir;
    QFile f(dir.filePath("film.bin"));
    f.open(QIODevice::WriteOnly);
    f.write("a video picked by mistake");
    f.resize(qint64(1) << 30); // sparse
    f.close();
    const QString cmd = voxtrel::ToolCommands::Quote(ZLIBTOOL_PATH) + " " +
                        voxtrel::ToolCommands::Quote(f.fileName()) + " -d";
    voxtrel::Scn_Process p;
    for (auto _ : state) {
        p.Run_Process(cmd, 0);
    }
    if (p.ExitCode() != 1) {
        state.SkipWithError("the tool did not refuse the file");
    }
}
BENCHMARK(BM_ZlibTool_RefusesAGigabyte)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace

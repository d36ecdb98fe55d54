// Waiting for a program that exits at once, and zlibtool on a full name file as a process.
#include "tools/Scn_Process.h"
#include "tools/ToolCommands.h"

#include <QCoreApplication>
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
BENCHMARK(BM_RunProcess_ExitsAtOnce)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

QString writeNameFile(const QTemporaryDir& dir) {
    QByteArray bytes(117585, '\0');
    for (int r = 0; r < 1209; ++r) {
        const QByteArray name = "Name " + QByteArray::number(r * 7919 % 100000);
        bytes.replace(9872 + 88 * r, name.size(), name);
        for (int j = 58; j < 88; ++j) {
            bytes[9872 + 88 * r + j] = static_cast<char>((r * j) & 0x3F);
        }
    }
    const QString path = dir.filePath("unnamed_1846.bin.unzlib");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

void BM_ZlibTool_Compress(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = writeNameFile(dir);
    const QString cmd = voxtrel::ToolCommands::Quote(ZLIBTOOL_PATH) + " " + voxtrel::ToolCommands::Quote(path);
    voxtrel::Scn_Process p;
    for (auto _ : state) {
        p.Run_Process(cmd, 0);
    }
}
BENCHMARK(BM_ZlibTool_Compress)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_ZlibTool_Decompress(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = writeNameFile(dir);
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

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// What the journal adds to a save written in place: the file written over and synced alone,
// against the same write with the copy and the record made durable first and removed after.
// The bytes are a compressed name file's size; the folders are in TMPDIR's file system.
#include "document/InPlaceWrite.h"
#include "document/ResolvedTarget.h"
#include "document/SaveJournal.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A compressed name file is about this long.
constexpr qsizetype CompressedSize = 51510;

struct Target {
    QTemporaryDir dir;
    QByteArray old = QByteArray(CompressedSize, 'o');
    QByteArray fresh = QByteArray(CompressedSize, 'n');
    QString file = dir.filePath(QStringLiteral("unnamed_1846.bin"));

    Target() {
        qputenv("XDG_STATE_HOME", QFile::encodeName(dir.filePath(QStringLiteral("state"))));
        QFile f(file);
        f.open(QIODevice::WriteOnly);
        f.write(old);
    }
};

void BM_InPlace_WriteAlone(benchmark::State& state) {
    Target t;
    const voxtrel::TargetResolution resolved = voxtrel::TargetResolution::Resolve(t.file);
    for (auto _ : state) {
        if (!voxtrel::WriteInPlace(*resolved.Target, t.fresh).Ok()) {
            state.SkipWithError("write failed");
        }
    }
}
BENCHMARK(BM_InPlace_WriteAlone)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void BM_InPlace_WriteJournalled(benchmark::State& state) {
    Target t;
    const voxtrel::TargetResolution resolved = voxtrel::TargetResolution::Resolve(t.file);
    for (auto _ : state) {
        const voxtrel::SaveJournal::Begun begun =
            voxtrel::SaveJournal::Begin(*resolved.Target, t.old, t.fresh);
        if (!begun.Ok() || !voxtrel::WriteInPlace(*resolved.Target, t.fresh).Ok()) {
            state.SkipWithError("journalled write failed");
        }
        voxtrel::SaveJournal::Finish(begun.Id);
    }
}
BENCHMARK(BM_InPlace_WriteJournalled)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace

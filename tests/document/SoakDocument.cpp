// A soak: CYCLES open, rename, save cycles through the document core in one process, with
// the real tool. Every saved file is decompressed and checked byte for byte. With
// --check-memory the resident memory may grow by at most 1 MiB after the first 50 cycles.
//
//     soak_document CYCLES [--check-memory]
#include "NameFiles.h"
#include "TestFiles.h"
#include "document/NameDocument.h"
#include "zlibtool/ZlibCodec.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

using namespace voxtrel;

namespace {

qint64 residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').front().toLongLong();
        }
    }
    return -1;
}

QByteArray decompressed(const QString& path) {
    const QByteArray packed = test::ReadBytes(path);
    const ZlibCodec::Coded out = ZlibCodec::decompress(
        reinterpret_cast<const std::uint8_t*>(packed.constData()), size_t(packed.size()));
    if (!out.Ok()) {
        return {};
    }
    return QByteArray(reinterpret_cast<const char*>(out.Bytes.data()), qsizetype(out.Bytes.size()));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int cycles = argc > 1 ? QByteArray(argv[1]).toInt() : 100;
    const bool checkMemory = argc > 2 && QByteArray(argv[2]) == "--check-memory";
    test::AppFolder folder;
    const QString chosen = folder.userFile(QStringLiteral("unnamed_1846.bin"));
    QByteArray expected = test::NameImage(1209);
    if (!test::WriteCompressed(chosen, expected)) {
        std::fprintf(stderr, "cannot write the first file\n");
        return 1;
    }
    NameDocument document(folder.appPath(), folder.workFolder());
    qint64 after50 = -1;
    for (int cycle = 0; cycle < cycles; ++cycle) {
        const OpenResult opened = document.Open(chosen);
        if (!opened.Ok()) {
            std::fprintf(stderr, "cycle %d: open failed: %s\n", cycle, qPrintable(opened.Reason));
            return 1;
        }
        const int record = (cycle * 37) % 1209;
        const QByteArray name = "Soak " + QByteArray::number(cycle);
        document.Rename(record, QString::fromLatin1(name));
        expected = test::WithName(expected, record, name);
        const SaveResult saved = document.Save();
        if (!saved.Ok()) {
            std::fprintf(stderr, "cycle %d: save failed: %s\n", cycle, qPrintable(saved.Reason));
            return 1;
        }
        document.ClearWorkFolder();
        if (decompressed(chosen) != expected) {
            std::fprintf(stderr, "cycle %d: the saved file differs from the expected bytes\n",
                         cycle);
            return 1;
        }
        if (cycle == 49) {
            after50 = residentKiB();
        }
    }
    const qint64 end = residentKiB();
    std::printf("%d cycles, every saved file checked; resident memory %lld KiB after 50 cycles, "
                "%lld KiB at the end "
                "(%+lld KiB)\n",
                cycles, static_cast<long long>(after50), static_cast<long long>(end),
                static_cast<long long>(end - after50));
    if (checkMemory && after50 >= 0 && end - after50 > 1024) {
        std::fprintf(stderr, "resident memory grew by more than 1 MiB after the first 50 cycles\n");
        return 1;
    }
    return 0;
}

#include "BenchSupport.h"

#include <QApplication>
#include <QFile>
#include <benchmark/benchmark.h>

namespace voxtrel::bench {

QString WriteFullNameFile(const QString& path) {
    QByteArray bytes(117585, '\0');
    for (int r = 0; r < 1209; ++r) {
        const QByteArray name = "Name " + QByteArray::number(r * 7919 % 100000);
        bytes.replace(9872 + 88 * r, name.size(), name);
        for (int j = 58; j < 88; ++j) {
            bytes[9872 + 88 * r + j] = static_cast<char>((r * j) & 0x3F);
        }
    }
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) {
        f.write(bytes);
    }
    return path;
}

} // namespace voxtrel::bench

// Every benchmark runs inside a Qt application on the offscreen platform.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Writes the application folder's generated files: the two button sounds, the desktop icon,
// and a sample name file of 1209 invented names. Everything here is made by this program.
#include "app/Artwork.h"
#include "zlibtool/ZlibCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QtEndian>
#include <cmath>
#include <cstdio>
#include <random>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A 16-bit mono PCM WAV file.
QByteArray wav(const std::vector<qint16>& samples, int rate) {
    QByteArray out;
    auto u32 = [&](quint32 v) {
        out.append(reinterpret_cast<const char*>(&(v = qToLittleEndian(v))), 4);
    };
    auto u16 = [&](quint16 v) {
        out.append(reinterpret_cast<const char*>(&(v = qToLittleEndian(v))), 2);
    };
    const quint32 dataBytes = quint32(samples.size() * 2);
    out.append("RIFF");
    u32(36 + dataBytes);
    out.append("WAVEfmt ");
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(quint32(rate));
    u32(quint32(rate * 2));
    u16(2);
    u16(16);
    out.append("data");
    u32(dataBytes);
    for (qint16 s : samples) {
        u16(quint16(s));
    }
    return out;
}

// A short tone with a fast attack and an exponential decay.
std::vector<qint16> tone(double freq, double seconds, double decay, double noise, unsigned seed) {
    const int rate = 22050;
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> n(-1.0, 1.0);
    std::vector<qint16> s(size_t(rate * seconds));
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / rate;
        const double env = std::min(1.0, t * 2000.0) * std::exp(-t * decay);
        const double v = (std::sin(2 * M_PI * freq * t) * (1 - noise) + n(rng) * noise) * env;
        s[i] = qint16(std::lround(v * 12000));
    }
    return s;
}

// Invented names from syllables: no real person is meant.
QByteArray inventedName(std::mt19937& rng, int index) {
    static const char* first[] = {"Ar",   "Bel", "Cor", "Dav", "El",  "Fen", "Gar", "Hal",
                                  "Ist",  "Jor", "Kel", "Lor", "Mar", "Nel", "Or",  "Per",
                                  "Quin", "Ros", "Sal", "Tor", "Ul",  "Var", "Wen", "Zan"};
    static const char* mid[] = {"a", "e", "i", "o", "u", "ia", "eo", "an", "en", "ar"};
    static const char* last[] = {"vik", "dor", "mund", "tal",  "rin", "bek",
                                 "sen", "lo",  "mar",  "gard", "nez", "ov"};
    auto pick = [&](auto& arr) { return arr[rng() % (sizeof arr / sizeof arr[0])]; };
    QByteArray name = QByteArray(pick(first)) + pick(mid) + pick(last);
    if (index % 3 != 0) {
        QByteArray surname = QByteArray(pick(first)) + pick(mid) + pick(last) + pick(last);
        name = name + ' ' + surname;
    }
    if (index % 97 == 5) {
        name += " \xC9mile"; // a few names with letters beyond ASCII
    }
    return name.left(58);
}

QByteArray sampleNameFile() {
    std::mt19937 rng(1846);
    QByteArray image(117585, '\0');
    for (int i = 0; i < 9872; ++i) {
        image[i] = char(rng() & 0xFF);
    }
    for (int r = 0; r < 1209; ++r) {
        const QByteArray name = inventedName(rng, r);
        const int at = 9872 + 88 * r;
        image.replace(at, name.size(), name);
        for (int j = 58; j < 88; ++j) {
            image[at + j] = char(rng() % 64);
        }
    }
    for (int i = 116264; i < 117585; ++i) {
        image[i] = char(rng() & 0xFF);
    }
    return image;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_assets APP_FOLDER SAMPLE_ORIGINAL\n");
        return 2;
    }
    const QString original = QString::fromLocal8Bit(argv[2]);
    const QDir appDir(QString::fromLocal8Bit(argv[1]));
    appDir.mkpath(QStringLiteral("resources"));
    appDir.mkpath(QStringLiteral("samples"));

    bool ok = writeFile(appDir.filePath(QStringLiteral("resources/click.wav")),
                        wav(tone(1800, 0.05, 90, 0.35, 1), 22050));
    ok = ok && writeFile(appDir.filePath(QStringLiteral("resources/over.wav")),
                         wav(tone(900, 0.08, 60, 0.05, 2), 22050));
    ok = ok && voxtrel::Artwork::AppIcon(128).save(
                   appDir.filePath(QStringLiteral("resources/voxtrel-editor.png")));

    const QByteArray plain = sampleNameFile();
    std::vector<std::uint8_t> packed;
    const voxtrel::ZlibCodec::Coded coded = voxtrel::ZlibCodec::compress(
        reinterpret_cast<const std::uint8_t*>(plain.constData()), size_t(plain.size()));
    ok = ok && coded.Ok();
    packed = coded.Bytes;
    // The original, which installs and packages take, and a read-only copy in the application
    // folder, so that trying the editor on it cannot change it by accident.
    const QString sample = appDir.filePath(QStringLiteral("samples/unnamed_1846.bin"));
    const QByteArray bytes(reinterpret_cast<const char*>(packed.data()), qsizetype(packed.size()));
    QDir().mkpath(QFileInfo(original).absolutePath());
    QFile::remove(sample);
    ok = ok && writeFile(original, bytes) && writeFile(sample, bytes) &&
         QFile::setPermissions(sample, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    if (!ok) {
        std::fprintf(stderr, "make_assets: could not write the application folder's files\n");
        return 1;
    }
    return 0;
}

// The zlibtool program as the editor runs it: its outputs, its failures, and its agreement
// with an independent zlib implementation (Python's).
#include "PosixTestPlatform.h"
#include "TestFiles.h"
#include "zlibtool/ZlibCodec.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace voxtrel {
namespace {

using test::MeasuredRun;
using test::ReadBytes;
using test::RunMeasured;

void writeFile(const QString& path, const QByteArray& bytes) {
    ASSERT_TRUE(test::WriteBytes(path, bytes));
}

struct ToolRun {
    int exitCode = -1;
    QString stderrText;
};

ToolRun runTool(const QStringList& args) {
    QProcess p;
    p.start(ZLIBTOOL_PATH, args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardError())};
}

QByteArray sample(int size) {
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i) {
        b[i] = static_cast<char>(i % 97 < 50 ? 'a' + i % 26 : (i * 2654435761u) >> 24);
    }
    return b;
}

QByteArray compressed(const QByteArray& plain) {
    const ZlibCodec::Coded out =
        ZlibCodec::compress(reinterpret_cast<const std::uint8_t*>(plain.constData()), plain.size());
    return QByteArray(reinterpret_cast<const char*>(out.Bytes.data()),
                      static_cast<qsizetype>(out.Bytes.size()));
}

// The tool failed as it must: exit 1, one line saying why, and the output name as it was:
// absent, or holding what it held before (a file this run did not make).
void expectCleanFailure(const QTemporaryDir& dir, const ToolRun& run, const QString& output,
                        const QStringList& filesBefore, const QByteArray& outputBefore = {}) {
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.stderrText.startsWith("zlibtool: ")) << run.stderrText.toStdString();
    EXPECT_EQ(run.stderrText.count('\n'), 1) << run.stderrText.toStdString();
    if (outputBefore.isNull()) {
        EXPECT_FALSE(QFile::exists(output)) << output.toStdString();
    } else {
        EXPECT_EQ(ReadBytes(output), outputBefore) << output.toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), filesBefore);
}

TEST(ZlibTool, CompressAndDecompressNameFile) {
    QTemporaryDir dir;
    const QString in = dir.filePath("unnamed_1846.bin.unzlib");
    const QByteArray plain = sample(117585);
    writeFile(in, plain);
    ASSERT_EQ(runTool({in}).exitCode, 0);
    const QByteArray z = ReadBytes(in + ".zlib");
    ASSERT_GE(z.size(), 2);
    EXPECT_EQ(static_cast<quint8>(z[0]), 0x78);
    EXPECT_EQ(static_cast<quint8>(z[1]), 0xDA); // best compression

    ASSERT_EQ(runTool({in + ".zlib", "-d"}).exitCode, 0);
    EXPECT_TRUE(ReadBytes(in + ".zlib.unzlib") == plain);
}

TEST(ZlibTool, BytesAfterTheStreamAreIgnored) {
    QTemporaryDir dir;
    const QString in = dir.filePath("f");
    writeFile(in, compressed("hello names") + QByteArray("trailing garbage"));
    ASSERT_EQ(runTool({in, "-d"}).exitCode, 0);
    EXPECT_EQ(ReadBytes(in + ".unzlib"), QByteArray("hello names"));
}

TEST(ZlibTool, EmptyInputCompresses) {
    QTemporaryDir dir;
    const QString in = dir.filePath("empty");
    writeFile(in, QByteArray());
    ASSERT_EQ(runTool({in}).exitCode, 0);
    ASSERT_EQ(runTool({in + ".zlib", "-d"}).exitCode, 0);
    EXPECT_TRUE(QFile::exists(in + ".zlib.unzlib"));
    EXPECT_EQ(ReadBytes(in + ".zlib.unzlib"), QByteArray());
}

TEST(ZlibTool, BadInputsFailCleanly) {
    const QByteArray good = compressed(sample(5000));
    QByteArray badChecksum = good;
    badChecksum[badChecksum.size() - 1] = static_cast<char>(badChecksum.back() ^ 0x55);
    struct Case {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"not zlib", QByteArray("this is plainly not a zlib stream")},
        {"truncated", good.left(good.size() / 2)},
        {"missing checksum", good.left(good.size() - 2)},
        {"bad checksum", badChecksum},
        {"bomb", compressed(QByteArray(64 * 1024 * 1024 + 1, '\0'))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString in = dir.filePath("in.bin");
        writeFile(in, c.bytes);
        // A file under the output name that this run did not make stays byte for byte.
        writeFile(in + ".unzlib", "precious");
        expectCleanFailure(dir, runTool({in, "-d"}), in + ".unzlib", {"in.bin", "in.bin.unzlib"},
                           "precious");
    }
}

TEST(ZlibTool, UnreadableInputFails) {
    QTemporaryDir dir;
    expectCleanFailure(dir, runTool({dir.filePath("missing"), "-d"}),
                       dir.filePath("missing.unzlib"), {});
    expectCleanFailure(dir, runTool({dir.filePath("missing")}), dir.filePath("missing.zlib"), {});
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    expectCleanFailure(dir, runTool({dir.filePath("folder")}), dir.filePath("folder.zlib"), {});
    // A missing input beside outputs of an earlier run leaves them as they are.
    writeFile(dir.filePath("gone.unzlib"), "precious");
    writeFile(dir.filePath("gone.zlib"), "kept too");
    const QStringList both = {"gone.unzlib", "gone.zlib"};
    expectCleanFailure(dir, runTool({dir.filePath("gone"), "-d"}), dir.filePath("gone.unzlib"),
                       both, "precious");
    expectCleanFailure(dir, runTool({dir.filePath("gone")}), dir.filePath("gone.zlib"), both,
                       "kept too");
}

TEST(ZlibTool, HelpVersionAndUsageErrors) {
    QProcess help;
    help.start(ZLIBTOOL_PATH, {"--help"});
    ASSERT_TRUE(help.waitForFinished(10000));
    EXPECT_EQ(help.exitCode(), 0);
    EXPECT_TRUE(help.readAllStandardOutput().startsWith("usage: zlibtool INPUT [-d]"));
    EXPECT_EQ(runTool({"--version"}).exitCode, 0);
    EXPECT_EQ(runTool({}).exitCode, 2);
    EXPECT_EQ(runTool({"--bogus"}).exitCode, 2);
    EXPECT_EQ(runTool({"x", "-x"}).exitCode, 2);
}

TEST(ZlibTool, OutputFolderThatCannotBeWrittenFails) {
    // Only folders this test made change their permissions: the temporary folder's own
    // parent is never touched.
    QTemporaryDir root;
    const QString folder = root.filePath("locked");
    ASSERT_TRUE(QDir(root.path()).mkdir("locked"));
    const QString in = folder + "/in.bin";
    writeFile(in, sample(1000));
    const auto readExec = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                          QFile::ReadOther | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(root.path(), readExec | QFile::WriteOwner));
    ASSERT_TRUE(QFile::setPermissions(in, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    ASSERT_TRUE(QFile::setPermissions(folder, readExec));
    // Folder permissions bind everybody but root: a root test runs the tool unprivileged.
    const MeasuredRun run = RunMeasured(ZLIBTOOL_PATH, {in}, true);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.output.startsWith("zlibtool: cannot write")) << run.output.toStdString();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"in.bin"});
}

// A file of size bytes that holds nothing but a line of text at its start: sparse, so a
// gigabyte of it costs no disk.
QString sparseFile(const QTemporaryDir& dir, const QString& name, qint64 size) {
    QFile f(dir.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("a video picked by mistake");
    EXPECT_TRUE(f.resize(size));
    return f.fileName();
}

TEST(ZlibTool, HostileInputsStayBoundedInMemory) {
    constexpr qint64 MiB = 1024 * 1024;
    QTemporaryDir dir;
    // At most 32 MiB of peak resident memory; a sanitizer build starts far higher, so there
    // the bound is what a tiny file takes plus 16 MiB.
    writeFile(dir.filePath("tiny"), compressed("tiny"));
    const qint64 baseline = RunMeasured(ZLIBTOOL_PATH, {dir.filePath("tiny"), "-d"}).peakKiB;
    QFile::remove(dir.filePath("tiny"));
    QFile::remove(dir.filePath("tiny.unzlib"));
    const qint64 Bound = std::max<qint64>(32 * 1024, baseline + 16 * 1024);
    const struct {
        const char* what;
        QString input;
        QStringList args;
        const char* says;
    } cases[] = {
        {"1 GiB that is not zlib",
         sparseFile(dir, "film.bin", 1024 * MiB),
         {"-d"},
         "larger than 64 MiB, the tool's input limit"},
        {"100 MiB to compress",
         sparseFile(dir, "big.bin", 100 * MiB),
         {},
         "larger than 64 MiB, the tool's input limit"},
        {"50 MiB that is not zlib",
         sparseFile(dir, "half.bin", 50 * MiB),
         {"-d"},
         "not valid zlib data (no zlib header)"},
        {"a bomb past 64 MiB",
         dir.filePath("bomb.bin"),
         {"-d"},
         "decompressed data is larger than 64 MiB"},
    };
    writeFile(dir.filePath("bomb.bin"), compressed(QByteArray(64 * MiB + 1, '\0')));
    const QStringList before = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const MeasuredRun run = RunMeasured(ZLIBTOOL_PATH, QStringList{c.input} + c.args);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.output.contains(c.says)) << run.output.toStdString();
        EXPECT_GT(run.peakKiB, 0);
        EXPECT_LE(run.peakKiB, Bound);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  before); // no output, no temporary file
    }
    // Folders and other files that are not plain files are refused before they are opened.
    expectCleanFailure(dir, runTool({"/dev/zero", "-d"}), "/dev/zero.unzlib", before);
}

TEST(ZlibTool, AnyOutputNameTheFileSystemAllowsWorks) {
    QTemporaryDir dir;
    const QByteArray plain = sample(117585);
    for (const int length : {240, 250, 255}) {
        SCOPED_TRACE(length);
        const QString packedIn = dir.filePath(QString(length - 5, 'c'));   // + ".zlib"
        const QString unpackedIn = dir.filePath(QString(length - 7, 'd')); // + ".unzlib"
        writeFile(packedIn, plain);
        writeFile(unpackedIn, compressed(plain));
        ASSERT_EQ(runTool({packedIn}).exitCode, 0);
        ASSERT_EQ(runTool({unpackedIn, "-d"}).exitCode, 0);
        EXPECT_EQ(ReadBytes(unpackedIn + ".unzlib"), plain);
        EXPECT_EQ(QFileInfo(packedIn + ".zlib").fileName().size(), length);
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
    }
    // An output name longer than a name can be is a clear error, with nothing left behind.
    const QString in = dir.filePath(QString(251, 'x'));
    writeFile(in, plain);
    const ToolRun run = runTool({in});
    expectCleanFailure(dir, run, in + ".zlib", {QString(251, 'x')});
    EXPECT_TRUE(run.stderrText.contains("its name would be longer than 255 bytes"))
        << run.stderrText.toStdString();
}

// Python's zlib module reads what zlibtool writes, and zlibtool reads what Python writes.
TEST(ZlibTool, AgreesWithPythonZlib) {
    const QString python = QStandardPaths::findExecutable("python3");
    ASSERT_FALSE(python.isEmpty());
    QTemporaryDir dir;
    const QString in = dir.filePath("names.unzlib");
    const QByteArray plain = sample(117585);
    writeFile(in, plain);

    ASSERT_EQ(runTool({in}).exitCode, 0);
    QProcess py;
    py.start(python, {"-c",
                      "import sys, zlib\n"
                      "data = zlib.decompress(open(sys.argv[1], 'rb').read())\n"
                      "open(sys.argv[2], 'wb').write(data)\n"
                      "open(sys.argv[3], 'wb').write(zlib.compress(data, 6))\n",
                      in + ".zlib", dir.filePath("by_python.unzlib"), dir.filePath("python.zlib")});
    ASSERT_TRUE(py.waitForFinished(60000));
    ASSERT_EQ(py.exitCode(), 0) << py.readAllStandardError().toStdString();
    EXPECT_TRUE(ReadBytes(dir.filePath("by_python.unzlib")) == plain);

    ASSERT_EQ(runTool({dir.filePath("python.zlib"), "-d"}).exitCode, 0);
    EXPECT_TRUE(ReadBytes(dir.filePath("python.zlib.unzlib")) == plain);
}

} // namespace
} // namespace voxtrel

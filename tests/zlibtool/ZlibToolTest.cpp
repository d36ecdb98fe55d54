// The zlibtool program as the editor runs it: its outputs, its failures, and its agreement
// with an independent zlib implementation (Python's).
#include "TestFiles.h"
#include "zlibtool/ZlibCodec.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace voxtrel {
namespace {

using test::ReadBytes;

void writeFile(const QString& path, const QByteArray& bytes) { ASSERT_TRUE(test::WriteBytes(path, bytes)); }

struct ToolRun {
    int exitCode = -1;
    QString stderrText;
};

ToolRun runTool(const QStringList& args, const QStringList& prefix = {}) {
    QProcess p;
    if (prefix.isEmpty()) {
        p.start(ZLIBTOOL_PATH, args);
    } else {
        p.start(prefix.front(), prefix.mid(1) + QStringList{ZLIBTOOL_PATH} + args);
    }
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
    std::vector<std::uint8_t> out;
    std::string error;
    ZlibCodec::compress(reinterpret_cast<const std::uint8_t*>(plain.constData()), plain.size(), out, error);
    return QByteArray(reinterpret_cast<const char*>(out.data()), static_cast<qsizetype>(out.size()));
}

// The tool failed as it must: non-zero exit, one line saying why, and no output file.
void expectCleanFailure(const QTemporaryDir& dir, const ToolRun& run, const QString& output,
                        const QStringList& filesBefore) {
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.stderrText.startsWith("zlibtool: ")) << run.stderrText.toStdString();
    EXPECT_EQ(run.stderrText.count('\n'), 1) << run.stderrText.toStdString();
    EXPECT_FALSE(QFile::exists(output)) << output.toStdString();
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
        // A stale output of an earlier run must not survive a failed run either.
        writeFile(in + ".unzlib", "stale");
        expectCleanFailure(dir, runTool({in, "-d"}), in + ".unzlib", {"in.bin"});
    }
}

TEST(ZlibTool, UnreadableInputFails) {
    QTemporaryDir dir;
    expectCleanFailure(dir, runTool({dir.filePath("missing"), "-d"}), dir.filePath("missing.unzlib"), {});
    expectCleanFailure(dir, runTool({dir.filePath("missing")}), dir.filePath("missing.zlib"), {});
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    expectCleanFailure(dir, runTool({dir.filePath("folder")}), dir.filePath("folder.zlib"), {});
    EXPECT_NE(runTool({}).exitCode, 0);
    EXPECT_NE(runTool({dir.filePath("x"), "-x"}).exitCode, 0);
}

TEST(ZlibTool, OutputFolderThatCannotBeWrittenFails) {
    QTemporaryDir dir;
    const QString in = dir.filePath("in.bin");
    writeFile(in, sample(1000));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                          QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
    QStringList prefix;
    if (::geteuid() == 0) {
        // Folder permissions bind everybody but root: run the tool as the unprivileged user.
        const QString setpriv = QStandardPaths::findExecutable("setpriv");
        if (setpriv.isEmpty()) {
            GTEST_SKIP() << "setpriv is needed to drop root";
        }
        prefix = {setpriv, "--reuid=65534", "--regid=65534", "--clear-groups"};
        QFile::setPermissions(QFileInfo(dir.path()).path(), QFileInfo(QFileInfo(dir.path()).path()).permissions() | QFile::ExeOther);
    }
    const ToolRun run = runTool({in}, prefix);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    expectCleanFailure(dir, run, in + ".zlib", {"in.bin"});
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

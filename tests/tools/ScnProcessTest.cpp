// Running programs and waiting for them while events keep flowing.
#include "tools/Scn_Process.h"
#include "tools/ToolCommands.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace voxtrel {
namespace {

TEST(ScnProcess, WindowKeepsHandlingEventsDuringALongRun) {
    int ticks = 0;
    qint64 longestGap = 0;
    QElapsedTimer sinceTick;
    sinceTick.start();
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, sinceTick.restart());
        ++ticks;
    });
    timer.start();
    sinceTick.restart();

    QElapsedTimer clock;
    clock.start();
    Scn_Process p;
    p.Run_Process(QStringLiteral("sleep 2"), 0);
    const qint64 elapsed = clock.elapsed();

    EXPECT_TRUE(p.Started());
    EXPECT_EQ(p.ExitCode(), 0);
    EXPECT_GE(elapsed, 1900);
    EXPECT_LT(elapsed, 4000);
    EXPECT_GT(ticks, 100); // about 200 ticks of 10 ms in two seconds
    EXPECT_LT(longestGap, 100);
}

TEST(ScnProcess, MissingProgramReturnsAtOnce) {
    QElapsedTimer clock;
    clock.start();
    Scn_Process p;
    p.Run_Process(QStringLiteral("\"/nonexistent folder/program\" \"arg\""), 0);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_FALSE(p.Started());
    EXPECT_FALSE(p.StartError().isEmpty());

    p.Run_Process(QString(), 0);
    EXPECT_FALSE(p.Started());
}

TEST(ScnProcess, ReportsExitCodeAndErrorOutput) {
    Scn_Process p;
    p.Run_Process(QStringLiteral("sh -c \"echo complaint >&2; exit 3\""), 0);
    EXPECT_TRUE(p.Started());
    EXPECT_EQ(p.ExitCode(), 3);
    EXPECT_EQ(p.ErrorOutput(), QStringLiteral("complaint"));

    // The state of one run does not leak into the next.
    p.Run_Process(QStringLiteral("true"), 0);
    EXPECT_EQ(p.ExitCode(), 0);
    EXPECT_TRUE(p.ErrorOutput().isEmpty());
}

// A real zlibtool in an application folder whose path has spaces and non-ASCII letters,
// on a file whose name has a double quote.
TEST(ScnProcess, ZlibToolRoundTrip) {
    QTemporaryDir root;
    const QString appPath = root.filePath(QString::fromUtf8("app folder Łódź")) + QDir::separator();
    ASSERT_TRUE(QDir().mkpath(ToolCommands::ToolWorkFolder(appPath)));
    ASSERT_TRUE(QFile::copy(ZLIBTOOL_PATH, ToolCommands::ToolPath(appPath)));

    const QString name = QString::fromUtf8("unnamed \"1846\" é.bin");
    QByteArray original;
    for (int i = 0; i < 117585; ++i) {
        original.append(static_cast<char>((qint64(i) * i) % 251));
    }
    const QString plain = ToolCommands::ToolWorkFolder(appPath) + QStringLiteral("plain.unzlib");
    {
        QFile f(plain);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(original);
    }

    Scn_Process p;
    p.Run_Process(ToolCommands::CompressCommand(appPath, plain), 0);
    ASSERT_TRUE(p.Started()) << p.StartError().toStdString();
    ASSERT_EQ(p.ExitCode(), 0) << p.ErrorOutput().toStdString();
    const QString compressed = ToolCommands::CompressOutput(plain);
    ASSERT_TRUE(QFile::exists(compressed));

    // The compressed file becomes the "chosen" file under an awkward bare name.
    ASSERT_TRUE(QFile::rename(compressed, ToolCommands::ToolWorkFolder(appPath) + name));
    p.Run_Process(ToolCommands::DecompressCommand(appPath, name), 0);
    ASSERT_EQ(p.ExitCode(), 0) << p.ErrorOutput().toStdString();
    QFile back(ToolCommands::DecompressOutput(appPath, name));
    ASSERT_TRUE(back.open(QIODevice::ReadOnly));
    EXPECT_TRUE(back.readAll() == original);
}

} // namespace
} // namespace voxtrel

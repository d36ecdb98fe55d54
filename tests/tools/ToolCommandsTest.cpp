// The command lines: that the tool runs from them where the editor keeps it, and that they
// split back into the intended arguments.
#include "tools/ToolCommands.h"
#include "tools/Scn_Process.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace voxtrel {
namespace {

const QString S = QDir::separator();

// An editor's folder as it is installed: the tool in zlib/, its work in zlib/temp/. The
// commands must find both there, and name the files the real tool writes.
TEST(ToolCommands, CommandsFindTheToolAndItsFilesWhereTheEditorKeepsThem) {
    QTemporaryDir root;
    const QString app = root.path() + "/editor/";
    ASSERT_TRUE(QDir().mkpath(app + "zlib/temp"));
    ASSERT_TRUE(QFile::copy(ZLIBTOOL_PATH, app + "zlib/zlibtool"));
    const QByteArray names(4000, 'n');
    {
        QFile plain(app + "zlib/temp/names.unzlib");
        ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
        ASSERT_EQ(plain.write(names), names.size());
    }
    Scn_Process p;
    p.Run_Process(ToolCommands::CompressCommand(app, app + "zlib/temp/names.unzlib"), 0);
    ASSERT_TRUE(p.Started()) << p.StartError().toStdString();
    ASSERT_EQ(p.ExitCode(), 0) << p.ErrorOutput().toStdString();
    ASSERT_TRUE(QFile::rename(app + "zlib/temp/names.unzlib.zlib", app + "zlib/temp/chosen.bin"));

    p.Run_Process(ToolCommands::DecompressCommand(app, "chosen.bin"), 0);
    ASSERT_EQ(p.ExitCode(), 0) << p.ErrorOutput().toStdString();
    QFile back(app + "zlib/temp/chosen.bin.unzlib");
    ASSERT_TRUE(back.open(QIODevice::ReadOnly));
    EXPECT_EQ(back.readAll(), names);
}

TEST(ToolCommands, AwkwardNamesStayOneArgument) {
    const QString app = S + "home" + S + QString::fromUtf8("Jörg Müller") + S + "editor" + S;
    const QStringList names = {
        "with space.bin",
        QString::fromUtf8("ąęłńóśźż ÀÉÎ.bin"),
        "quote\"inside.bin",
        "\" -d \"evil",
        "\"\"\"",
        "ends with quote\"",
    };
    for (const QString& name : names) {
        const QStringList args = QProcess::splitCommand(ToolCommands::DecompressCommand(app, name));
        ASSERT_EQ(args.size(), 3) << name.toStdString();
        EXPECT_EQ(args[0], ToolCommands::ToolPath(app));
        EXPECT_EQ(args[1], ToolCommands::ToolWorkFolder(app) + name);
        EXPECT_EQ(args[2], "-d");

        const QString path = ToolCommands::DecompressOutput(app, name);
        const QStringList cargs = QProcess::splitCommand(ToolCommands::CompressCommand(app, path));
        ASSERT_EQ(cargs.size(), 2) << name.toStdString();
        EXPECT_EQ(cargs[1], path);
    }
    EXPECT_EQ(ToolCommands::Quote("a\"b"), "\"a\"\"\"b\"");
}

} // namespace
} // namespace voxtrel

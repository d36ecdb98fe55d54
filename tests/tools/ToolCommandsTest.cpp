// The exact command lines, and that they split back into the intended arguments.
#include "tools/ToolCommands.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>

namespace voxtrel {
namespace {

const QString S = QDir::separator();

TEST(ToolCommands, ExactStrings) {
    const QString app = S + "opt" + S + "editor" + S;
    EXPECT_EQ(ToolCommands::ToolPath(app), app + "zlib" + S + "zlibtool");
    EXPECT_EQ(ToolCommands::ToolWorkFolder(app), app + "zlib" + S + "temp" + S);
    EXPECT_EQ(ToolCommands::DecompressCommand(app, "unnamed_1846.bin"),
              "\"" + app + "zlib" + S + "zlibtool\" \"" + app + "zlib" + S + "temp" + S +
                  "unnamed_1846.bin\" -d");
    EXPECT_EQ(ToolCommands::DecompressOutput(app, "unnamed_1846.bin"),
              app + "zlib" + S + "temp" + S + "unnamed_1846.bin.unzlib");
    const QString path = ToolCommands::DecompressOutput(app, "unnamed_1846.bin");
    EXPECT_EQ(ToolCommands::CompressCommand(app, path),
              "\"" + app + "zlib" + S + "zlibtool\" \"" + path + "\"");
    EXPECT_EQ(ToolCommands::CompressOutput(path), path + ".zlib");
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

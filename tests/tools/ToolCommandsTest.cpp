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
    EXPECT_EQ(ToolCommands::Tool_Path(app), app + "zlib" + S + "zlibtool");
    EXPECT_EQ(ToolCommands::Work_Folder(app), app + "zlib" + S + "temp" + S);
    EXPECT_EQ(ToolCommands::Decompress_Command(app, "unnamed_1846.bin"),
              "\"" + app + "zlib" + S + "zlibtool\" \"" + app + "zlib" + S + "temp" + S +
                  "unnamed_1846.bin\" -d");
    EXPECT_EQ(ToolCommands::Decompress_Output(app, "unnamed_1846.bin"),
              app + "zlib" + S + "temp" + S + "unnamed_1846.bin.unzlib");
    const QString path = ToolCommands::Decompress_Output(app, "unnamed_1846.bin");
    EXPECT_EQ(ToolCommands::Compress_Command(app, path),
              "\"" + app + "zlib" + S + "zlibtool\" \"" + path + "\"");
    EXPECT_EQ(ToolCommands::Compress_Output(path), path + ".zlib");
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
        const QStringList args =
            QProcess::splitCommand(ToolCommands::Decompress_Command(app, name));
        ASSERT_EQ(args.size(), 3) << name.toStdString();
        EXPECT_EQ(args[0], ToolCommands::Tool_Path(app));
        EXPECT_EQ(args[1], ToolCommands::Work_Folder(app) + name);
        EXPECT_EQ(args[2], "-d");

        const QString path = ToolCommands::Decompress_Output(app, name);
        const QStringList cargs = QProcess::splitCommand(ToolCommands::Compress_Command(app, path));
        ASSERT_EQ(cargs.size(), 2) << name.toStdString();
        EXPECT_EQ(cargs[1], path);
    }
    EXPECT_EQ(ToolCommands::Quote("a\"b"), "\"a\"\"\"b\"");
}

} // namespace
} // namespace voxtrel

// voxtrel-names as a real process in its own application folder, with the real tool. Every
// failure leaves the name file byte for byte as it was.
#include "CliRig.h"
#include "NameFiles.h"
#include "PosixTestPlatform.h"
#include "TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace voxtrel {
namespace {

using namespace test;

TEST(VoxtrelNames, ExportThenImportChangesNothingAndWritesNothing) {
    Cli c;
    const QDateTime modified = QFileInfo(c.file).lastModified();
    const Result toFile = c.run({"export", c.file, "-o", c.csv});
    ASSERT_EQ(toFile.code, 0) << toFile.err.toStdString();
    const QByteArray csv = ReadBytes(c.csv);
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBFindex,name\r\n0,Player 0\r\n1,Player 1\r\n"));
    EXPECT_TRUE(csv.endsWith("1208,Player 1208\r\n"));
    EXPECT_EQ(c.run({"export", c.file}).raw, csv); // standard output gets the same

    const Result back = c.run({"import", c.file, c.csv});
    EXPECT_EQ(back.code, 0) << back.err.toStdString();
    EXPECT_TRUE(back.out.contains("No name changes")) << back.out.toStdString();

    // The same through a workbook, chosen by its extension or by --format.
    const QString book = c.app.userFile("names.xlsx");
    ASSERT_EQ(c.run({"export", c.file, "-o", book}).code, 0);
    EXPECT_TRUE(ReadBytes(book).startsWith("PK\x03\x04"));
    const Result fromBook = c.run({"import", c.file, book});
    EXPECT_EQ(fromBook.code, 0) << fromBook.err.toStdString();
    EXPECT_TRUE(fromBook.out.contains("No name changes")) << fromBook.out.toStdString();
    EXPECT_TRUE(c.run({"export", c.file, "--format", "xlsx"}).raw.startsWith("PK\x03\x04"));
    EXPECT_EQ(c.run({"export", c.file, "--format", "ods"}).code, 2);
    EXPECT_TRUE(c.unchanged());
    EXPECT_EQ(QFileInfo(c.file).lastModified(), modified);
}

TEST(VoxtrelNames, ImportChangesOnlyTheListedNames) {
    Cli c;
    const QString accented = QString::fromUtf8("Jérôme Ünal-Çağ").left(13); // "Jérôme Ünal-Ç"
    const QString full = QString::fromUtf8("Ñ").repeated(28) + QString(30, 'z');
    const QByteArray list = "index,name\r\n900,Plain Name\r\n" + QByteArray("3,") +
                            accented.toUtf8() + "\r\n1208," + full.toUtf8() + "\r\n5,Player 5\r\n";
    const Result r = c.import(list);
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "900: Player 900 -> Plain Name\n3: Player 3 -> " + accented +
                         "\n1208: Player 1208 -> " + full + "\n3 names changed; " + c.file +
                         " saved.\n");
    QByteArray expected = WithName(c.plain, 900, "Plain Name");
    expected = WithName(expected, 3, accented.toLatin1());
    expected = WithName(expected, 1208, full.toLatin1()); // 58 bytes, no terminating zero
    EXPECT_EQ(PythonDecompress(c.file), expected);
}

TEST(VoxtrelNames, CyrillicNamesInTheirCodePage) {
    Cli c;
    const QByteArray list = QString::fromUtf8("index,name\n10,Андрій Шевченко\n11,Ёж\n").toUtf8();
    const Result refused = c.import(list); // windows-1252 holds no Cyrillic
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(refused.err.contains("line 3: \"Ё\" (U+0401), \"ж\" (U+0436) cannot be written "
                                     "in windows-1252")) // every such character, each once
        << refused.err.toStdString();
    EXPECT_TRUE(c.unchanged());

    const Result r = c.import(list, {"--encoding", "windows-1251"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    QByteArray expected =
        WithName(c.plain, 10, "\xC0\xED\xE4\xF0\xB3\xE9 \xD8\xE5\xE2\xF7\xE5\xED\xEA\xEE");
    expected = WithName(expected, 11, "\xA8\xE6");
    EXPECT_EQ(PythonDecompress(c.file), expected);
    const Result shown = c.run({"export", c.file, "--encoding", "WINDOWS-1251"});
    EXPECT_TRUE(shown.out.contains(QString::fromUtf8("\r\n10,Андрій Шевченко\r\n11,Ёж\r\n")));
}

TEST(VoxtrelNames, DryRunSaysWhatWouldChangeAndWritesNothing) {
    Cli c;
    const Result r = c.import("index,name\n7,Seven\n", {"--dry-run"});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(
        r.out,
        QString("7: Player 7 -> Seven\n1 name would change; dry run, nothing was written.\n"));
    EXPECT_TRUE(c.unchanged());
}

TEST(VoxtrelNames, RefusedListsChangeNothingAndNameTheLine) {
    Cli c;
    const struct {
        QByteArray csv;
        const char* says;
    } lists[] = {
        {"index,name\n1,A\n2\n", "line 3: a column is missing"},
        {"index,name\n1,A,B\n", "line 2: an extra column"},
        {"index,name\nx,A\n", "line 2: the index \"x\" is not a whole number"},
        {"index,name\n1209,A\n", "line 2: the index 1209 is out of range (0 to 1208)"},
        {"index,name\n1,A\n1,B\n", "line 3: the index 1 is also on line 2"},
        {"index,name\n1," + QByteArray(59, 'n') + "\n", "line 2: the name has 59 characters"},
        {"index,name\n1,\xD0\xA8\n",
         "line 2: \"\xD0\xA8\" (U+0428) cannot be written in windows-1252"},
        {"index,name\n1,\"a\r\nb\"\n", "line 2: the name holds a line break"},
        {"index,name\n1,\x01\n", "line 2: the name holds the control character U+0001"},
        {"index,name\n1,\xFF\xFE\n", "line 2: it is not UTF-8 text; save it as UTF-8 CSV"},
        {"index,name\n1,\"open\n", "line 2: a quoted field is never closed"},
        {"idx,name\n1,A\n", "line 1: the header must be \"index,name\""},
    };
    for (const auto& l : lists) {
        const Result r = c.import(l.csv);
        EXPECT_EQ(r.code, 1) << l.csv.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(l.says))) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
        EXPECT_TRUE(c.unchanged());
    }

    for (const QByteArray& empty : {QByteArray(), QByteArray("\xEF\xBB\xBF")}) {
        const Result r = c.import(empty);
        EXPECT_EQ(r.code, 1);
        EXPECT_TRUE(r.err.contains("is empty")) << r.err.toStdString();
    }
    QFile big(c.csv);
    ASSERT_TRUE(big.resize(4 * 1024 * 1024 + 1));
    Result r = c.run({"import", c.file, c.csv});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("larger than 4 MiB")) << r.err.toStdString();
    r = c.run({"import", c.file, c.app.userFile("")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("is a folder")) << r.err.toStdString();
    EXPECT_TRUE(c.unchanged());

    // A compressed file that is not a name file is never rewritten as one.
    const QString other = c.app.userFile("other.bin");
    ASSERT_TRUE(WriteCompressed(other, QByteArray(27, 'z')));
    const QByteArray otherBefore = ReadBytes(other);
    ASSERT_TRUE(WriteBytes(c.csv, "index,name\n0,A\n"));
    r = c.run({"import", other, c.csv});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("is 27 bytes when decompressed; a name file is 117,585 bytes"))
        << r.err.toStdString();
    EXPECT_EQ(ReadBytes(other), otherBefore);
    // Nor is its export an empty list that reads as success.
    r = c.run({"export", other});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains("is 27 bytes when decompressed")) << r.err.toStdString();
}

TEST(VoxtrelNames, AFailedSaveLeavesTheFileAsItWas) {
    Cli c;
    // The compressed file decompresses to something else: the check refuses it.
    const QByteArray tool = ZLIBTOOL_PATH;
    c.app.replaceTool("if [ \"$2\" = \"-d\" ]; then exec \"" + tool + "\" \"$@\"; fi\n" +
                      "echo other > \"$1.o\"\n\"" + tool +
                      "\" \"$1.o\" && mv \"$1.o.zlib\" \"$1.zlib\"\n");
    const Result r = c.import("index,name\n1,One\n");
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("was not saved; it is unchanged")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("does not decompress")) << r.err.toStdString();
    EXPECT_TRUE(c.unchanged());

    const Result missing = c.run({"export", c.app.userFile("missing.bin")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.contains("does not exist")) << missing.err.toStdString();
}

// Patches between files: diff writes only the names that differ, a patch applies where the
// names are still what they were (twice is once), conflicts refuse the whole list unless
// forced, and apply writes every file or, when any fails its check, none.
TEST(VoxtrelNames, PatchesBetweenFiles) {
    Cli c;
    const auto csvRows = [](const QString& path) { // by an independent CSV reader
        return SystemPython(QStringLiteral("import csv, sys\n"
                                           "for row in csv.reader(open(sys.argv[1], "
                                           "encoding='utf-8-sig', newline='')):\n"
                                           "    print('|'.join(row))\n"),
                            {path})
            .output.trimmed()
            .split('\n');
    };
    const QString modded = c.app.userFile("modded.bin");
    ASSERT_TRUE(
        WriteCompressed(modded, WithName(WithName(c.plain, 3, "Three"), 900, "Nine, Hundred")));
    const QString patch = c.app.userFile("patch.csv");
    const Result same = c.run({"diff", c.file, c.file, "-o", patch});
    EXPECT_EQ(same.code, 0);
    EXPECT_EQ(same.err.trimmed(), QString("0 names differ."));
    EXPECT_EQ(csvRows(patch), QStringList({"index|name|was"}));
    ASSERT_EQ(c.run({"diff", c.file, modded, "-o", patch}).code, 0);
    EXPECT_EQ(csvRows(patch),
              QStringList({"index|name|was", "3|Three|Player 3", "900|Nine, Hundred|Player 900"}));

    // The same patch as a workbook says the same.
    const QString book = c.app.userFile("patch.xlsx");
    ASSERT_EQ(c.run({"diff", c.file, modded, "-o", book}).code, 0);
    const Result fromBook = c.run({"import", c.file, book, "--dry-run"});
    EXPECT_TRUE(fromBook.out.startsWith("3: Player 3 -> Three\n900: Player 900 -> Nine, Hundred\n"))
        << fromBook.out.toStdString() << fromBook.err.toStdString();

    // Twice is once: the second time changes and writes nothing.
    EXPECT_EQ(c.run({"import", c.file, patch}).code, 0);
    const QDateTime once = QFileInfo(c.file).lastModified();
    const Result twice = c.run({"import", c.file, patch});
    EXPECT_EQ(twice.code, 0);
    EXPECT_TRUE(twice.out.contains("No name changes")) << twice.out.toStdString();
    EXPECT_EQ(QFileInfo(c.file).lastModified(), once);

    // A name that moved on since the patch was made is a conflict, named with what was
    // expected and found; --force applies it all the same.
    ASSERT_TRUE(WriteCompressed(c.file, WithName(c.plain, 900, "Moved On")));
    const QByteArray movedOn = ReadBytes(c.file);
    const Result conflict = c.run({"import", c.file, patch});
    EXPECT_EQ(conflict.code, 1);
    EXPECT_TRUE(
        conflict.err.contains("line 3: index 900: expected \"Player 900\", found \"Moved On\""))
        << conflict.err.toStdString();
    EXPECT_EQ(ReadBytes(c.file), movedOn);
    EXPECT_EQ(c.run({"import", c.file, patch, "--force"}).code, 0);
    EXPECT_EQ(PythonDecompress(c.file), PythonDecompress(modded));

    // One patch to ten files: one conflict stops them all, and so does a read-only one.
    QStringList ten;
    for (int i = 0; i < 10; ++i) {
        ten << c.app.userFile(QString("unnamed_%1.bin").arg(1845 + i));
        ASSERT_TRUE(WriteCompressed(ten.back(), i == 4 ? WithName(c.plain, 3, "Other") : c.plain));
    }
    const Result stopped = c.run(QStringList{"apply", patch} + ten);
    EXPECT_EQ(stopped.code, 1);
    EXPECT_TRUE(stopped.err.contains("unnamed_1849.bin: 1 name is not what the patch says"))
        << stopped.err.toStdString();
    EXPECT_TRUE(stopped.err.contains("Nothing was written."));
    for (const QString& file : ten) {
        EXPECT_EQ(PythonDecompress(file).mid(9872 + 88 * 900, 8), QByteArray("Player 9"));
    }
    ASSERT_TRUE(WriteCompressed(ten[4], c.plain));
    ASSERT_TRUE(QFile::setPermissions(ten[7], QFile::ReadOwner | QFile::ReadGroup));
    const Result refused = c.run(QStringList{"apply", patch} + ten);
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(refused.err.contains(ten[7] + ": The file is marked read-only."))
        << refused.err.toStdString();
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(PythonDecompress(ten[i]).mid(9872 + 88 * 900, 8), QByteArray("Player 9")) << i;
    }
}

// A patch made where a name was empty guards that empty name in a workbook as in CSV: it
// does not overwrite another file's name there.
TEST(VoxtrelNames, AWorkbookPatchGuardsAnEmptyName) {
    Cli c;
    const QString game = c.app.userFile("game.bin");
    const QString mine = c.app.userFile("mine.bin");
    const QString other = c.app.userFile("other.bin");
    ASSERT_TRUE(WriteCompressed(game, WithName(c.plain, 7, "")));
    ASSERT_TRUE(WriteCompressed(mine, WithName(c.plain, 7, "Renamed")));
    ASSERT_TRUE(WriteCompressed(other, WithName(c.plain, 7, "Ulolo Oranmundsen")));
    const QByteArray untouched = ReadBytes(other);
    for (const char* name : {"p.xlsx", "p.csv"}) {
        const QString patch = c.app.userFile(name);
        ASSERT_EQ(c.run({"diff", game, mine, "-o", patch}).code, 0);
        const Result refused = c.run({"apply", patch, other});
        EXPECT_EQ(refused.code, 1) << name;
        EXPECT_TRUE(refused.err.contains("expected \"\", found \"Ulolo Oranmundsen\""))
            << refused.err.toStdString();
        EXPECT_EQ(ReadBytes(other), untouched);
    }
    EXPECT_EQ(c.run({"apply", c.app.userFile("p.xlsx"), game}).code, 0);
    EXPECT_EQ(PythonDecompress(game), PythonDecompress(mine));
}

// Names a spreadsheet converted are refused row by row, with the advice; --force applies
// them. An output name whose extension is neither .csv nor .xlsx is refused unless
// --format says what to write.
TEST(VoxtrelNames, SpreadsheetDamageAndUnknownFormatsAreRefused) {
    Cli c;
    ASSERT_TRUE(WriteCompressed(c.file, WithName(WithName(c.plain, 2, "0123"), 3, "00:30")));
    c.before = ReadBytes(c.file);
    const QByteArray list("index,name\r\n2,123\r\n3,12:30:00 AM\r\n4,Four\r\n");
    const Result damaged = c.import(list);
    EXPECT_EQ(damaged.code, 1);
    EXPECT_TRUE(damaged.err.contains(
        QString::fromUtf8("line 2: index 2: \"0123\" \u2192 \"123\" looks like a number")))
        << damaged.err.toStdString();
    EXPECT_TRUE(damaged.err.contains("Export the names as .xlsx"));
    EXPECT_TRUE(damaged.err.contains("--force applies them all the same."));
    EXPECT_TRUE(c.unchanged());
    const Result applied = c.run({"apply", c.csv, c.file});
    EXPECT_EQ(applied.code, 1);
    EXPECT_TRUE(c.unchanged());
    EXPECT_EQ(c.import(list, {"--force"}).code, 0);
    EXPECT_EQ(PythonDecompress(c.file).mid(9872 + 88 * 2, 4), QByteArray("123\0", 4));

    for (const QStringList& args :
         {QStringList{"export", c.file, "-o", c.app.userFile("out.ods")},
          QStringList{"diff", c.file, c.file, "-o", c.app.userFile("out.txt")}}) {
        const Result r = c.run(args);
        EXPECT_EQ(r.code, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("The formats are .csv, .xlsx and -")) << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(c.app.userFile("out.ods")));
    EXPECT_FALSE(QFile::exists(c.app.userFile("out.txt")));
    const QString ods = c.app.userFile("out.ods");
    EXPECT_EQ(c.run({"export", c.file, "-o", ods, "--format", "xlsx"}).code, 0);
    EXPECT_TRUE(ReadBytes(ods).startsWith("PK\x03\x04"));
}

TEST(VoxtrelNames, UsageErrorsExitWithTwo) {
    Cli c;
    for (const QStringList& args :
         {QStringList{}, QStringList{"rename"}, QStringList{"export"},
          QStringList{"import", c.file}, QStringList{"export", c.file, "extra"},
          QStringList{"export", c.file, "--bogus"}}) {
        const Result r = c.run(args);
        EXPECT_EQ(r.code, 2) << args.join(' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty());
    }
    const Result encoding = c.run({"export", c.file, "--encoding", "koi8-r"});
    EXPECT_EQ(encoding.code, 2);
    EXPECT_TRUE(
        encoding.err.contains("unknown encoding \"koi8-r\". Supported: windows-1250, windows-1251, "
                              "windows-1252, windows-1253, windows-1254, windows-1257"))
        << encoding.err.toStdString();
    EXPECT_EQ(c.run({"export", c.file, "--encoding", "windows-1252"}).code, 0);

    for (const QStringList& args :
         {QStringList{"--help"}, QStringList{"import", "--help"}, QStringList{"--version"}}) {
        const Result r = c.run(args);
        EXPECT_EQ(r.code, 0);
        EXPECT_TRUE(r.out.contains("voxtrel-names") || r.out.contains("NAMES.csv"))
            << r.out.toStdString();
    }
    EXPECT_TRUE(c.unchanged());
}

// Help a user reads: the program by its name, what is missing in words with the command's
// synopsis, and each command's options speaking of its own arguments.
TEST(VoxtrelNames, HelpSpeaksOfTheCommand) {
    Cli c;
    for (const auto& [args, said] : std::vector<std::pair<QStringList, QString>>{
             {{"export"}, "export needs a name file: voxtrel-names export FILE\n"},
             {{"import", c.file},
              "import needs a name file and a list: voxtrel-names import FILE "
              "NAMES\n"},
             {{"diff", c.file},
              "diff needs two name files, the old and the new: voxtrel-names "
              "diff OLD NEW\n"},
             {{"apply", c.csv},
              "apply needs a list and one name file or more: voxtrel-names apply LIST FILE...\n"},
             {{"export", c.file, "extra"},
              "export takes only a name file: voxtrel-names export "
              "FILE\n"}}) {
        const Result r = c.run(args);
        EXPECT_EQ(r.code, 2);
        EXPECT_TRUE(r.err.startsWith("voxtrel-names: " + said)) << r.err.toStdString();
    }
    for (const QString command : {"", "export", "import", "diff", "apply"}) {
        const Result help =
            c.run(command.isEmpty() ? QStringList{"--help"} : QStringList{command, "--help"});
        EXPECT_EQ(help.code, 0);
        EXPECT_TRUE(help.out.startsWith(command.isEmpty()
                                            ? QString("Usage: voxtrel-names <command>")
                                            : "Usage: voxtrel-names [options] " + command + " "))
            << help.out.toStdString();
        for (const QString& line : help.out.split('\n')) {
            EXPECT_LE(line.size(), 80) << line.toStdString();
        }
    }
    EXPECT_EQ(c.run({"export", "--help-all"}).out, c.run({"export", "--help"}).out);
    const QString diff = c.run({"diff", "--help"}).out.simplified();
    EXPECT_TRUE(diff.contains("The code page of the names in OLD and NEW,")) << diff.toStdString();
    EXPECT_FALSE(diff.contains("FILE")) << diff.toStdString();
    EXPECT_TRUE(c.unchanged());
}

} // namespace
} // namespace voxtrel

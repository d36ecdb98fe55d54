// voxtrel-names apply to every language version at once: all or nothing, writability
// included; a dry run; a code page per file; every replacement listed; one file given twice.
#include "CliRig.h"
#include "PosixTestPlatform.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace voxtrel {
namespace {

using namespace test;

const bool Root = ::geteuid() == 0;
constexpr uid_t Nobody = 65534; // the unprivileged user

// Ten language versions in a folder of their own, the patch "3 → Three" for them, and the
// command run as the unprivileged user when the tests run as root.
struct Versions {
    Cli c;
    QString folder = c.app.userFile("versions");
    QString patch = c.app.userFile("patch.csv");
    QStringList files;

    Versions() {
        QDir().mkpath(folder);
        for (int i = 0; i < 10; ++i) {
            files << folder + QString("/unnamed_%1.bin").arg(1845 + i);
            EXPECT_TRUE(WriteCompressed(files.back(), c.plain));
        }
        EXPECT_TRUE(WriteBytes(patch, "index,name,was\n3,Three,Player 3\n"));
    }
    QByteArray decompressed(int i) const { return PythonDecompress(files[i]); }
    QByteArray name(int i, int record) const { return decompressed(i).mid(9872 + 88 * record, 8); }
    // As nobody, who owns the files and their folder.
    MeasuredRun asNobody(const QStringList& args) const {
        const QString root = QFileInfo(QFileInfo(c.file).absolutePath()).absolutePath();
        const QString tmp = root + "/tmp";
        QDir().mkpath(tmp);
        ::chmod(QFile::encodeName(root).constData(), 0755);
        ::chmod(QFile::encodeName(QFileInfo(c.file).absolutePath()).constData(), 0755);
        ::chmod(QFile::encodeName(tmp).constData(), 01777);
        for (const QString& f : QStringList{folder} + files) {
            if (Root) {
                EXPECT_EQ(::chown(QFile::encodeName(f).constData(), Nobody, Nobody), 0);
            }
        }
        ::chmod(QFile::encodeName(patch).constData(), 0644);
        qputenv("TMPDIR", QFile::encodeName(tmp));
        const MeasuredRun run = RunMeasured(c.app.appPath() + "voxtrel-names",
                                            QStringList{"apply", patch} + args, true);
        qunsetenv("TMPDIR");
        return run;
    }
};

// One read-only file among ten, as a user who may not write it: nothing is written, and the
// refusal names the file. With it writable again all ten are written.
TEST(VoxtrelNamesApply, OneReadOnlyFileAmongTenWritesNone) {
    Versions v;
    ::chmod(QFile::encodeName(v.files[7]).constData(), 0444);
    const MeasuredRun refused = v.asNobody(v.files);
    EXPECT_EQ(refused.exitCode, 1) << refused.output.toStdString();
    EXPECT_TRUE(refused.output.contains(v.files[7] + ": The file is marked read-only."))
        << refused.output.toStdString();
    EXPECT_TRUE(refused.output.contains("Nothing was written."));
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(v.name(i, 3), QByteArray("Player 3")) << i;
    }
    ::chmod(QFile::encodeName(v.files[7]).constData(), 0644);
    const MeasuredRun applied = v.asNobody(v.files);
    EXPECT_EQ(applied.exitCode, 0) << applied.output.toStdString();
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(v.name(i, 3), QByteArray("Three\0\0\0", 8)) << i;
    }
}

// A dry run names each file's code page and count and writes nothing; the same file given
// twice, as given or through a link, is refused before anything.
TEST(VoxtrelNamesApply, DryRunAndTheSameFileTwice) {
    Versions v;
    const QStringList three = v.files.mid(0, 3);
    const Result dry = v.c.run(QStringList{"apply", v.patch, "--dry-run"} + three);
    EXPECT_EQ(dry.code, 0) << dry.err.toStdString();
    EXPECT_TRUE(dry.out.contains(three[1] +
                                 " (windows-1252): 1 name would change, 0 conflicts, 0 names "
                                 "with characters replaced.\n"))
        << dry.out.toStdString();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(v.name(i, 3), QByteArray("Player 3"));
    }
    const QString link = v.folder + "/link.bin";
    ASSERT_TRUE(QFile::link(v.files[2], link));
    for (const QString& again : {v.files[0], link}) {
        const Result twice = v.c.run(QStringList{"apply", v.patch} + three + QStringList{again});
        EXPECT_EQ(twice.code, 1);
        EXPECT_TRUE(twice.err.contains(again + ": The same file is given twice."))
            << twice.err.toStdString();
        EXPECT_FALSE(twice.err.contains("changed while"));
        EXPECT_EQ(v.name(0, 3), QByteArray("Player 3"));
        EXPECT_EQ(v.name(2, 3), QByteArray("Player 3"));
    }
}

// A save that fails after every check passed (here the tool cannot compress the second file)
// leaves that file as it was, and the last line names which files were written and which not.
TEST(VoxtrelNamesApply, AFailedSaveNamesWhatWasWritten) {
    Versions v;
    const QByteArray tool = ZLIBTOOL_PATH;
    // The second compression fails; decompressing (reading, and checking a save) works.
    const QString count = v.c.app.userFile("compressions");
    v.c.app.replaceTool("if [ \"$2\" != \"-d\" ]; then echo >> \"" + count.toUtf8() +
                        "\"; [ $(wc -l < \"" + count.toUtf8() +
                        "\") -eq 2 ] && exit 1; fi\nexec \"" + tool + "\" \"$@\"\n");
    const QByteArray before = ReadBytes(v.files[4]);
    const Result r = v.c.run(QStringList{"apply", v.patch} + v.files.mid(3, 3));
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("Written: " + v.files[3] + ", " + v.files[5] +
                               ". Not written: " + v.files[4] + "."))
        << r.err.toStdString();
    EXPECT_EQ(ReadBytes(v.files[4]), before);
    EXPECT_EQ(v.name(5, 3), QByteArray("Three\0\0\0", 8));
}

// A Greek version takes its own code page: from --encoding-of, or from what the editor
// remembers for its name. Read as Western it is refused for the Greek name, with the hint.
// Transliterated, every replacement is listed with its file and index.
TEST(VoxtrelNamesApply, ACodePagePerFile) {
    Versions v;
    const QByteArray greekName("\xc3\xe9\xfe\xf1\xe3\xef\xf2 \xca\xe1\xf1\xe1\xe3\xea\xef\xfd"
                               "\xed\xe7\xf2"); // Γιώργος Καραγκούνης in windows-1253
    QByteArray greek = v.c.plain;
    for (int record = 10; record < 40; ++record) {
        greek = WithName(greek, record, greekName);
    }
    ASSERT_TRUE(WriteCompressed(v.files[3], greek));
    ASSERT_TRUE(WriteBytes(v.patch, QString::fromUtf8("index,name,was\n3,Θοδωρής,Player 3\n"
                                                      "5,Łukasz,Player 5\n")
                                        .toUtf8()));
    const QStringList two{v.files[0], v.files[3]};

    const Result western = v.c.run(QStringList{"apply", v.patch} + two);
    EXPECT_EQ(western.code, 1);
    EXPECT_TRUE(western.err.contains("Warning: " + v.files[3] +
                                     ": its names read as windows-1252 look unlikely; it is "
                                     "more likely windows-1253"))
        << western.err.toStdString();

    const Result given = v.c.run(QStringList{"apply", v.patch, "--transliterate", "--encoding-of",
                                             "unnamed_1848.bin=windows-1253"} +
                                 two);
    EXPECT_EQ(given.code, 0) << given.err.toStdString();
    EXPECT_TRUE(given.out.contains(v.files[0] + QString::fromUtf8(": index 3: Θοδωρής → ")))
        << given.out.toStdString();
    EXPECT_TRUE(given.out.contains(v.files[3] + QString::fromUtf8(": index 5: Łukasz → Lukasz\n")));
    EXPECT_TRUE(given.out.contains(v.files[3] + " (windows-1253): 2 names changed; saved."));
    EXPECT_FALSE(given.err.contains("Warning"));
    EXPECT_EQ(v.name(3, 3), QByteArray("\xc8\xef\xe4\xf9\xf1\xde\xf2\0", 8));

    // What the editor remembers for the name counts where nothing is given.
    ASSERT_TRUE(WriteCompressed(v.files[3], greek));
    QSettings(qEnvironmentVariable("XDG_CONFIG_HOME") + "/voxtrel-editor/voxtrel-editor.conf",
              QSettings::IniFormat)
        .setValue("encodings/unnamed_1848.bin", "windows-1253");
    const Result remembered = v.c.run({"apply", v.patch, "--dry-run", "--transliterate", two[1]});
    EXPECT_TRUE(remembered.out.contains(v.files[3] + " (windows-1253): 2 names would change"))
        << remembered.out.toStdString();
}

} // namespace
} // namespace voxtrel

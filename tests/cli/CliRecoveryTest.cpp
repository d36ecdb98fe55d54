// voxtrel-names when a save is cut off or stalls: an in-place write killed at any step is
// rolled back at the next run, the files of others are never deleted, a held lock ends in a
// message, and a path is the user's however it is given. Real kills (strace), real links.
#include "CliRig.h"
#include "PosixTestPlatform.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace voxtrel {
namespace {

using namespace test;

const bool Root = ::geteuid() == 0;

// voxtrel-names in the rig's application folder, run as asked.
struct Runner {
    const Cli& c;
    QString tmp;   // TMPDIR: the runs' temporary folders
    QString state; // XDG_STATE_HOME
    bool nobody = false;
    QString cwd;
    QStringList strace;    // strace's options; empty: not traced
    bool homeless = false; // neither HOME nor XDG_STATE_HOME

    Result run(const QStringList& args) const {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TMPDIR", tmp);
        env.insert("XDG_STATE_HOME", state);
        env.insert("ASAN_OPTIONS", "detect_leaks=0");
        if (homeless) {
            env.remove("XDG_STATE_HOME");
            env.remove("HOME");
        }
        p.setProcessEnvironment(env);
        if (!cwd.isEmpty()) {
            p.setWorkingDirectory(cwd);
        }
        QStringList command{c.app.appPath() + "voxtrel-names"};
        command += args;
        if (!strace.isEmpty()) {
            command = QStringList{"strace", "-qq", "-o", "/dev/null"} + strace +
                      (nobody && Root ? QStringList{"-u", "nobody"} : QStringList{}) + command;
        } else if (nobody && Root) {
            command = QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"} +
                      command;
        }
        p.start(command.takeFirst(), command);
        p.waitForFinished(60000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError()),
                {}};
    }
};

// A rig whose folders the unprivileged user may pass, with the runs' own state and
// temporary folders.
struct Rig {
    Cli c;
    QString root = QFileInfo(QFileInfo(c.file).absolutePath()).absolutePath();
    QString tmp = root + "/tmp";
    QString state;
    QString journal;

    explicit Rig(bool nobody = false) {
        ::chmod(QFile::encodeName(root).constData(), 0755);
        QDir().mkpath(tmp);
        ::chmod(QFile::encodeName(tmp).constData(), 01777);
        state = nobody && Root ? NobodyStateHome() : c.app.statePath();
        journal = state + "/voxtrel-editor/";
    }
    Runner runner(bool nobody = false) const { return {c, tmp, state, nobody, {}, {}, false}; }
    QStringList records() const { return QDir(journal).entryList({"*.record"}, QDir::Files); }
    // What a reboot empties.
    void reboot() const {
        QDir(tmp).removeRecursively();
        QDir().mkpath(tmp);
        ::chmod(QFile::encodeName(tmp).constData(), 01777);
        QDir(c.app.workFolder()).removeRecursively();
        QDir().mkpath(c.app.workFolder());
    }
};

// Renames that make the compressed file shorter: a write cut before its length is set
// leaves the new bytes followed by the old tail, a file that is neither.
const QByteArray Shorter = "index,name\n1,\n2,\n3,\n4,\n5,\n6,\n7,\n8,\n9,\n";

// The three kinds of file that are written in place, each killed at the moment its new bytes
// are written but not yet cut to length, with the temporary and working folders emptied
// before the next run, as a reboot would.
TEST(SaveJournal, AKilledInPlaceWriteIsRolledBackAtTheNextRun) {
    for (const char* kind : {"hard link", "read-only folder", "other owner"}) {
        SCOPED_TRACE(kind);
        const bool nobody = std::string(kind) != "hard link";
        if (nobody && !Root) {
            continue; // needs a file and a folder the unprivileged user does not own
        }
        Rig r(nobody);
        const QString folder = QFileInfo(r.c.file).absolutePath();
        const QString second = folder + "/second-name.bin";
        ASSERT_TRUE(WriteBytes(r.c.csv, Shorter));
        ::chmod(QFile::encodeName(r.c.csv).constData(), 0644);
        if (std::string(kind) == "hard link") {
            ASSERT_EQ(::link(QFile::encodeName(r.c.file).constData(),
                             QFile::encodeName(second).constData()),
                      0);
        } else {
            ::chmod(QFile::encodeName(r.c.file).constData(), 0666);
            ::chmod(QFile::encodeName(folder).constData(),
                    std::string(kind) == "other owner" ? 0777 : 0755);
        }
        Runner killed = r.runner(nobody);
        killed.strace = {
            "-P", r.c.file, "-e", "trace=ftruncate", "-e", "inject=ftruncate:signal=KILL"};
        const Result cut = killed.run({"import", r.c.file, r.c.csv});
        EXPECT_EQ(cut.code, -1) << cut.err.toStdString(); // killed
        ASSERT_NE(ReadBytes(r.c.file), r.c.before);
        ASSERT_EQ(r.records().size(), 1);
        r.reboot();

        const Result next = r.runner(nobody).run({"export", r.c.file, "-o", "-"});
        EXPECT_EQ(next.code, 0) << next.err.toStdString();
        EXPECT_TRUE(next.err.contains("was restored: a save of it at")) << next.err.toStdString();
        EXPECT_EQ(next.err.count('\n'), 1);
        EXPECT_TRUE(next.out.contains("\n1,Player 1\r\n")); // the command went on, restored
        EXPECT_EQ(ReadBytes(r.c.file), r.c.before);
        if (std::string(kind) == "hard link") {
            EXPECT_EQ(ReadBytes(second), r.c.before);
        }
        EXPECT_TRUE(QDir(r.journal).entryList(QDir::Files).isEmpty());
        EXPECT_FALSE(
            r.runner(nobody).run({"export", r.c.file, "-o", "-"}).err.contains("restored"));
        ::chmod(QFile::encodeName(folder).constData(), 0755);
    }
}

// Killed at the first write, the file was never touched; killed after its sync, it holds
// the new names. Either way the record goes without a word. A record whose file is gone,
// or is another file now, is kept and told at every run, never applied.
TEST(SaveJournal, ARecordIsAppliedOnlyToAFileThatHoldsNeither) {
    Rig r;
    const QString second = QFileInfo(r.c.file).absolutePath() + "/second-name.bin";
    ASSERT_EQ(
        ::link(QFile::encodeName(r.c.file).constData(), QFile::encodeName(second).constData()), 0);
    ASSERT_TRUE(WriteBytes(r.c.csv, Shorter));
    const auto killAt = [&](const QString& call) {
        Runner killed = r.runner();
        killed.strace = {
            "-P", r.c.file, "-e", "trace=" + call, "-e", "inject=" + call + ":signal=KILL"};
        return killed.run({"import", r.c.file, r.c.csv});
    };
    EXPECT_EQ(killAt("write").code, -1);
    EXPECT_EQ(ReadBytes(r.c.file), r.c.before);
    ASSERT_EQ(r.records().size(), 1);
    Result next = r.runner().run({"export", r.c.file, "-o", "/dev/null"});
    EXPECT_EQ(next.code, 0);
    EXPECT_TRUE(next.err.isEmpty()) << next.err.toStdString();
    EXPECT_TRUE(r.records().isEmpty());

    EXPECT_EQ(killAt("fdatasync").code, -1);
    const QByteArray written = ReadBytes(r.c.file);
    EXPECT_EQ(PythonDecompress(r.c.file).mid(9872 + 88, 8), QByteArray(8, '\0'));
    next = r.runner().run({"export", r.c.file, "-o", "/dev/null"});
    EXPECT_TRUE(next.err.isEmpty()) << next.err.toStdString();
    EXPECT_EQ(ReadBytes(r.c.file), written);
    EXPECT_TRUE(r.records().isEmpty());

    // Cut, then the file removed (both names), or put back as another file.
    ASSERT_TRUE(WriteBytes(r.c.csv, "index,name\n1,Back\n"));
    EXPECT_EQ(killAt("ftruncate").code, -1);
    QFile::remove(second);
    const QByteArray cut = ReadBytes(r.c.file);
    const QString other = r.c.app.userFile("other.bin");
    ASSERT_TRUE(QFile::rename(r.c.file, other));
    for (int run = 0; run < 2; ++run) {
        next = r.runner().run({"export", other, "-o", "/dev/null"});
        EXPECT_TRUE(next.err.contains("was cut off, and the file is gone; its content before that "
                                      "save is kept in"))
            << next.err.toStdString();
        EXPECT_EQ(r.records().size(), 1);
    }
    ASSERT_TRUE(WriteBytes(r.c.file, cut)); // a new file under the old name
    next = r.runner().run({"export", other, "-o", "/dev/null"});
    EXPECT_TRUE(next.err.contains("another file has its name now")) << next.err.toStdString();
    EXPECT_EQ(ReadBytes(r.c.file), cut);
    EXPECT_EQ(ReadBytes(other), cut);
    const QString copy = r.journal + r.records().value(0).replace(".record", ".copy");
    EXPECT_TRUE(next.err.contains(copy));
    EXPECT_EQ(ReadBytes(copy), written);
}

// With no home there is no recovery folder: a file that must be written in place is not
// written at all.
TEST(SaveJournal, WithoutARecoveryFolderNothingIsWrittenInPlace) {
    Rig r;
    const QString second = QFileInfo(r.c.file).absolutePath() + "/second-name.bin";
    ASSERT_EQ(
        ::link(QFile::encodeName(r.c.file).constData(), QFile::encodeName(second).constData()), 0);
    ASSERT_TRUE(WriteBytes(r.c.csv, "index,name\n1,One\n"));
    Runner homeless = r.runner();
    homeless.homeless = true;
    const Result refused = homeless.run({"import", r.c.file, r.c.csv});
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(refused.err.contains("no folder to keep its present content in"))
        << refused.err.toStdString();
    EXPECT_EQ(ReadBytes(r.c.file), r.c.before);
}

// Another program's lock is waited for within its bound, then named.
TEST(VoxtrelNames, AHeldLockEndsInAMessageNamingItsHolder) {
    Rig r;
    ASSERT_TRUE(WriteBytes(r.c.csv, "index,name\n1,One\n"));
    QProcess holder;
    holder.start("flock", {r.c.file, "sleep", "60"});
    ASSERT_TRUE(holder.waitForStarted());
    const int probe = ::open(QFile::encodeName(r.c.file).constData(), O_RDONLY);
    QElapsedTimer held;
    held.start();
    while (::flock(probe, LOCK_EX | LOCK_NB) == 0 && held.elapsed() < 10000) {
        ::flock(probe, LOCK_UN); // not taken yet
        QThread::msleep(10);
    }
    ::close(probe);
    QElapsedTimer took;
    took.start();
    const Result locked = r.runner().run({"import", r.c.file, r.c.csv});
    const qint64 ms = took.elapsed();
    const qint64 pid = holder.processId();
    holder.kill();
    holder.waitForFinished();
    EXPECT_EQ(locked.code, 1);
    EXPECT_TRUE(locked.err.contains(
        QString("%1 is locked by flock (pid %2); nothing written").arg(r.c.file).arg(pid)))
        << locked.err.toStdString();
    EXPECT_LT(ms, 4000 + 6000) << "the bound is 4 s, and a run takes well under 6";
    EXPECT_EQ(ReadBytes(r.c.file), r.c.before);
}

// The check that the file is still the one read, and the write, are one step under the
// lock: a second saver that read the file before the first one wrote it, and that came to
// the lock while the first one was held at its last call, must see the change.
TEST(VoxtrelNames, ASaverHeldBetweenCheckAndWriteIsSeenByTheNext) {
    for (const char* kind : {"replaced", "in place"}) {
        SCOPED_TRACE(kind);
        Rig r;
        const QString folder = QFileInfo(r.c.file).absolutePath();
        const bool inPlace = std::string(kind) == "in place";
        if (inPlace) {
            ASSERT_EQ(::link(QFile::encodeName(r.c.file).constData(),
                             QFile::encodeName(folder + "/second.bin").constData()),
                      0);
        }
        const QString first = r.c.app.userFile("first.csv");
        ASSERT_TRUE(WriteBytes(first, "index,name\n1,First\n"));
        ASSERT_TRUE(WriteBytes(r.c.csv, "index,name\n2,Second\n"));
        // The first saver is held for 2 s at the rename of its new file, or at its write.
        const QString call = inPlace ? "write" : "renameat";
        QProcess a;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TMPDIR", r.tmp);
        env.insert("XDG_STATE_HOME", r.state);
        env.insert("ASAN_OPTIONS", "detect_leaks=0"); // LeakSanitizer cannot run under strace
        a.setProcessEnvironment(env);
        QStringList args{"-qq",
                         "-o",
                         "/dev/null",
                         "-e",
                         "trace=" + call,
                         "-e",
                         "inject=" + call + ":delay_enter=2000000"};
        if (inPlace) {
            args << "-P" << r.c.file;
        }
        a.start("strace",
                args + QStringList{r.c.app.appPath() + "voxtrel-names", "import", r.c.file, first});
        // Held: the new file has its temporary name, or the journal has its record.
        QElapsedTimer waited;
        waited.start();
        const auto held = [&] {
            return inPlace ? !r.records().isEmpty()
                           : !QDir(folder)
                                  .entryList({".unnamed_1846.bin.voxtrel-*"},
                                             QDir::Files | QDir::Hidden)
                                  .isEmpty();
        };
        while (!held() && waited.elapsed() < 20000) {
            QThread::msleep(5);
        }
        ASSERT_TRUE(held());
        const Result second = r.runner().run({"import", r.c.file, r.c.csv});
        ASSERT_TRUE(a.waitForFinished(30000));
        EXPECT_EQ(a.exitCode(), 0) << a.readAllStandardError().toStdString();
        EXPECT_EQ(second.code, 1) << second.out.toStdString();
        EXPECT_TRUE(second.err.contains("changed")) << second.err.toStdString();
        EXPECT_EQ(PythonDecompress(r.c.file).mid(9872 + 88, 6), QByteArray("First\0", 6));
    }
}

// "-o names.xlsx" is ./names.xlsx: written in the current folder, by a user who may write
// nothing at /.
TEST(VoxtrelNames, ABareOutputNameIsWrittenInTheCurrentFolder) {
    Rig r(true);
    const QString own = r.root + "/own";
    ASSERT_TRUE(QDir().mkpath(own));
    if (Root) {
        ASSERT_EQ(::chown(QFile::encodeName(own).constData(), 65534, 65534), 0);
    }
    ::chmod(QFile::encodeName(r.c.file).constData(), 0644);
    Runner runner = r.runner(true);
    runner.cwd = own;
    for (const char* name : {"names.xlsx", "names.csv"}) {
        const Result exported = runner.run({"export", r.c.file, "-o", name});
        EXPECT_EQ(exported.code, 0) << exported.err.toStdString();
        EXPECT_TRUE(QFileInfo(own + "/" + name).isFile());
        EXPECT_FALSE(QFileInfo::exists(QString("/") + name));
    }
}

// From a folder whose path is longer than PATH_MAX, the file named there is the one written.
TEST(VoxtrelNames, APathLongerThanPathMaxIsWrittenWhereItIs) {
    Rig r;
    ASSERT_FALSE(QFileInfo::exists("/long.bin"));
    const QByteArray part(200, 'd');
    int at = ::open(QFile::encodeName(r.root).constData(), O_RDONLY | O_DIRECTORY);
    for (int depth = 0; depth < 24; ++depth) { // 24 * 201 bytes: past 4096
        ASSERT_EQ(::mkdirat(at, part.constData(), 0755), 0);
        const int next = ::openat(at, part.constData(), O_RDONLY | O_DIRECTORY);
        ::close(at);
        at = next;
    }
    const QByteArray before = r.c.before;
    const int out = ::openat(at, "long.bin", O_WRONLY | O_CREAT | O_EXCL, 0644);
    ASSERT_EQ(::write(out, before.constData(), size_t(before.size())), before.size());
    ::close(out);
    ASSERT_TRUE(WriteBytes(r.c.csv, "index,name\n1,Deep\n"));
    // The run starts in the deepest folder, reached a name at a time.
    QProcess deep;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TMPDIR", r.tmp);
    env.insert("XDG_STATE_HOME", r.state);
    deep.setProcessEnvironment(env);
    deep.start("python3",
               {"-c",
                "import os, sys\n"
                "os.chdir(sys.argv[1])\n"
                "for _ in range(24): os.chdir(sys.argv[2])\n"
                "os.execv(sys.argv[3], [sys.argv[3], 'import', 'long.bin', sys.argv[4]])",
                r.root, QString::fromLatin1(part), r.c.app.appPath() + "voxtrel-names", r.c.csv});
    ASSERT_TRUE(deep.waitForFinished(60000));
    EXPECT_EQ(deep.exitCode(), 0) << deep.readAllStandardError().toStdString();
    EXPECT_FALSE(QFileInfo::exists("/long.bin"));
    struct stat st {};
    ASSERT_EQ(::fstatat(at, "long.bin", &st, 0), 0);
    EXPECT_NE(st.st_size, 0);
    QByteArray now(st.st_size, '\0');
    const int in = ::openat(at, "long.bin", O_RDONLY);
    EXPECT_EQ(::read(in, now.data(), size_t(now.size())), now.size());
    ::close(in);
    ::close(at);
    // Taken down again a name at a time: no path to it fits in one call.
    int up = ::open(QFile::encodeName(r.root).constData(), O_RDONLY | O_DIRECTORY);
    QList<int> chain{up};
    for (int depth = 0; depth < 24; ++depth) {
        chain << ::openat(chain.last(), part.constData(), O_RDONLY | O_DIRECTORY);
    }
    ::unlinkat(chain.last(), "long.bin", 0);
    for (int depth = 24; depth > 0; --depth) {
        ::close(chain[depth]);
        ::unlinkat(chain[depth - 1], part.constData(), AT_REMOVEDIR);
    }
    ::close(up);
    EXPECT_NE(now, before);
    const QString copy = r.c.app.userFile("deep-copy.bin");
    ASSERT_TRUE(WriteBytes(copy, now));
    EXPECT_EQ(PythonDecompress(copy).mid(9872 + 88, 5), QByteArray("Deep\0", 5));
}

// Clearing old working folders never follows a link, never clears another user's folder,
// and deletes only the working files a run makes. The link is planted before the run.
TEST(VoxtrelNames, ClearingOldWorkingFoldersLeavesEveryOtherFolderWhole) {
    Rig r;
    const QString victim = r.root + "/victim";
    ASSERT_TRUE(QDir().mkpath(victim + "/inner"));
    for (const char* name : {"names.bin", "letter.txt", "inner/names.bin"}) {
        ASSERT_TRUE(WriteBytes(victim + "/" + name, name));
    }
    const auto old = [](const QString& path) {
        const struct timespec times[2] = {{0, UTIME_OMIT}, {std::time(nullptr) - 3 * 86400, 0}};
        ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW);
    };
    const QString linked = r.tmp + "/voxtrel-work-Linked";
    ASSERT_TRUE(QFile::link(victim, linked));
    old(linked);
    const QString ours = r.tmp + "/voxtrel-work-Ours01";
    const QString mixed = r.tmp + "/voxtrel-work-Mixed1";
    const QString theirs = r.tmp + "/voxtrel-work-Theirs";
    for (const QString& folder : {ours, mixed, theirs}) {
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_TRUE(WriteBytes(folder + "/names.bin.unzlib", "work"));
        ASSERT_TRUE(WriteBytes(folder + "/.zt0123abcd", "tool"));
    }
    ASSERT_TRUE(WriteBytes(mixed + "/.names.bin.unzlib-mine", "a user's"));
    if (Root) {
        for (const QString& p : {theirs, theirs + "/names.bin.unzlib", theirs + "/.zt0123abcd"}) {
            ASSERT_EQ(::chown(QFile::encodeName(p).constData(), 65534, 65534), 0);
        }
    }
    for (const QString& folder : {ours, mixed, theirs}) {
        old(folder);
    }
    const Result run = r.runner().run({"export", r.c.file, "-o", "/dev/null"});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(ours));
    EXPECT_EQ(QDir(mixed).entryList(QDir::Files | QDir::Hidden),
              QStringList{".names.bin.unzlib-mine"});
    EXPECT_TRUE(QFileInfo(linked).isSymLink());
    for (const char* name : {"names.bin", "letter.txt", "inner/names.bin"}) {
        EXPECT_EQ(ReadBytes(victim + "/" + name), QByteArray(name));
    }
    if (Root) {
        EXPECT_EQ(QDir(theirs).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }
}

} // namespace
} // namespace voxtrel

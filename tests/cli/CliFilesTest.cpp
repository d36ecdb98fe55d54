// voxtrel-names and the files it writes: a save keeps links, owners and other writers'
// changes, reads only plain files, writes a list only where asked, and takes any name the
// file system does. Each case is checked with stat and the bytes.
#include "CliRig.h"
#include "PosixTestPlatform.h"

#include <QDateTime>
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

// A writable file in a folder that cannot take a new file is written in place, and written
// back when that fails. A root test runs the command as the unprivileged user, for whom the
// folder is read-only; strace fails the first write to the file.
TEST(VoxtrelNames, AFileInAReadOnlyFolderIsWrittenInPlace) {
    Cli c;
    const bool root = ::geteuid() == 0;
    const QString folder = QFileInfo(c.file).absolutePath();
    const auto readExec = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                          QFile::ReadOther | QFile::ExeOther;
    ASSERT_TRUE(
        QFile::setPermissions(QFileInfo(folder).absolutePath(), readExec | QFile::WriteOwner));
    ASSERT_TRUE(QFile::setPermissions(c.file, QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ReadOther | QFile::WriteOther));
    ASSERT_TRUE(WriteBytes(c.csv, "index,name\n1,One\n"));
    ASSERT_TRUE(QFile::setPermissions(folder, root ? readExec | QFile::WriteOwner : readExec));
    const QString names = c.app.appPath() + "voxtrel-names";
    const QString cache = QFileInfo(folder).absolutePath() + "/cache";
    const QString temp = QFileInfo(folder).absolutePath() + "/temp";
    for (const QString& own : {cache, temp}) {
        ASSERT_TRUE(QDir().mkpath(own));
        ASSERT_TRUE(QFile::setPermissions(own, QFile::Permissions(0x7777)));
    }

    const QString state = root ? NobodyStateHome() : c.app.statePath();
    const QString strace = QStandardPaths::findExecutable("strace");
    ASSERT_FALSE(strace.isEmpty()) << "strace is needed";
    // Writes to the name file fail from the Nth on. LeakSanitizer cannot work in a traced
    // process: a sanitizer build leaves it out here.
    const auto failWrites = [&](const QStringList& injected, const QString& cacheHome) {
        QStringList args{"-f", "-qq",
                         "-o", "/dev/null",
                         "-E", "ASAN_OPTIONS=detect_leaks=0",
                         "-E", "XDG_CACHE_HOME=" + cacheHome,
                         "-E", "XDG_STATE_HOME=" + state,
                         "-E", "TMPDIR=" + temp,
                         "-P", c.file,
                         "-e", "trace=write,ftruncate,fdatasync"};
        for (const QString& inject : injected) {
            args << "-e"
                 << "inject=" + inject;
        }
        if (root) {
            args << "-u"
                 << "nobody";
        }
        return RunMeasured(strace, args + QStringList{names, "import", c.file, c.csv});
    };
    const MeasuredRun failed = failWrites({"write:error=ENOSPC:when=1"}, cache);
    EXPECT_EQ(failed.exitCode, 1) << failed.output.toStdString();
    EXPECT_TRUE(failed.output.contains("it is unchanged.\n"));
    EXPECT_TRUE(failed.output.contains("Its former content was written back"))
        << failed.output.toStdString();
    EXPECT_TRUE(c.unchanged());

    const MeasuredRun written = RunMeasured(names, {"import", c.file, c.csv}, true);
    EXPECT_EQ(written.exitCode, 0) << written.output.toStdString();
    EXPECT_TRUE(written.output.contains("saved, in place")) << written.output.toStdString();
    const QByteArray saved = ReadBytes(c.file);
    EXPECT_EQ(PythonDecompress(c.file), WithName(c.plain, 1, "One"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
              QStringList({"names.csv", "unnamed_1846.bin"}));

    // Neither the new bytes nor the former ones can be written: the file is damaged, the
    // message does not call it unchanged, the former bytes stay in the journal, and the next
    // run puts them back and says so once.
    // Emptied names make the new file shorter: it is written over the old one, the cut to its
    // length fails, and so does every later write.
    ASSERT_TRUE(WriteBytes(c.csv, "index,name\n1,\n2,\n3,\n4,\n5,\n6,\n7,\n8,\n"));
    const MeasuredRun lost =
        failWrites({"ftruncate:error=EIO:when=1", "write:error=ENOSPC:when=2+"}, cache);
    EXPECT_EQ(lost.exitCode, 1);
    EXPECT_FALSE(lost.output.contains("unchanged")) << lost.output.toStdString();
    const QString journal = state + "/voxtrel-editor/";
    const QStringList copies = QDir(journal).entryList({"*.copy"}, QDir::Files);
    ASSERT_EQ(copies.size(), 1) << lost.output.toStdString();
    EXPECT_TRUE(lost.output.contains(copies[0]));
    EXPECT_EQ(ReadBytes(journal + copies[0]), saved);
    EXPECT_NE(ReadBytes(c.file), saved);
    const MeasuredRun next = RunMeasured(names, {"export", c.file, "-o", "-"}, true);
    EXPECT_EQ(next.exitCode, 0) << next.output.toStdString();
    EXPECT_TRUE(next.output.contains("was restored: a save of it at")) << next.output.toStdString();
    EXPECT_EQ(ReadBytes(c.file), saved);
    EXPECT_TRUE(QDir(journal).entryList(QDir::Files).isEmpty());
    const MeasuredRun quiet = RunMeasured(names, {"export", c.file, "-o", "-"}, true);
    EXPECT_FALSE(quiet.output.contains("restored"));

    // The disk confirms neither the write nor the write-back, yet the file reads back as it
    // was: the message says so, rather than that the content was lost.
    ASSERT_TRUE(WriteBytes(c.csv, "index,name\n1,Three\n"));
    const MeasuredRun unconfirmed = failWrites({"fdatasync:error=EIO"}, cache);
    EXPECT_EQ(unconfirmed.exitCode, 1);
    EXPECT_TRUE(unconfirmed.output.contains("it is unchanged")) << unconfirmed.output.toStdString();
    EXPECT_FALSE(unconfirmed.output.contains("could not be written back"));
    EXPECT_EQ(ReadBytes(c.file), saved);
    QFile::setPermissions(folder, readExec | QFile::WriteOwner);
}

// A save writes the file where it is and leaves it what it was: links, owner, group and mode.
TEST(VoxtrelNames, ASaveKeepsLinksOwnersAndMode) {
    Cli c;
    const QString target = c.file;
    ASSERT_TRUE(WriteBytes(c.csv, "index,name\n1,One\n"));
    const auto stamp = [](const QString& path) {
        struct stat st {};
        EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &st), 0) << path.toStdString();
        return st;
    };

    // A symbolic link is followed; the link stays a link.
    const QString link = c.app.userFile("link.bin");
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_EQ(c.run({"import", link, c.csv}).code, 0);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(PythonDecompress(target), WithName(c.plain, 1, "One"));
    // A link to nothing is a clear error, and makes no file.
    const QString dangling = c.app.userFile("dangling.bin");
    ASSERT_TRUE(QFile::link(c.app.userFile("gone.bin"), dangling));
    const Result nowhere = c.run({"import", dangling, c.csv});
    EXPECT_EQ(nowhere.code, 1);
    EXPECT_TRUE(nowhere.err.contains("link to a file that does not exist"))
        << nowhere.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(c.app.userFile("gone.bin")));

    // A file with two names is written in place: both names see the new names.
    const QString other = c.app.userFile("other-name.bin");
    ASSERT_EQ(::link(QFile::encodeName(target).constData(), QFile::encodeName(other).constData()),
              0);
    const ino_t inode = stamp(target).st_ino;
    ASSERT_TRUE(WriteBytes(c.csv, "index,name\n2,Two\n"));
    const Result linked = c.run({"import", target, c.csv});
    EXPECT_EQ(linked.code, 0);
    EXPECT_TRUE(linked.out.contains("in place: it has other names")) << linked.out.toStdString();
    EXPECT_EQ(stamp(target).st_ino, inode);
    EXPECT_EQ(stamp(other).st_nlink, 2u);
    EXPECT_EQ(ReadBytes(other), ReadBytes(target));
    ASSERT_TRUE(QFile::remove(other));

    // Extended attributes (access lists among them) go with the new file.
    const bool attributes =
        ::setxattr(QFile::encodeName(target).constData(), "user.note", "kept", 4, 0) == 0;
    // The mode survives whatever umask the saver runs under.
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0664), 0);
    for (const char* umask : {"022", "077"}) {
        ASSERT_TRUE(WriteBytes(c.csv, QByteArray("index,name\n3,Mask ") + umask + "\n"));
        QProcess p;
        p.start("sh", {"-c", QString("umask %1; exec \"$0\" import \"$1\" \"$2\"").arg(umask),
                       c.app.appPath() + "voxtrel-names", target, c.csv});
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0) << umask;
        EXPECT_EQ(stamp(target).st_mode & 07777, 0664u) << umask;
    }
    if (attributes) {
        char value[8] = {};
        EXPECT_EQ(::getxattr(QFile::encodeName(target).constData(), "user.note", value, 8), 4);
        EXPECT_STREQ(value, "kept");
    }
    if (::geteuid() != 0) {
        return; // the owner cases need a second user
    }
    // Root saving a user's file gives the new file the user's owner and group.
    ASSERT_EQ(::chown(QFile::encodeName(target).constData(), 65534, 65534), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0600), 0);
    ASSERT_TRUE(WriteBytes(c.csv, "index,name\n4,Root\n"));
    EXPECT_EQ(c.run({"import", target, c.csv}).code, 0);
    struct stat st = stamp(target);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    // A user saving a group-writable file of another owner writes it in place: no new file
    // could keep its owner. The folder takes new files.
    ASSERT_EQ(::chown(QFile::encodeName(target).constData(), 0, 65534), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0664), 0);
    const QString folder = QFileInfo(target).absolutePath();
    const QByteArray root = QFile::encodeName(QFileInfo(folder).absolutePath()); // the test's own
    ASSERT_EQ(::chmod(root.constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(c.app.appPath() + "zlib/temp").constData(), 0777), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(c.csv).constData(), 0644), 0);
    const ino_t before = stamp(target).st_ino;
    ASSERT_TRUE(WriteBytes(c.csv, "index,name\n5,Group\n"));
    const MeasuredRun user =
        RunMeasured(c.app.appPath() + "voxtrel-names", {"import", target, c.csv}, true);
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    ::chmod(root.constData(), 0700);
    EXPECT_EQ(user.exitCode, 0) << user.output.toStdString();
    EXPECT_TRUE(user.output.contains("could not keep its owner")) << user.output.toStdString();
    st = stamp(target);
    EXPECT_EQ(st.st_ino, before);
    EXPECT_EQ(st.st_uid, 0u);
    EXPECT_EQ(st.st_gid, 65534u);
    EXPECT_EQ(st.st_mode & 07777, 0664u);
    EXPECT_EQ(PythonDecompress(target).mid(9872 + 88 * 5, 6), QByteArray("Group\0", 6));
}

// Any name the file system takes works: one that is not UTF-8 (shown with its odd bytes
// escaped), and one of 255 bytes, which leaves no room for a longer working name.
TEST(VoxtrelNames, AnyNameTheFileSystemTakesWorks) {
    Cli c;
    ASSERT_TRUE(WriteBytes(c.csv, "index,name\n1,One\n"));
    const QString folder = QFileInfo(c.file).absolutePath();
    const QByteArray latin1 = QFile::encodeName(folder) + "/caf\xE9.bin";
    ASSERT_EQ(::rename(QFile::encodeName(c.file).constData(), latin1.constData()), 0);
    // The name's bytes reach the program as they are only through a shell's printf.
    QProcess p;
    p.setWorkingDirectory(folder);
    p.start("sh", {"-c", "exec \"$0\" import \"$(printf 'caf\\351.bin')\" \"$1\"",
                   c.app.appPath() + "voxtrel-names", c.csv});
    ASSERT_TRUE(p.waitForFinished(60000));
    const QString said = QString::fromUtf8(p.readAll());
    EXPECT_EQ(p.exitCode(), 0) << said.toStdString();
    EXPECT_TRUE(said.endsWith("caf\\xe9.bin saved.\n")) << said.toStdString();
    const QByteArray longest = QFile::encodeName(folder) + "/" + QByteArray(251, 'n') + ".bin";
    ASSERT_EQ(::rename(latin1.constData(), longest.constData()), 0); // 255 bytes
    const QString longName = QFile::decodeName(longest);
    EXPECT_EQ(PythonDecompress(longName), WithName(c.plain, 1, "One"));

    ASSERT_TRUE(WriteBytes(c.csv, "index,name\n2,Two\n"));
    const Result imported = c.run({"import", longName, c.csv});
    EXPECT_EQ(imported.code, 0) << imported.err.toStdString();
    EXPECT_EQ(PythonDecompress(longName), WithName(WithName(c.plain, 1, "One"), 2, "Two"));
    EXPECT_EQ(c.run({"export", longName, "-o", c.app.userFile("out.csv")}).code, 0);
}

// Two imports of one file at once, each of another name: both changes end in the file, or
// the one that lost says the file changed. Never two "saved" with a change missing.
TEST(VoxtrelNames, ConcurrentImportsLoseNoChange) {
    Cli c;
    const QString a = c.app.userFile("a.csv");
    const QString b = c.app.userFile("b.csv");
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        const QByteArray nameA = "A" + QByteArray::number(round);
        const QByteArray nameB = "B" + QByteArray::number(round);
        ASSERT_TRUE(WriteBytes(a, "index,name\n10," + nameA + "\n"));
        ASSERT_TRUE(WriteBytes(b, "index,name\n20," + nameB + "\n"));
        QProcess first;
        QProcess second;
        first.start(c.app.appPath() + "voxtrel-names", {"import", c.file, a});
        second.start(c.app.appPath() + "voxtrel-names", {"import", c.file, b});
        ASSERT_TRUE(first.waitForFinished(60000) && second.waitForFinished(60000));
        const QByteArray names = PythonDecompress(c.file);
        const bool hasA = names.mid(9872 + 88 * 10, nameA.size() + 1) == nameA + '\0';
        const bool hasB = names.mid(9872 + 88 * 20, nameB.size() + 1) == nameB + '\0';
        EXPECT_EQ(hasA, first.exitCode() == 0);
        EXPECT_EQ(hasB, second.exitCode() == 0);
        for (QProcess* p : {&first, &second}) {
            if (p->exitCode() != 0) {
                EXPECT_TRUE(p->readAllStandardError().contains("changed while it was being read"));
            }
        }
    }
}

// Only plain files are read, within a second, and the list goes only where the user said.
TEST(VoxtrelNames, OnlyPlainFilesAreReadAndTheListGoesWhereAsked) {
    Cli c;
    const QString fifo = c.app.userFile("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString socket = c.app.userFile("socket");
    const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = QFile::encodeName(socket);
    ASSERT_LT(size_t(socketPath.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));
    ASSERT_EQ(::bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const QString huge = c.app.userFile("huge.bin"); // a gigabyte, sparse: refused unread
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.resize(qint64(1) << 30));
    }
    QStringList others = {fifo, socket, c.app.userFile(""), huge};
    if (::geteuid() == 0) { // a device node of the test's own, like /dev/zero
        const QString device = c.app.userFile("zero");
        ASSERT_EQ(::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0600, makedev(1, 5)), 0);
        others << device;
    }
    for (const QString& odd : others) {
        SCOPED_TRACE(odd.toStdString());
        QElapsedTimer timer;
        timer.start();
        const Result asFile = c.run({"export", odd});
        const Result asList = c.run({"import", c.file, odd});
        EXPECT_LT(timer.elapsed(), 2000);
        EXPECT_EQ(asFile.code, 1);
        EXPECT_EQ(asList.code, 1);
        for (const QString& said : {asFile.err, asList.err}) {
            EXPECT_TRUE(said.contains("not a regular file") || said.contains("folder") ||
                        said.contains("larger than"))
                << said.toStdString();
        }
    }
    ::close(listening);
    EXPECT_TRUE(QDir(c.app.appPath() + "zlib/temp").isEmpty()); // nothing was copied

    // Export never writes over the name file, even when told the format, and writes into a
    // FIFO as a stream.
    const Result self = c.run({"export", c.file, "-o", c.file, "--format", "csv"});
    EXPECT_EQ(self.code, 1);
    EXPECT_TRUE(self.err.contains("the name file itself")) << self.err.toStdString();
    EXPECT_TRUE(c.unchanged());
    QProcess reader;
    reader.start("cat", {fifo});
    ASSERT_TRUE(reader.waitForStarted());
    EXPECT_EQ(c.run({"export", c.file, "-o", fifo}).code, 0);
    ASSERT_TRUE(reader.waitForFinished(10000));
    const QByteArray streamed = reader.readAllStandardOutput();
    EXPECT_TRUE(streamed.startsWith("\xEF\xBB\xBFindex,name\r\n0,Player 0\r\n"));
    EXPECT_TRUE(QFileInfo(fifo).isFile() == false && QFileInfo::exists(fifo));
    EXPECT_EQ(c.run({"export", c.file, "-o", "-"}).raw, streamed);
    EXPECT_EQ(c.run({"export", c.file, "-o", "/dev/null"}).code, 0);

    // "-" reads the list from standard input.
    QProcess piped;
    piped.start(c.app.appPath() + "voxtrel-names", {"import", c.file, "-"});
    piped.write("index,name\n7,Piped\n");
    piped.closeWriteChannel();
    ASSERT_TRUE(piped.waitForFinished(60000));
    EXPECT_EQ(piped.exitCode(), 0) << piped.readAllStandardError().toStdString();
    EXPECT_EQ(PythonDecompress(c.file).mid(9872 + 88 * 7, 6), QByteArray("Piped\0", 6));
}

} // namespace
} // namespace voxtrel

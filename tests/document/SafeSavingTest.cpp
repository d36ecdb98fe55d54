// What a save checks and what the document deletes: another program's change however it
// hides, and the working folder, which may hold only the document's own files and is never
// worked in through a link or as another user's.
#include "NameFiles.h"
#include "TestFiles.h"
#include "document/NameDocument.h"

#include <QDir>
#include <QFileInfo>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace voxtrel {
namespace {

using namespace test;

struct timespec modifiedOf(const QString& path) {
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mtim;
}

void setModified(const QString& path, struct timespec when) {
    const struct timespec times[2] = {{0, UTIME_OMIT}, when};
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
}

// A change the size alone, or the time alone, would miss: the same size with other bytes,
// and another size with the former modification time put back.
TEST(SafeSaving, AChangeThatKeepsTheSizeOrTheTimeIsSeen) {
    for (const bool sameSize : {true, false}) {
        SCOPED_TRACE(sameSize ? "same size" : "time put back");
        AppFolder app;
        const QString chosen = app.userFile("unnamed_1846.bin");
        const QByteArray plain = NameImage(1209);
        ASSERT_TRUE(WriteCompressed(chosen, plain));
        NameDocument doc(app.appPath(), app.workFolder());
        ASSERT_TRUE(doc.Open(chosen).Ok());
        ASSERT_TRUE(doc.Rename(3, "Mine"));
        const struct timespec read = modifiedOf(chosen);
        QByteArray theirs = ReadBytes(chosen);
        if (sameSize) {
            theirs[theirs.size() / 2] = char(theirs[theirs.size() / 2] ^ 0x5A);
        } else {
            theirs += "more";
        }
        const int fd = ::open(QFile::encodeName(chosen).constData(), O_WRONLY);
        ASSERT_EQ(::pwrite(fd, theirs.constData(), size_t(theirs.size()), 0), theirs.size());
        ::close(fd);
        setModified(chosen, sameSize ? timespec{read.tv_sec + 1, read.tv_nsec} : read);
        const SaveResult refused = doc.Save();
        EXPECT_EQ(refused.Result, SaveResult::Outcome::ChangedOnDisk);
        EXPECT_EQ(ReadBytes(chosen), theirs);
    }
}

// A working folder that is a link, or another user's, is refused with a message and never
// cleared: the folder it leads to keeps every file.
TEST(SafeSaving, ALinkedOrForeignWorkingFolderIsRefused) {
    for (const bool linked : {true, false}) {
        SCOPED_TRACE(linked ? "link" : "another user's");
        if (!linked && ::geteuid() != 0) {
            continue; // only root can give a folder to another user
        }
        AppFolder app;
        const QString work = app.workFolder().chopped(1);
        const QString victim = app.userFile("documents");
        ASSERT_TRUE(QDir().mkpath(victim));
        for (const char* name : {"names.bin", "names.bin.unzlib", "letter.txt"}) {
            ASSERT_TRUE(WriteBytes(victim + "/" + name, name));
        }
        ASSERT_TRUE(QDir(work).removeRecursively());
        if (linked) {
            ASSERT_TRUE(QFile::link(victim, work));
        } else {
            ASSERT_TRUE(QDir().rename(victim, work));
            ASSERT_EQ(::chown(QFile::encodeName(work).constData(), 65534, 65534), 0);
        }
        const QString chosen = app.userFile("unnamed_1846.bin");
        ASSERT_TRUE(WriteCompressed(chosen, NameImage(3)));
        {
            NameDocument doc(app.appPath(), WorkFolder::SharedWorkFolder(app.appPath()));
            const Result<QString> folder = doc.WorkFolderMade();
            ASSERT_FALSE(folder.Ok());
            EXPECT_TRUE(
                folder.Reason().contains(linked ? "it is a link" : "it belongs to another user"))
                << folder.Reason().toStdString();
            const OpenResult opened = doc.Open(chosen);
            EXPECT_FALSE(opened.Ok());
            EXPECT_EQ(opened.Reason, folder.Reason());
            doc.ClearWorkFolder();
        }
        const QString kept = linked ? victim : work;
        EXPECT_EQ(QDir(kept).entryList(QDir::Files).size(), 3);
    }
}

// Only the document's own working files go: a user's file of any other name, even one that
// looks like a working file, stays through an open, a save, clearing and the document's end.
TEST(SafeSaving, AUsersFileInTheWorkingFolderIsNeverDeleted) {
    AppFolder app;
    const QStringList users{"letter.txt", "names.bin.bak", "_names.bin.old", ".zt-notes"};
    for (const QString& name : users) {
        ASSERT_TRUE(WriteBytes(app.workFolder() + name, name.toUtf8()));
    }
    const QString chosen = app.userFile("unnamed_1846.bin");
    const QByteArray plain = NameImage(5);
    ASSERT_TRUE(WriteCompressed(chosen, plain));
    {
        NameDocument doc(app.appPath(), WorkFolder::SharedWorkFolder(app.appPath()));
        ASSERT_TRUE(doc.Open(chosen).Ok());
        ASSERT_TRUE(doc.Rename(1, "One"));
        ASSERT_TRUE(doc.Save().Ok());
        doc.ClearWorkFolder();
    }
    QStringList left = QDir(app.workFolder()).entryList(QDir::Files | QDir::Hidden);
    left.removeAll(".voxtrel-editor.lock");
    left.sort();
    QStringList expected = users;
    expected.sort();
    EXPECT_EQ(left, expected);
    for (const QString& name : users) {
        EXPECT_EQ(ReadBytes(app.workFolder() + name), name.toUtf8());
    }
}

} // namespace
} // namespace voxtrel

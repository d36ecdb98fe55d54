// One open name file without a window: open, rename, undo, save, and every failure, with
// the real tool. Each failure is judged by the bytes on disk.
#include "document/NameDocument.h"
#include "NameFiles.h"
#include "PosixTestPlatform.h"
#include "TestFiles.h"

#include "document/AtomicReplace.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <unistd.h>

namespace voxtrel {
namespace {

using namespace test;

// A document on an application folder, with a compressed file of k names opened.
struct Opened {
    AppFolder app;
    NameDocument doc{app.appPath(), app.workFolder()};
    QString chosen = app.userFile("unnamed_1846.bin");
    QByteArray plain;
    QByteArray before;
    std::unique_ptr<FileSizeLimit> limit;

    explicit Opened(int k = 1209) : plain(NameImage(k)) {
        EXPECT_TRUE(WriteCompressed(chosen, plain));
        before = ReadBytes(chosen);
        const OpenResult opened = doc.Open(chosen);
        EXPECT_TRUE(opened.Ok()) << opened.Reason.toStdString();
    }
};

TEST(NameDocument, SaveGivesBackEveryByteButTheRenamedName) {
    Opened o;
    QSignalSpy modified(&o.doc, &NameDocument::ModifiedChanged);
    EXPECT_FALSE(o.doc.IsModified());
    ASSERT_TRUE(o.doc.Rename(7, QString::fromUtf8("Jérôme Ünal")));
    EXPECT_TRUE(o.doc.IsModified());
    // What a save killed in the instant before its rename left beside the file goes with
    // the next save; a file of the user's with a name like it stays.
    const QString leftover = o.app.userFile(".unnamed_1846.bin.voxtrel-123456");
    const QString users = o.app.userFile(".unnamed_1846.bin.voxtrel-notes.txt");
    ASSERT_TRUE(WriteBytes(leftover, "half") && WriteBytes(users, "mine"));
    ASSERT_TRUE(o.doc.Save().Ok());
    EXPECT_FALSE(QFileInfo::exists(leftover));
    EXPECT_TRUE(QFileInfo::exists(users));
    EXPECT_FALSE(o.doc.IsModified());
    EXPECT_EQ(modified.size(), 2);
    EXPECT_EQ(PythonDecompress(o.chosen),
              WithName(o.plain, 7, QString::fromUtf8("Jérôme Ünal").toLatin1()));
    EXPECT_EQ(o.doc.SavedName(7), QString::fromUtf8("Jérôme Ünal"));

    // Saving again without the working files, as after the window empties its folder.
    o.doc.ClearWorkFolder();
    EXPECT_TRUE(QDir(o.app.workFolder()).isEmpty());
    ASSERT_TRUE(o.doc.Rename(8, "Eight"));
    ASSERT_TRUE(o.doc.Save().Ok());
    EXPECT_EQ(PythonDecompress(o.chosen).mid(9872 + 88 * 8, 6), QByteArray("Eight\0", 6));
}

TEST(NameDocument, FailedOpenKeepsTheOpenFileAndItsRenames) {
    Opened o;
    ASSERT_TRUE(o.doc.Rename(3, "Kept"));
    const QString text = o.app.userFile("notes.txt");
    ASSERT_TRUE(WriteBytes(text, "not compressed at all"));
    OpenResult opened = o.doc.Open(text);
    EXPECT_EQ(opened.Result, OpenResult::Outcome::Failed);
    EXPECT_TRUE(opened.Reason.contains("could not be decompressed")) << opened.Reason.toStdString();
    // The tool's reason, without the working copy the user never chose.
    EXPECT_TRUE(opened.Reason.endsWith("\nnot valid zlib data (no zlib header)"))
        << opened.Reason.toStdString();
    EXPECT_EQ(o.doc.Open(o.app.userFile("missing.bin")).Result, OpenResult::Outcome::Missing);
    opened = o.doc.Open(o.app.userFile(""));
    EXPECT_EQ(opened.Result, OpenResult::Outcome::Unreadable);
    EXPECT_TRUE(opened.Reason.contains("folder")) << opened.Reason.toStdString();

    EXPECT_EQ(o.doc.FilePath(), o.chosen);
    EXPECT_EQ(o.doc.Table().Get_Nazwa(3), QString("Kept"));
    EXPECT_TRUE(o.doc.IsModified());
    ASSERT_TRUE(o.doc.Save().Ok());
    EXPECT_EQ(PythonDecompress(o.chosen), WithName(o.plain, 3, "Kept"));
    EXPECT_EQ(ReadBytes(text), QByteArray("not compressed at all"));
}

// Another program's change made between the read and the save is never written over unasked:
// a file rewritten in place, or replaced by a new one.
TEST(NameDocument, AFileChangedOnDiskIsNotOverwritten) {
    for (const bool replaced : {false, true}) {
        SCOPED_TRACE(replaced ? "replaced" : "rewritten");
        Opened o;
        ASSERT_TRUE(o.doc.Rename(3, "Mine"));
        const QByteArray theirs = [&] {
            EXPECT_TRUE(WriteCompressed(o.chosen + ".new", WithName(o.plain, 9, "Theirs")));
            return ReadBytes(o.chosen + ".new");
        }();
        if (replaced) {
            ASSERT_TRUE(QFile::remove(o.chosen) && QFile::rename(o.chosen + ".new", o.chosen));
        } else {
            ASSERT_TRUE(WriteBytes(o.chosen, theirs));
        }
        const SaveResult refused = o.doc.Save();
        EXPECT_EQ(refused.Result, SaveResult::Outcome::ChangedOnDisk);
        EXPECT_EQ(ReadBytes(o.chosen), theirs);
        EXPECT_TRUE(o.doc.IsModified());
        SaveOptions overwrite;
        overwrite.OverwriteChanged = true;
        ASSERT_TRUE(o.doc.Save(overwrite).Ok());
        EXPECT_EQ(PythonDecompress(o.chosen), WithName(o.plain, 3, "Mine"));
        // The file as saved is the one the next save checks against.
        ASSERT_TRUE(o.doc.Rename(4, "Again"));
        EXPECT_TRUE(o.doc.Save().Ok());
    }
}

// A failed in-place write puts the former bytes back; when that fails too, they are kept
// where the result says.
TEST(NameDocument, AFailedInPlaceWriteGivesTheFormerBytesBack) {
    Opened o;
    const QString other = o.app.userFile("second-name.bin");
    ASSERT_EQ(::link(QFile::encodeName(o.chosen).constData(), QFile::encodeName(other).constData()),
              0); // two names: written in place
    ASSERT_TRUE(o.doc.Rename(2, "Lost"));
    int writes = 0;
    o.doc.Writer().setInPlaceWriter(
        [&writes](const ResolvedTarget& target, const QByteArray& bytes) {
            ++writes;
            (void)WriteInPlace(target, bytes.left(100)); // a torn write
            return FileWrite::Error("No space left on device");
        });
    const SaveResult back = o.doc.Save();
    EXPECT_EQ(back.Result, SaveResult::Outcome::Failed);
    EXPECT_TRUE(back.Reason.contains("written back")) << back.Reason.toStdString();
    EXPECT_EQ(ReadBytes(o.chosen), o.before);
    EXPECT_EQ(writes, 1);
    EXPECT_TRUE(o.doc.IsModified());
}

TEST(NameDocument, UndoStepsMergeTypingAndImportIsOneStep) {
    Opened o;
    QUndoStack* undo = o.doc.UndoStack();
    for (const char* typed : {"P", "Pa", "Pat"}) {
        o.doc.Rename(2, typed);
    }
    o.doc.Rename(4, "Four");
    EXPECT_EQ(undo->count(), 2); // one burst of typing per record
    NameChange five, six;
    five.Index = 5;
    five.NewName = "Five";
    six.Index = 6;
    six.NewName = "Six";
    ASSERT_TRUE(o.doc.Import({five, six}).Ok());
    EXPECT_EQ(undo->count(), 3);

    QList<qint32> changed;
    QObject::connect(&o.doc, &NameDocument::NameChanged, [&](qint32 i) { changed << i; });
    undo->undo();
    EXPECT_EQ(o.doc.Table().Get_Nazwa(5), QString("Player 5"));
    EXPECT_EQ(o.doc.Table().Get_Nazwa(6), QString("Player 6"));
    undo->undo();
    undo->undo();
    EXPECT_EQ(o.doc.Table().Get_Nazwa(2), QString("Player 2"));
    EXPECT_FALSE(o.doc.IsModified()); // back where the file was opened
    EXPECT_EQ(changed.size(), 4);
    undo->redo();
    EXPECT_EQ(o.doc.Table().Get_Nazwa(2), QString("Pat"));

    // Typing a name back to what it was leaves no step behind.
    o.doc.Rename(9, "X");
    o.doc.Rename(9, "Player 9");
    EXPECT_EQ(undo->count(), 1);
}

TEST(NameDocument, SwitchingTheCodePageKeepsEveryByteAndUndo) {
    Opened o;
    const CodePage& central = *CodePage::Find("windows-1250");
    const CodePage& cyrillic = *CodePage::Find("windows-1251");
    o.doc.setEncoding(central);
    ASSERT_TRUE(o.doc.Rename(3, QString::fromUtf8("Łukasz Żak")));
    o.doc.setEncoding(cyrillic);
    EXPECT_EQ(o.doc.Table().Get_Nazwa(3),
              QString::fromUtf8("Јukasz Їak")); // the same bytes, read again
    ASSERT_TRUE(o.doc.Rename(4, QString::fromUtf8("Шевченко")));
    EXPECT_TRUE(o.doc.IsModified());
    o.doc.setEncoding(CodePage::Western());
    ASSERT_TRUE(o.doc.Save().Ok());
    QByteArray expected = WithName(o.plain, 3,
                                   "\xA3ukasz \xAF"
                                   "ak");
    expected = WithName(expected, 4, "\xD8\xE5\xE2\xF7\xE5\xED\xEA\xEE");
    EXPECT_EQ(PythonDecompress(o.chosen), expected);

    // Undo gives back the bytes there were, whatever the code page in force.
    o.doc.UndoStack()->undo();
    o.doc.UndoStack()->undo();
    EXPECT_EQ(o.doc.Table().GetNazwaBytes(3), QByteArray("Player 3"));
    EXPECT_EQ(o.doc.Table().GetNazwaBytes(4), QByteArray("Player 4"));
}

TEST(NameDocument, PrivateWorkingFoldersNeverMeet) {
    AppFolder app;
    const QString chosen = app.userFile("unnamed_1846.bin");
    ASSERT_TRUE(WriteCompressed(chosen, NameImage(5)));
    QString folder;
    {
        NameDocument first(app.appPath());
        NameDocument second(app.appPath());
        EXPECT_NE(first.WorkFolder(), second.WorkFolder());
        EXPECT_FALSE(first.WorkFolder().startsWith(app.appPath()));
        ASSERT_TRUE(first.Open(chosen).Ok());
        ASSERT_TRUE(second.Open(chosen).Ok());
        first.ClearWorkFolder();
        EXPECT_TRUE(QDir(first.WorkFolder()).isEmpty());
        EXPECT_FALSE(QDir(second.WorkFolder()).isEmpty());
        folder = second.WorkFolder();
    }
    EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_TRUE(QDir(app.workFolder()).isEmpty());
}

TEST(NameDocument, CancelEndsAHangingToolAndTheRunFails) {
    Opened o;
    ASSERT_TRUE(o.doc.Rename(1, "Before"));
    o.app.replaceTool("sleep 30\n");
    bool busy = false;
    bool renamed = true;
    QString busyError;
    QTimer::singleShot(200, [&] {
        busy = o.doc.ToolBusy();
        renamed = o.doc.Rename(1, "During");
        busyError = o.doc.Save().Reason;
        o.doc.CancelTool();
    });
    const SaveResult saved = o.doc.Save();
    const QString error = saved.Reason;
    EXPECT_EQ(saved.Result, SaveResult::Outcome::Failed);
    EXPECT_TRUE(busy);
    EXPECT_FALSE(renamed);
    EXPECT_TRUE(busyError.contains("still running")) << busyError.toStdString();
    EXPECT_TRUE(error.contains("cancelled")) << error.toStdString();
    EXPECT_FALSE(o.doc.ToolBusy());
    EXPECT_EQ(ReadBytes(o.chosen), o.before);
    EXPECT_EQ(o.doc.Table().Get_Nazwa(1), QString("Before"));
    EXPECT_TRUE(o.doc.IsModified());
}

// Every way a save can fail leaves the chosen file byte for byte as it was, says what failed,
// keeps the renames, and the same document saves once the cause is gone.
struct SaveFault {
    const char* name;
    const char* says;
    std::function<void(Opened&)> cause;
    std::function<void(Opened&)> cure;
    SaveResult::Outcome outcome = SaveResult::Outcome::Failed;
};

// The test list names a case by its name, not by its bytes.
void PrintTo(const SaveFault& fault, std::ostream* out) {
    *out << fault.name;
}

class SaveFailure : public ::testing::TestWithParam<SaveFault> {};

TEST_P(SaveFailure, LeavesTheFileAsItWas) {
    const SaveFault& fault = GetParam();
    Opened o;
    ASSERT_TRUE(o.doc.Rename(4, "Player 4 edited"));
    fault.cause(o);
    const SaveResult saved = o.doc.Save();
    EXPECT_EQ(saved.Result, fault.outcome);
    EXPECT_TRUE(saved.Reason.contains(fault.says)) << saved.Reason.toStdString();
    if (fault.cure) {
        fault.cure(o);
    }
    EXPECT_EQ(ReadBytes(o.chosen), o.before);
    EXPECT_TRUE(o.doc.IsModified());
    ASSERT_TRUE(o.doc.Save().Ok());
    EXPECT_EQ(PythonDecompress(o.chosen), WithName(o.plain, 4, "Player 4 edited"));
}

const QByteArray Tool = ZLIBTOOL_PATH;

INSTANTIATE_TEST_SUITE_P(
    NameDocument, SaveFailure,
    ::testing::Values(
        SaveFault{"WorkingFileBlocked", "working file",
                  [](Opened& o) {
                      QFile::remove(o.doc.Table().Path());
                      QDir().mkpath(o.doc.Table().Path()); // a folder where the working file goes
                  },
                  [](Opened& o) { QDir(o.doc.Table().Path()).removeRecursively(); }},
        SaveFault{"ToolFails", "no room at the inn",
                  [](Opened& o) {
                      o.app.replaceTool("echo 'zlibtool: no room at the inn' >&2\nexit 1\n");
                  },
                  [](Opened& o) { o.app.restoreTool(); }},
        SaveFault{"ToolMissing", "could not be started",
                  [](Opened& o) { QFile::remove(o.app.toolPath()); },
                  [](Opened& o) { o.app.restoreTool(); }},
        SaveFault{"ToolWritesNothing", "no compressed file",
                  [](Opened& o) { o.app.replaceTool("exit 0\n"); },
                  [](Opened& o) { o.app.restoreTool(); }},
        SaveFault{"CheckDoesNotMatch", "does not decompress",
                  [](Opened& o) {
                      // Compresses something else than it was given.
                      o.app.replaceTool("if [ \"$2\" = \"-d\" ]; then exec \"" + Tool +
                                        "\" \"$@\"; fi\n" + "echo other > \"$1.other\"\n\"" + Tool +
                                        "\" \"$1.other\" && mv \"$1.other.zlib\" \"$1.zlib\"\n");
                  },
                  [](Opened& o) { o.app.restoreTool(); }},
        SaveFault{
            "ChosenFileReadOnly", "read-only",
            [](Opened& o) { QFile::setPermissions(o.chosen, QFile::ReadOwner | QFile::ReadGroup); },
            [](Opened& o) {
                QFile::setPermissions(o.chosen, QFile::ReadOwner | QFile::WriteOwner);
            }},
        // The file is gone from where it was read: another program's doing, so the save
        // asks before it makes a new one there.
        SaveFault{"ChosenFolderGone", "changed on disk",
                  [](Opened& o) {
                      const QString folder = QFileInfo(o.chosen).absolutePath();
                      QDir().rename(folder, folder + "_moved");
                  },
                  [](Opened& o) {
                      const QString folder = QFileInfo(o.chosen).absolutePath();
                      EXPECT_FALSE(QFileInfo::exists(o.chosen));
                      QDir().rename(folder + "_moved", folder);
                  },
                  SaveResult::Outcome::ChangedOnDisk},
        SaveFault{"DiskFull", "working file",
                  // The 117585-byte working file cannot be written.
                  [](Opened& o) { o.limit = std::make_unique<FileSizeLimit>(60000); },
                  [](Opened& o) { o.limit.reset(); }}),
    [](const ::testing::TestParamInfo<SaveFault>& p) { return std::string(p.param.name); });

} // namespace
} // namespace voxtrel

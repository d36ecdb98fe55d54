// Every way a save can fail leaves the chosen file byte for byte as it was, says what
// failed, keeps the working files, and leaves the window ready to save again.
#include "EditorRig.h"
#include "PosixTestPlatform.h"
#include "app/frmMain.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

using namespace voxtrel;
using namespace voxtrel::test;

class SaveFailureTest : public QObject {
    Q_OBJECT

    struct Opened {
        EditorRig rig;
        QString chosen;
        QByteArray before;

        Opened() {
            chosen = rig.userFile("unnamed_1846.bin");
            EditorRig::writeCompressed(chosen, EditorRig::nameImage(20));
            before = EditorRig::read(chosen);
            rig.open(chosen);
            rig.find<QListWidget>("List1")->setCurrentRow(4);
            QTest::keyClicks(rig.find<QLineEdit>("txt0"), " edited");
            rig.messages->shown.clear();
        }
        // The failed save: message, file untouched, working files kept.
        void expectFailure(const char* why) {
            rig.window().Cmd_Zapisz_Click();
            QCOMPARE(rig.messages->shown.size(), 1);
            const QString text = rig.messages->shown[0].text;
            QVERIFY2(text.contains("not saved") && text.contains(why), qPrintable(text));
            QVERIFY(rig.messages->shown[0].icon == MessageBoxes::Icon::Warning);
            QCOMPARE(EditorRig::read(chosen), before);
            QVERIFY(rig.workFiles().contains("unnamed_1846.bin"));
            QVERIFY(rig.find<QLineEdit>("txt0")->isEnabled());
            rig.messages->shown.clear();
        }
        // After the cause is gone, the same window saves.
        void expectSaveWorks() {
            rig.window().Cmd_Zapisz_Click();
            QCOMPARE(rig.messages->shown.size(), 1);
            QCOMPARE(rig.messages->shown[0].text, QString("Save File"));
            QCOMPARE(EditorRig::pythonDecompress(chosen).mid(9872 + 88 * 4, 16), QByteArray("Player 4 edited\0", 16));
        }
    };

private slots:
    void workingFileCannotBeWritten() {
        Opened o;
        const QString working = o.rig.window().NameTable().Path();
        QFile::remove(working);
        QVERIFY(QDir().mkpath(working)); // a folder stands where the working file goes
        o.expectFailure("working file");
        QDir(working).removeRecursively();
        o.expectSaveWorks();
    }

    void toolFails() {
        Opened o;
        o.rig.replaceTool("echo 'zlibtool: no room at the inn' >&2\nexit 1\n");
        o.expectFailure("no room at the inn");
        o.rig.restoreTool();
        o.expectSaveWorks();
    }

    void toolDoesNotStart() {
        Opened o;
        QFile::remove(o.rig.toolPath());
        o.expectFailure("could not be started");
        o.rig.restoreTool();
        o.expectSaveWorks();
    }

    void toolWritesNothing() {
        Opened o;
        o.rig.replaceTool("exit 0\n");
        o.expectFailure("no compressed file");
        o.rig.restoreTool();
        o.expectSaveWorks();
    }

    void checkDoesNotMatch() {
        Opened o;
        // Compresses something else than it was given.
        o.rig.replaceTool("if [ \"$2\" = \"-d\" ]; then exec \"" + QByteArray(ZLIBTOOL_PATH) +
                          "\" \"$@\"; fi\necho other > \"$1.other\"\n\"" + QByteArray(ZLIBTOOL_PATH) +
                          "\" \"$1.other\" && mv \"$1.other.zlib\" \"$1.zlib\"\n");
        o.expectFailure("does not decompress");
        o.rig.restoreTool();
        o.expectSaveWorks();
    }

    void readOnlyChosenFile() {
        Opened o;
        QFile::setPermissions(o.chosen, QFile::ReadOwner | QFile::ReadGroup);
        o.expectFailure("read-only");
        QFile::setPermissions(o.chosen, QFile::ReadOwner | QFile::WriteOwner);
        o.expectSaveWorks();
    }

    void chosenFolderVanished() {
        Opened o;
        const QString folder = QFileInfo(o.chosen).absolutePath();
        QVERIFY(QDir().rename(folder, folder + "_moved"));
        o.rig.window().Cmd_Zapisz_Click();
        QCOMPARE(o.rig.messages->shown.size(), 1);
        QVERIFY(o.rig.messages->shown[0].text.contains("cannot be written"));
        QVERIFY(!QFile::exists(o.chosen));
        QCOMPARE(EditorRig::read(folder + "_moved/unnamed_1846.bin"), o.before);
        o.rig.messages->shown.clear();
        QVERIFY(QDir().rename(folder + "_moved", folder));
        o.expectSaveWorks();
    }

    void diskFull() {
        Opened o;
        {
            const FileSizeLimit full(60000); // the 117585-byte working file cannot be written
            o.expectFailure("working file");
        }
        o.expectSaveWorks();
    }
};

QTEST_MAIN(SaveFailureTest)
#include "SaveFailureTest.moc"

// A failed save as the window shows it: a warning that says what failed, the chosen file
// byte for byte as it was, the working files kept, and the window ready to save again.
// Every way a save can fail is tried on the document core itself.
#include "EditorRig.h"
#include "app/frmMain.h"

#include <QDir>
#include <QLineEdit>
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
            EditorRig::writeCompressed(chosen, EditorRig::nameImage(1209));
            before = EditorRig::read(chosen);
            rig.open(chosen);
            rig.list()->setCurrentRow(4);
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
            QVERIFY(rig.workFiles().contains("names.bin"));
            QVERIFY(rig.find<QLineEdit>("txt0")->isEnabled());
            rig.messages->shown.clear();
        }
        // After the cause is gone, the same window saves.
        void expectSaveWorks() {
            rig.window().Cmd_Zapisz_Click();
            QCOMPARE(rig.messages->shown.size(), 1);
            QCOMPARE(rig.messages->shown[0].text, QString("Save File"));
            QCOMPARE(EditorRig::pythonDecompress(chosen).mid(9872 + 88 * 4, 16),
                     QByteArray("Player 4 edited\0", 16));
        }
    };

private slots:
    void toolFails() {
        Opened o;
        o.rig.replaceTool("echo 'zlibtool: no room at the inn' >&2\nexit 1\n");
        o.expectFailure("no room at the inn");
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
};

QTEST_MAIN(SaveFailureTest)
#include "SaveFailureTest.moc"

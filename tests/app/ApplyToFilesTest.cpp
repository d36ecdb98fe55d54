// The window's Apply to other files: the preview per file, Apply only when every file passes,
// the result per file; the patch of the current differences in the direction chosen, and the
// compared file's name for the selected record; the import preview's reader notes.
#include "EditorRig.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QtTest>

using namespace voxtrel;
using namespace voxtrel::test;

class ApplyToFilesTest : public QObject {
    Q_OBJECT

private slots:
    // A patch file to three files, one read-only: the preview says so and Apply waits; with
    // it writable again, Apply writes all three, each in the code page its row shows.
    void previewAndApplyOnThreeFiles() {
        EditorRig rig;
        const QByteArray plain = EditorRig::nameImage(1209);
        const QString open = rig.userFile("open.bin");
        QVERIFY(EditorRig::writeCompressed(open, plain));
        QStringList three;
        for (int i = 0; i < 3; ++i) {
            three << rig.userFile(QString("unnamed_%1.bin").arg(1845 + i));
            QVERIFY(EditorRig::writeCompressed(three.back(), plain));
        }
        const QString patch = rig.userFile("patch.csv");
        EditorRig::write(patch, "index,name,was\n3,Three,Player 3\n");
        QFile::setPermissions(three[2], QFile::ReadOwner);
        rig.open(open);

        rig.files->next = patch;
        rig.files->nextFiles = three;
        rig.find<QAction>("MnuApplyToFiles")->trigger();
        auto* dialog = rig.find<QDialog>("ApplyToFiles");
        QVERIFY(dialog && dialog->isVisible());
        auto* table = dialog->findChild<QTableWidget*>("ApplyFiles");
        auto* apply = dialog->findChild<QPushButton*>("ApplyButton");
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(table->item(0, 2)->text(), QString("1"));
        QCOMPARE(table->item(2, 5)->text(), QString("Yes"));
        QVERIFY(table->item(2, 6)->text().contains("read-only"));
        QVERIFY(!apply->isEnabled());

        QFile::setPermissions(three[2], QFile::ReadOwner | QFile::WriteOwner);
        dialog->findChild<QComboBox*>("ApplyPage1")->setCurrentText("windows-1253");
        QCOMPARE(table->item(2, 5)->text(), QString());
        QVERIFY(apply->isEnabled());
        apply->click();
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(EditorRig::pythonDecompress(three[i]).mid(9872 + 88 * 3, 6),
                     QByteArray("Three\0", 6));
            QCOMPARE(table->item(i, 6)->text(), QString("Saved."));
        }
        QVERIFY(!apply->isEnabled());
        QCOMPARE(EditorRig::pythonDecompress(open).mid(9872 + 88 * 3, 8), QByteArray("Player 3"));
    }

    // With the game's file open and the modded copy compared, the status bar names the
    // compared file's name of the selected record; the differences that turn the open file
    // into the compared one carry the mod to another version, and Export differences says
    // which way its patch runs in its name.
    void currentDifferencesInTheChosenDirection() {
        EditorRig rig;
        const QByteArray plain = EditorRig::nameImage(1209);
        const QString game = rig.userFile("game.bin");
        const QString modded = rig.userFile("modded.bin");
        const QString other = rig.userFile("unnamed_1847.bin");
        QVERIFY(EditorRig::writeCompressed(game, plain));
        QVERIFY(EditorRig::writeCompressed(modded, EditorRig::withName(plain, 3, "Three")));
        QVERIFY(EditorRig::writeCompressed(other, plain));
        rig.open(game);
        rig.files->next = modded;
        rig.find<QAction>("MnuCompare")->trigger();
        rig.select(3);
        QVERIFY(rig.window().statusBar()->currentMessage().contains("record 3 there: \"Three\""));

        rig.messages->choices = {1, 1};
        rig.files->next = rig.userFile("p.csv");
        rig.find<QAction>("MnuExportDifferences")->trigger();
        QCOMPARE(rig.files->suggested, rig.userFile("patch game to modded.xlsx"));
        QCOMPARE(EditorRig::read(rig.userFile("p.csv")),
                 QByteArray("\xEF\xBB\xBFindex,name,was\r\n3,Three,Player 3\r\n"));

        rig.files->nextFiles = {other, game};
        rig.find<QAction>("MnuApplyToFiles")->trigger();
        auto* dialog = rig.find<QDialog>("ApplyToFiles");
        auto* table = dialog->findChild<QTableWidget*>("ApplyFiles");
        QVERIFY(table->item(1, 6)->text().contains("open in the editor"));
        QVERIFY(!dialog->findChild<QPushButton*>("ApplyButton")->isEnabled());
    }

    // Import names shows what the workbook reader noticed in its preview: the sheet it read
    // of several, and the hidden rows it read.
    void importPreviewShowsTheReaderNotes() {
        EditorRig rig;
        const QString f = rig.userFile("e.bin");
        QVERIFY(EditorRig::writeCompressed(f, EditorRig::nameImage(1209)));
        const QString book = rig.userFile("two.xlsx");
        const PythonRun made = SystemPython(QStringLiteral(R"(
import sys, openpyxl
wb = openpyxl.Workbook(); old = wb.active; old.title = 'old'
old.append(['index', 'name'])
ws = wb.create_sheet('names')
for row in [['index', 'name'], [1, 'One'], [2, 'Two']]: ws.append(row)
ws.row_dimensions[3].hidden = True
wb.active = 1
old.sheet_state = 'hidden'
wb.save(sys.argv[1])
)"),
                                            {book});
        QVERIFY2(made.exitCode == 0, qPrintable(made.output));
        rig.open(f);
        rig.preview->answers = {false};
        rig.files->next = book;
        rig.find<QAction>("MnuImportNames")->trigger();
        QCOMPARE(rig.preview->notes,
                 QList<QStringList>(
                     {{"Read the sheet \"names\", the first visible one of 2 sheets.",
                       "1 hidden row was read: 3."}}));
    }
};

QTEST_MAIN(ApplyToFilesTest)
#include "ApplyToFilesTest.moc"

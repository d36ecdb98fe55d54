// The window's name lists: export and import with the preview, and the comparison with
// another name file, with the real tool.
#include "EditorRig.h"
#include "app/ChangePreviewDialog.h"
#include "app/CompareMarks.h"
#include "app/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

using namespace voxtrel;
using namespace voxtrel::test;

class NameListsTest : public QObject {
    Q_OBJECT

private slots:
    void importAndExportNames() {
        EditorRig rig;
        const QString f = rig.userFile("e.bin");
        const QByteArray plain = EditorRig::nameImage(1209);
        QVERIFY(EditorRig::writeCompressed(f, plain));
        const QByteArray before = EditorRig::read(f);
        QVERIFY(!rig.find<QAction>("MnuExportNames")->isEnabled());
        QVERIFY(!rig.find<QAction>("MnuImportNames")->isEnabled());
        rig.open(f);
        rig.select(2);

        // A workbook unless the name asks for CSV.
        rig.files->next = rig.userFile("names");
        rig.find<QAction>("MnuExportNames")->trigger();
        QCOMPARE(rig.files->suggested, rig.userFile("e.xlsx"));
        QVERIFY(EditorRig::read(rig.userFile("names.xlsx")).startsWith("PK\x03\x04"));
        const QString csv = rig.userFile("names.csv");
        rig.files->next = csv;
        rig.find<QAction>("MnuExportNames")->trigger();
        QVERIFY(EditorRig::read(csv).startsWith("\xEF\xBB\xBFindex,name\r\n0,Player 0\r\n"));
        QCOMPARE(rig.messages->shown.last().text, "1209 names exported to \"" + csv + "\".");

        // Nothing changes before the preview is applied; a list that changes nothing shows
        // none.
        rig.files->next = rig.userFile("names.xlsx");
        rig.find<QAction>("MnuImportNames")->trigger();
        QCOMPARE(rig.messages->shown.last().text, QString("The name list changes no name."));
        QVERIFY(rig.preview->shown.isEmpty());
        rig.files->next = csv;
        EditorRig::write(csv, "index,name\n2,Two\n1000,Thousand\n3,Player 3\n");
        rig.preview->answers = {false};
        rig.find<QAction>("MnuImportNames")->trigger();
        QCOMPARE(rig.preview->shown.size(), 1);
        QCOMPARE(rig.preview->shown[0].size(), 2);
        QCOMPARE(rig.preview->shown[0][1].OldName, QString("Player 1000"));
        QCOMPARE(rig.preview->shown[0][1].NewName, QString("Thousand"));
        QCOMPARE(rig.listLines()[2], QString("Player 2"));
        QVERIFY(!rig.window().Document().IsModified());
        rig.find<QAction>("MnuImportNames")->trigger(); // applied
        QCOMPARE(rig.messages->shown.last().text,
                 QString("2 names changed. Save writes them to the file."));
        QCOMPARE(rig.window().Document().UndoStack()->count(), 1); // one step
        QCOMPARE(rig.listLines()[2], QString("Two"));
        QCOMPARE(rig.listLines()[1000], QString("Thousand"));
        QCOMPARE(rig.nameField()->text(), QString("Two")); // the record shown took its new name
        QCOMPARE(rig.find<QLabel>("Label1")->text(), QString("Two"));
        QCOMPARE(EditorRig::read(f), before); // the user still chooses when to save

        // A list with one bad row is refused whole: nothing of it reaches the table.
        EditorRig::write(csv, "index,name\n4,Four\n5,Bad\tname\n");
        rig.find<QAction>("MnuImportNames")->trigger();
        const Message refused = rig.messages->shown.last();
        QVERIFY2(refused.text.contains("line 3: the name holds the control character U+0009"),
                 qPrintable(refused.text));
        QVERIFY(refused.icon == MessageBoxes::Icon::Warning);
        QCOMPARE(rig.listLines()[4], QString("Player 4"));
        QCOMPARE(rig.window().NameTable().Get_Nazwa(4), QString("Player 4"));

        rig.files->next.clear(); // cancelled: nothing happens
        const int shown = rig.messages->shown.size();
        rig.find<QAction>("MnuImportNames")->trigger();
        QCOMPARE(rig.messages->shown.size(), shown);

        rig.window().Cmd_Zapisz_Click();
        QCOMPARE(rig.messages->shown.last().text, QString("Save File"));
        QCOMPARE(EditorRig::pythonDecompress(f),
                 EditorRig::withName(EditorRig::withName(plain, 2, "Two"), 1000, "Thousand"));
    }

    // Compare with file: the names that differ are tinted (not bold), counted, stepped
    // through with F7 and Shift+F7, follow renames, and export as a patch; another open
    // clears them.
    void compareMarksAndStepping() {
        EditorRig rig;
        const QByteArray plain = EditorRig::nameImage(1209);
        const QString mine = rig.userFile("mine.bin");
        const QString game = rig.userFile("game.bin");
        QVERIFY(EditorRig::writeCompressed(
            mine, EditorRig::withName(EditorRig::withName(plain, 5, "Five"), 700, "Seven")));
        QVERIFY(EditorRig::writeCompressed(game, plain));
        rig.window().show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window()));
        rig.open(mine);
        rig.files->next = game;
        rig.find<QAction>("MnuCompare")->trigger();
        auto* list = rig.list();
        const auto marked = [list] {
            QList<int> rows;
            for (int i = 0; i < list->count(); ++i) {
                if (list->item(i)->background().color() == CompareMarks::Tint()) {
                    rows << i;
                }
            }
            return rows;
        };
        QCOMPARE(marked(), QList<int>({5, 700}));
        QVERIFY(!list->item(5)->font().bold()); // not an unsaved rename
        QVERIFY(
            rig.window().statusBar()->currentMessage().startsWith("2 names differ from game.bin"));
        list->setCurrentRow(10);
        QTest::keyClick(&rig.window(), Qt::Key_F7);
        QCOMPARE(list->currentRow(), 700);
        QTest::keyClick(&rig.window(), Qt::Key_F7);
        QCOMPARE(list->currentRow(), 5); // round the end
        QTest::keyClick(&rig.window(), Qt::Key_F7, Qt::ShiftModifier);
        QCOMPARE(list->currentRow(), 700);

        rig.select(8);
        rig.retype("Eight");
        QCOMPARE(marked(), QList<int>({5, 8, 700}));
        const QString patch = rig.userFile("patch.csv");
        rig.files->next = patch;
        rig.find<QAction>("MnuExportDifferences")->trigger();
        QCOMPARE(EditorRig::read(patch),
                 QByteArray("\xEF\xBB\xBFindex,name,was\r\n5,Five,Player 5\r\n8,Eight,Player 8\r\n"
                            "700,Seven,Player 700\r\n"));

        rig.messages->answers = {MessageBoxes::Answer::Discard};
        rig.open(game);
        QVERIFY(marked().isEmpty());
    }

    // A file that is not a name file is refused with the reason, and the marks of the file
    // compared before stay.
    void compareRefusesAFileThatIsNotANameFile() {
        EditorRig rig;
        const QByteArray plain = EditorRig::nameImage(1209);
        const QString mine = rig.userFile("mine.bin");
        const QString game = rig.userFile("game.bin");
        const QString odd = rig.userFile("odd.bin");
        QVERIFY(EditorRig::writeCompressed(mine, EditorRig::withName(plain, 3, "Three")));
        QVERIFY(EditorRig::writeCompressed(game, plain));
        QVERIFY(EditorRig::writeCompressed(odd, QByteArray(27, 'z')));
        rig.open(mine);
        rig.files->next = game;
        rig.find<QAction>("MnuCompare")->trigger();
        rig.files->next = odd;
        rig.find<QAction>("MnuCompare")->trigger();
        QCOMPARE(rig.messages->shown.last().text,
                 odd + " is 27 bytes when decompressed; a name file is 117,585 bytes.");
        QVERIFY(rig.messages->shown.last().icon == MessageBoxes::Icon::Warning);
        QCOMPARE(rig.list()->item(3)->background().color(), CompareMarks::Tint());
        QCOMPARE(rig.list()->item(4)->background().style(), Qt::NoBrush);
    }

    // An import leaves the selection where it was; undoing it shows a record it changed.
    void importKeepsTheSelectionAndUndoShowsIt() {
        EditorRig rig;
        const QString f = rig.userFile("e.bin");
        QVERIFY(EditorRig::writeCompressed(f, EditorRig::nameImage(1209)));
        rig.open(f);
        rig.select(7);
        const QString csv = rig.userFile("names.csv");
        EditorRig::write(csv, "index,name\n900,Nine hundred\n");
        rig.files->next = csv;
        rig.find<QAction>("MnuImportNames")->trigger();
        QCOMPARE(rig.window().NameTable().Get_Nazwa(900), QString("Nine hundred"));
        QCOMPARE(rig.window().SelIndex(), 7);
        QCOMPARE(rig.list()->currentRow(), 7);
        QCOMPARE(rig.nameField()->text(), QString("Player 7"));
        rig.find<QAction>("MnuUndo")->trigger();
        QCOMPARE(rig.window().NameTable().Get_Nazwa(900), QString("Player 900"));
        QCOMPARE(rig.window().SelIndex(), 900);
        QCOMPARE(rig.nameField()->text(), QString("Player 900"));
    }

    // The preview's own rule: rows with replaced characters are shown as typed, rows a
    // spreadsheet seems to have converted are marked, and Apply waits for the check box that
    // agrees to each.
    void previewAppliesReplacementsOnlyWhenAgreed() {
        NameChange plain;
        plain.Index = 1;
        plain.OldName = "Player 1";
        plain.NewName = plain.Typed = "One";
        NameChange replaced;
        replaced.Index = 2;
        replaced.OldName = "Player 2";
        replaced.NewName = "Lukasz";
        replaced.Typed = QString::fromUtf8("Łukasz");
        NameChange converted;
        converted.Index = 3;
        converted.OldName = "0123";
        converted.NewName = converted.Typed = "123";
        converted.Damage = "a number";
        bool applied = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* table = dialog->findChild<QTableWidget*>("Changes");
            QCOMPARE(table->item(1, 2)->text(), QString::fromUtf8("Łukasz"));
            QPushButton* apply = nullptr;
            for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
                if (b->text() == "&Apply") {
                    apply = b;
                }
            }
            QVERIFY(apply && !apply->isEnabled());
            dialog->findChild<QCheckBox*>("Replace")->setChecked(true);
            QCOMPARE(table->item(1, 2)->text(), QString("Lukasz"));
            QVERIFY(!apply->isEnabled());
            QVERIFY(table->item(2, 2)->toolTip().contains("a number"));
            QVERIFY(table->item(0, 2)->toolTip().isEmpty());
            dialog->findChild<QCheckBox*>("ApplyConverted")->setChecked(true);
            QVERIFY(apply->isEnabled());
            apply->click();
        });
        ChangePreviewDialog preview;
        applied = preview.Confirm(nullptr, "Preview", {plain, replaced, converted}, {});
        QVERIFY(applied);
    }
};

QTEST_MAIN(NameListsTest)
#include "NameListsTest.moc"

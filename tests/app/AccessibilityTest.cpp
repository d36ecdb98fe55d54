// What a screen reader learns of the window: which names are renamed and not saved, where the
// focus is while the search finds names, and what the pictures are.
#include "EditorRig.h"
#include "app/frmMain.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace voxtrel;
using namespace voxtrel::test;

class AccessibilityTest : public QObject {
    Q_OBJECT

    static QAccessibleInterface* item(ListProbe* list, int row) {
        return QAccessible::queryAccessibleInterface(list->view())->child(row);
    }

private slots:
    // The bold of a renamed name is said as a description, until the name is saved.
    void aRenamedNameIsDescribed() {
        EditorRig rig;
        const QString f = rig.userFile("names.bin");
        QVERIFY(EditorRig::writeCompressed(f, EditorRig::nameImage(20)));
        rig.open(f);
        rig.select(3);
        rig.retype("Renamed");
        QCOMPARE(item(rig.list(), 3)->text(QAccessible::Name), QString("Renamed"));
        QCOMPARE(item(rig.list(), 3)->text(QAccessible::Description),
                 QString("Renamed, not saved"));
        QCOMPARE(item(rig.list(), 2)->text(QAccessible::Description), QString());
        rig.window().Cmd_Zapisz_Click();
        QCOMPARE(item(rig.list(), 3)->text(QAccessible::Description), QString());
    }

    // Typing in the box moves the list's current row, and the keyboard focus stays in the box;
    // the list, once it takes the focus again, has the found row as its focused item.
    void theSearchLeavesTheFocusInTheBox() {
        EditorRig rig;
        const QString f = rig.userFile("names.bin");
        QVERIFY(EditorRig::writeCompressed(f, EditorRig::nameImage(20)));
        rig.window().show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window()));
        rig.open(f);
        auto* box = rig.find<QLineEdit>("txtSearch");
        box->setFocus();
        QTRY_VERIFY(box->hasFocus());
        box->selectAll();
        QTest::keyClicks(box, "Player 13");
        QTest::keyClick(box, Qt::Key_F3); // the next that holds it: itself, round the end
        QCOMPARE(rig.list()->view()->currentIndex().row(), 13);
        QVERIFY(box->hasFocus());
        QTest::keyClick(box, Qt::Key_Backtab);
        QTRY_VERIFY(rig.list()->hasFocus());
        QAccessibleInterface* focused =
            QAccessible::queryAccessibleInterface(rig.list()->view())->focusChild();
        QVERIFY(focused);
        QCOMPARE(focused->text(QAccessible::Name), QString("Player 13"));
        QTest::keyClick(rig.list()->view(), Qt::Key_Down); // the list walks on from there
        QCOMPARE(rig.list()->currentRow(), 14);
    }

    void picturesAreNamedForWhatTheyShow() {
        EditorRig rig;
        for (const auto& [name, shown] :
             {std::pair{"Image1", "Voxtrel banner"},
              std::pair{"Image2", "Football pitch with a ball, and GOAL!"}}) {
            QAccessibleInterface* picture =
                QAccessible::queryAccessibleInterface(rig.find<QLabel>(name));
            QCOMPARE(picture->text(QAccessible::Name), QString(shown));
        }
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"

// The search box under the list, and the information menu.
#include "EditorRig.h"
#include "app/Links.h"
#include "app/frmMain.h"
#include "names/CodePage.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest>

using namespace voxtrel;
using namespace voxtrel::test;

class SearchMenuTest : public QObject {
    Q_OBJECT

    struct Loaded {
        EditorRig rig;
        ListProbe* list;
        QLineEdit* box;
        QLineEdit* field;

        explicit Loaded(const QList<QByteArray>& names) {
            QByteArray image = EditorRig::nameImage(int(names.size()), "x");
            for (int i = 0; i < names.size(); ++i) {
                image.replace(9872 + 88 * i, 58, names[i].leftJustified(58, '\0'));
            }
            const QString f = rig.userFile("names.bin");
            EditorRig::writeCompressed(f, image);
            rig.window().show();
            rig.open(f);
            list = rig.list();
            box = rig.find<QLineEdit>("txtSearch");
            field = rig.find<QLineEdit>("txt0");
        }
        void search(const QString& text) {
            box->setFocus();
            box->selectAll(); // the first letter replaces the old search
            QTest::keyClicks(box, text);
        }
        void arrow(Qt::Key key) { QTest::keyClick(box, key); }
    };

private slots:
    // The filter shows only the names that hold the search text; renames, undo and find-next
    // act on the record whatever it shows, and turning it off shows all with the same record.
    void filterShowsOnlyMatchingNamesAndKeepsTheRecord() {
        Loaded l({"Adams", "Larsson", "Baker", "Nilsson", "Carter", "Olsson"});
        l.search("sson");
        QTest::keyClick(&l.rig.window(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(l.rig.find<QToolButton>("Filter")->isChecked());
        QCOMPARE(l.rig.listLines(), QStringList({"Larsson", "Nilsson", "Olsson"}));
        // Find next within what the filter shows, and walking leaves the filter text alone.
        l.box->setFocus();
        QTest::keyClick(l.box, Qt::Key_Return);
        QCOMPARE(l.rig.window().SelIndex(), 1); // Larsson, record 1
        l.arrow(Qt::Key_Down);
        QCOMPARE(l.rig.window().SelIndex(), 3); // Nilsson
        QCOMPARE(l.box->text(), QString("sson"));
        // A rename through the filtered view renames the record, and undo gives it back.
        l.field->setFocus();
        l.field->selectAll();
        QTest::keyClicks(l.field, "Nilssen");
        QCOMPARE(l.rig.window().NameTable().Get_Nazwa(3), QString("Nilssen"));
        // It no longer matches, but stays shown while it is the record worked on.
        QCOMPARE(l.rig.listLines(), QStringList({"Larsson", "Nilssen", "Olsson"}));
        l.rig.find<QAction>("MnuUndo")->trigger();
        QCOMPARE(l.rig.window().NameTable().Get_Nazwa(3), QString("Nilsson"));
        QCOMPARE(l.rig.listLines(), QStringList({"Larsson", "Nilsson", "Olsson"}));
        QCOMPARE(l.rig.window().SelIndex(), 3);
        // Off: every name again, the same record selected.
        l.rig.find<QToolButton>("Filter")->click();
        QCOMPARE(l.rig.listLines().size(), 6);
        QCOMPARE(l.list->currentRow(), 3);
        // The box's own "Search..." filters nothing.
        l.box->setText("Search...");
        l.rig.find<QToolButton>("Filter")->click();
        QCOMPARE(l.rig.listLines().size(), 6);
    }

    // The toggle and Edit > Filter names are one switch: either turns the filter on and the
    // other off again.
    void filterToggleAndMenuEntryAgree() {
        Loaded l({"Adams", "Larsson", "Nilsson"});
        l.search("sson");
        auto* toggle = l.rig.find<QToolButton>("Filter");
        auto* entry = l.rig.find<QAction>("MnuFilter");
        toggle->click();
        QVERIFY(entry->isChecked());
        QCOMPARE(l.rig.listLines().size(), 2);
        entry->trigger();
        QVERIFY(!toggle->isChecked());
        QCOMPARE(l.rig.listLines().size(), 3);
    }

    // The list is a view of the document: a rename, an undo, an import and a code page
    // switch each show in the rows they touch, and only there.
    void theListFollowsTheDocument() {
        Loaded l({"Adams", "Baker", "Carter"});
        QSignalSpy changed(l.list->view()->model(), &QAbstractItemModel::dataChanged);
        NameDocument& document = l.rig.window().Document();
        document.Rename(1, "Bakker");
        QCOMPARE(l.rig.listLines(), QStringList({"Adams", "Bakker", "Carter"}));
        QVERIFY(l.list->item(1)->font().bold());
        QVERIFY(!l.list->item(0)->font().bold());
        document.UndoStack()->undo();
        QCOMPARE(l.rig.listLines()[1], QString("Baker"));
        QVERIFY(!l.list->item(1)->font().bold());
        NameChange change;
        change.Index = 2;
        change.NewName = QString::fromUtf8("C\u00e0rter");
        QVERIFY(document.Import({change}).Ok());
        QCOMPARE(l.rig.listLines()[2], QString::fromUtf8("C\u00e0rter"));
        QVERIFY(!changed.isEmpty());
        for (const QList<QVariant>& signal : changed) {
            QCOMPARE(signal[0].toModelIndex().row(), signal[1].toModelIndex().row()); // one row
        }
        document.setEncoding(*CodePage::Find("windows-1251"));
        QCOMPARE(l.rig.listLines()[2],
                 QString::fromUtf8("C\u0430rter")); // the same byte, read again
    }

    void typingTwoLettersInMixedCase() {
        Loaded l({"Adams", "Baker", "bAldwin", "Carter"});
        l.search("bA");
        QCOMPARE(l.list->currentRow(), 1);
        QCOMPARE(l.field->text(), QString("Baker"));
        l.search("BAL");
        QCOMPARE(l.list->currentRow(), 2);
        QCOMPARE(l.rig.find<QLabel>("Label1")->text(), QString("bAldwin"));
    }

    void noMatchClearsSelectionButKeepsTheRecord() {
        Loaded l({"Adams", "Baker", "Carter"});
        l.search("Ca");
        QCOMPARE(l.list->currentRow(), 2);
        l.search("Zz");
        QVERIFY(l.list->selectedItems().isEmpty());
        QCOMPARE(l.field->text(), QString("Carter"));
        QCOMPARE(l.rig.window().SelIndex(), 2);
        QTest::keyClicks(l.field, "s"); // typing still renames the record last shown
        QCOMPARE(l.rig.window().NameTable().Get_Nazwa(2), QString("Carters"));
    }

    void downWithNoSelection() {
        Loaded l({"Adams", "Baker", "Carter"});
        l.search("Zz");
        l.arrow(Qt::Key_Down);
        QCOMPARE(l.list->currentRow(), 1); // the first step counts from line 0
        QCOMPARE(l.box->text(), QString("Baker"));
        QCOMPARE(l.box->selectedText(), QString("Baker"));

        Loaded single({"Only"});
        single.search("Zz");
        single.arrow(Qt::Key_Down);
        QVERIFY(single.list->selectedItems().isEmpty());
        QCOMPARE(single.box->text(), QString("Zz"));
        single.arrow(Qt::Key_Up);
        QVERIFY(single.list->selectedItems().isEmpty());
    }

    void arrowsAtTheEnds() {
        Loaded l({"Adams", "Baker", "Carter"});
        l.search("Car");
        l.arrow(Qt::Key_Down);
        QCOMPARE(l.list->currentRow(), 2);
        QCOMPARE(l.box->text(), QString("Carter"));
        l.search("Ad");
        l.arrow(Qt::Key_Up);
        QCOMPARE(l.list->currentRow(), 0);
        QCOMPARE(l.box->text(), QString("Adams"));
        l.arrow(Qt::Key_Down);
        QCOMPARE(l.list->currentRow(), 1);
        // Held down, a key repeats its press but acts once, on its release.
        QTest::keyPress(l.box, Qt::Key_Down);
        QCOMPARE(l.list->currentRow(), 1);
        QTest::keyRelease(l.box, Qt::Key_Down);
        QCOMPARE(l.list->currentRow(), 2);
    }

    void duplicateNamesMoveTheSelectionBack() {
        Loaded l({"Smith", "Smithson", "Smith"});
        l.search("Smith");
        QCOMPARE(l.list->currentRow(), 0);
        l.arrow(Qt::Key_Down); // line 1, "Smithson": its text finds line 0 first
        QCOMPARE(l.box->text(), QString("Smithson"));
        QCOMPARE(l.list->currentRow(), 1);
        l.arrow(Qt::Key_Down); // line 2, "Smith": copying it selects line 0 again
        QCOMPARE(l.list->currentRow(), 0);
        QCOMPARE(l.box->text(), QString("Smith"));
    }

    void emptyList() {
        EditorRig rig;
        auto* box = rig.find<QLineEdit>("txtSearch");
        auto* list = rig.list();
        box->setFocus();
        QTest::keyClicks(box, "abc");
        QTest::keyClick(box, Qt::Key_Down);
        QTest::keyClick(box, Qt::Key_Up);
        QCOMPARE(list->count(), 0);
        QCOMPARE(rig.find<QLineEdit>("txt0")->text(), QString());
        QCOMPARE(rig.window().SelIndex(), 0);
    }

    void enteringTheBoxSelectsAll() {
        EditorRig rig;
        rig.window().show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window()));
        auto* box = rig.find<QLineEdit>("txtSearch");
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(20, 8));
        QTRY_COMPARE(box->selectedText(), QString("Search..."));
        QTest::keyClicks(box, "P");
        QCOMPARE(box->text(), QString("P"));
    }

    void menuEntriesOpenTheirPages() {
        Loaded l({"Adams", "Baker"});
        l.search("Ba");
        QTest::keyClicks(l.field, "!");
        const QStringList before = l.rig.listLines();
        const QString path = l.rig.window().NameTable().Path();
        const QStringList work = l.rig.workFiles();
        const struct {
            const char* entry;
            QString url;
        } entries[] = {{"cmdSiteHome", Links::SiteHomeUrl},
                       {"cmdPartnerSite", Links::PartnerUrl},
                       {"cmdAuthorPage", Links::AuthorUrl}};
        for (const auto& e : entries) {
            l.rig.links->opened.clear();
            l.rig.find<QAction>(e.entry)->trigger();
            QCOMPARE(l.rig.links->opened, QStringList({e.url}));
            QVERIFY(QUrl(e.url).host().endsWith(".example"));
            QCOMPARE(l.rig.links->owner, &l.rig.window());
        }
        QCOMPARE(l.rig.listLines(), before);
        QCOMPARE(l.list->currentRow(), 1);
        QCOMPARE(l.field->text(), QString("Baker!"));
        QCOMPARE(l.rig.window().NameTable().Path(), path);
        QCOMPARE(l.rig.workFiles(), work);
        QVERIFY(l.rig.messages->shown.isEmpty());
    }

    void creditBeforeAnyFile() {
        EditorRig rig;
        rig.find<QAction>("Copyright")->trigger();
        QCOMPARE(rig.messages->shown.size(), 1);
        QCOMPARE(rig.messages->shown[0].text, Links::Credit);
        QCOMPARE(rig.messages->shown[0].title, QString("Voxtrel String Editor 2011"));
        QVERIFY(rig.messages->shown[0].icon == MessageBoxes::Icon::Information);
        QVERIFY(!rig.window().NameTable().Loaded());
    }

    // Enter and F3 find the next name containing the text anywhere, Shift the one before,
    // wrapping at the ends; each goes through the selection handler.
    void findNextAndBack() {
        Loaded l({"Adams Green", "Baker", "Carl Green", "Green", "Dale"});
        l.search("green");
        QCOMPARE(l.list->currentRow(), 3); // typing still finds what a name starts with
        QTest::keyClick(l.box, Qt::Key_Return);
        QCOMPARE(l.list->currentRow(), 0); // past the end, from the top: a surname
        QCOMPARE(l.field->text(), QString("Adams Green"));
        QTest::keyClick(l.box, Qt::Key_F3);
        QCOMPARE(l.list->currentRow(), 2);
        QTest::keyClick(l.box, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(l.list->currentRow(), 0);
        QTest::keyClick(l.box, Qt::Key_F3, Qt::ShiftModifier); // back past the start
        QCOMPARE(l.list->currentRow(), 3);
        QCOMPARE(l.rig.window().SelIndex(), 3);
        QCOMPARE(l.rig.find<QLabel>("Label1")->text(), QString("Green"));
    }

    void notFoundIsShown() {
        Loaded l({"Adams", "Baker"});
        l.search("Ba");
        const QColor normal = l.box->palette().color(QPalette::Base);
        l.search("Garabekmar");
        QVERIFY(l.box->palette().color(QPalette::Base) != normal);
        // Typing finds what a name starts with, Find next what it holds: each says so.
        QCOMPARE(l.rig.window().statusBar()->currentMessage(),
                 QString("No name starts with 'Garabekmar'"));
        QCOMPARE(l.field->text(), QString("Baker")); // still the record typing would change
        QTest::keyClick(l.box, Qt::Key_Return);
        QVERIFY(l.box->palette().color(QPalette::Base) != normal);
        QCOMPARE(l.rig.window().statusBar()->currentMessage(),
                 QString("No name contains 'Garabekmar'"));
        l.search("ker");
        QCOMPARE(l.rig.window().statusBar()->currentMessage(),
                 QString("No name starts with 'ker'"));
        l.search("ak");
        QTest::keyClick(l.box, Qt::Key_F3);
        QCOMPARE(l.list->currentRow(), 1);
        QCOMPARE(l.box->palette().color(QPalette::Base), normal);
        QVERIFY(l.rig.window().statusBar()->currentMessage().isEmpty());

        l.list->setFocus();
        QTest::keyClick(&l.rig.window(), Qt::Key_F, Qt::ControlModifier); // Ctrl+F
        QTRY_VERIFY(l.box->hasFocus());
        QTRY_COMPARE(l.box->selectedText(), l.box->text());
    }

    void menusOpenByMnemonic() {
        Loaded l({"Adams"});
        QVERIFY(QTest::qWaitForWindowActive(&l.rig.window()));
        for (const auto& [key, name] :
             {std::pair{Qt::Key_M, "Menu"}, {Qt::Key_E, "Edit"}, {Qt::Key_A, "About"}}) {
            auto* menu = l.rig.find<QMenu>(name);
            QTest::keyClick(&l.rig.window(), key, Qt::AltModifier);
            QTRY_VERIFY2(menu->isVisible(), name);
            QTest::keyClick(menu, Qt::Key_Escape);
            QTRY_VERIFY(!menu->isVisible());
        }
        auto* first = l.rig.find<QMenu>("Menu");
        QTest::keyClick(&l.rig.window(), Qt::Key_F10); // opens the first menu, not only the bar
        QTRY_VERIFY(first->isVisible());
        QTest::keyClick(first, Qt::Key_Escape);
        QTRY_VERIFY(!first->isVisible());
        QCOMPARE(l.rig.find<QAction>("Cmd_Zapisz")->iconText(),
                 QString("Save")); // the captions read as before
    }

    void aPageThatCannotBeOpenedShowsItsAddress() {
        EditorRig rig;
        rig.links->browser = false;
        rig.find<QAction>("cmdSiteHome")->trigger();
        QCOMPARE(rig.messages->shown.size(), 1);
        QVERIFY(rig.messages->shown[0].text.endsWith(Links::SiteHomeUrl));
    }
};

QTEST_MAIN(SearchMenuTest)
#include "SearchMenuTest.moc"

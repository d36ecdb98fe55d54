// The main window: start-up, opening, the list and name field, and saving, with the real tool.
#include "app/frmMain.h"
#include "EditorRig.h"
#include "controls/button_xp/Button_XP.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSizeGrip>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>
#include <tuple>

using namespace voxtrel;
using namespace voxtrel::test;

class FrmMainTest : public QObject {
    Q_OBJECT

private slots:
    // The editor as a process with no display: help and version print, a start says why it
    // cannot, and none aborts.
    void withoutADisplay() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM");
        env.remove("WAYLAND_DISPLAY");
        env.insert("DISPLAY", "");
        const auto run = [&env](const QStringList& args) {
            QProcess p;
            p.setProcessEnvironment(env);
            p.start(QStringLiteral(VOXTREL_APP_DIR) + "/voxtrel-editor", args);
            p.waitForFinished(30000);
            return std::make_tuple(p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                                   QString(p.readAllStandardOutput()),
                                   QString(p.readAllStandardError()));
        };
        const auto [helpCode, help, helpErr] = run({"--help"});
        QCOMPARE(helpCode, 0);
        QVERIFY2(help.contains("[FILE]") && help.contains("--version"), qPrintable(help));
        QCOMPARE(std::get<0>(run({"--version"})), 0);
        const auto [code, out, err] = run({});
        QCOMPARE(code, 1);
        QCOMPARE(err, QString("voxtrel-editor: no display; start it on a desktop, or under "
                              "xvfb-run\n"));
    }

    void startUpState() {
        EditorRig rig;
        frmMain& w = rig.window();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QString("Voxtrel String Editor 2011"));
        QCOMPARE(w.centralWidget()->size(), QSize(763, 387)); // the designed size, the smallest
        QCOMPARE(w.centralWidget()->minimumSize(), QSize(763, 387));
        // Nothing is cut off at the window's bottom edge: the frame resizes it, not a grip.
        for (const QSizeGrip* grip : w.findChildren<QSizeGrip*>()) {
            QVERIFY(!grip->isVisible());
        }
        const QRect list = rig.list()->geometry();
        const QRect field = rig.nameField()->geometry();
        const QRect frame = rig.find<QGroupBox>("Frame1")->geometry();
        // Larger, the list grows both ways, the field to the right, the rest moves beside.
        w.resize(w.width() + 300, w.height() + 200);
        QTRY_COMPARE(w.centralWidget()->width(), 763 + 300);
        QCOMPARE(rig.list()->geometry(), list.adjusted(0, 0, 100, 200));
        QCOMPARE(rig.nameField()->geometry(), field.adjusted(100, 0, 300, 0));
        QCOMPARE(rig.find<QGroupBox>("Frame1")->geometry(), frame.translated(100, 0));
        QCOMPARE(rig.find<QLabel>("Image1")->pixmap().width(), 541 + 200);
        w.resize(100, 100); // never below the designed size
        QTRY_COMPARE(w.centralWidget()->size(), QSize(763, 387));
        QVERIFY(w.AppPath().endsWith(QDir::separator()));
        QCOMPARE(QDir::currentPath() + QDir::separator(), w.AppPath());
        QTRY_VERIFY(rig.list()->hasFocus());
        QCOMPARE(rig.find<QLineEdit>("txtSearch")->text(), QString("Search..."));
        QVERIFY(!rig.nameField()->isEnabled());
        QCOMPARE(rig.nameField()->maxLength(), 58);
        QVERIFY(!rig.find<QAction>("Cmd_Zapisz")->isEnabled());
        auto* quick = rig.find<Button_XP>("cmdQSave");
        QVERIFY(!quick->Enabled());
        QCOMPARE(quick->Caption(), QString("Quick Save"));
        QCOMPARE(quick->ButtonStyle(), 3);
        QCOMPARE(quick->MousePointer(), 99);
        QVERIFY(quick->MouseIcon());
        QCOMPARE(quick->Font()->data().Size, 8.25);
        QCOMPARE(quick->geometry(), QRect(488, 88, 265, 25));
        QCOMPARE(rig.find<QLabel>("Label1")->text(), QString("Name."));
        QCOMPARE(rig.find<QGroupBox>("Frame1")->title(), QString("File dt0f.img"));
        QVERIFY(rig.find<QLabel>("Label2")->text().contains(
            "2)English Version-unnamed_1846.bin\n\n3)"));
        QVERIFY(!rig.find<QLabel>("Label2")->text().contains("1851"));
        for (const char* name :
             {"MnuFileOpen", "Sep", "Cmd_Zapisz", "Sep5", "Copyright", "cmdSiteHome", "Sep2",
              "cmdPartnerSite", "Sep3", "cmdAuthorPage"}) {
            QVERIFY2(rig.find<QAction>(name), name);
        }
        QVERIFY(rig.find<QMenu>("Menu") && rig.find<QMenu>("About") && rig.find<QMenu>("Visit"));
        QVERIFY(QFileInfo(w.AppPath() + "zlib/temp").isDir());
        QVERIFY(rig.workFiles().isEmpty()); // nothing is touched at start-up
        QDir().mkpath(SCREENSHOT_DIR);
        QVERIFY(w.grab().save(SCREENSHOT_DIR "/window_empty.png"));
    }

    void cancelAndMissingFile() {
        EditorRig rig;
        rig.open("-1");
        QCOMPARE(rig.messages->shown.size(), 1);
        QCOMPARE(rig.messages->shown[0].text, QString("A file wasn't chosen  !!"));
        QCOMPARE(rig.messages->shown[0].title, QString("Mistake of loading the file "));
        QVERIFY(rig.messages->shown[0].icon == MessageBoxes::Icon::Information);
        rig.open(rig.userFile("missing.bin"));
        QCOMPARE(rig.messages->shown.size(), 2);
        QCOMPARE(rig.messages->shown[1].text, QString("A Mistake Appeared "));
        QCOMPARE(rig.messages->shown[1].title, QString("Voxtrel String Editor 2011"));
        QVERIFY(rig.messages->shown[1].icon == MessageBoxes::Icon::None);
        QVERIFY(rig.window().FilePath().isEmpty());
        QVERIFY(!rig.nameField()->isEnabled());
    }

    void wholeCycle() {
        EditorRig rig;
        const QByteArray plain = EditorRig::nameImage(1209);
        const QString chosen = rig.userFile("unnamed_1846.bin");
        QVERIFY(EditorRig::writeCompressed(chosen, plain));
        rig.window().show();
        rig.open(chosen);
        QVERIFY(rig.messages->shown.isEmpty());
        QCOMPARE(rig.listLines().size(), 1209);
        QCOMPARE(rig.listLines()[7], QString("Player 7"));
        QVERIFY(rig.nameField()->isEnabled());
        QVERIFY(rig.find<Button_XP>("cmdQSave")->Enabled());
        // Line 0 is selected: the field, the label and SelIndex show the new file's record 0.
        QCOMPARE(rig.list()->currentRow(), 0);
        QCOMPARE(rig.nameField()->text(), QString("Player 0"));
        QCOMPARE(rig.window().SelIndex(), 0);
        QCOMPARE(rig.window().windowTitle(),
                 QString("unnamed_1846.bin[*] - Voxtrel String Editor 2011"));
        QVERIFY(!rig.window().isWindowModified());

        rig.select(7);
        QCOMPARE(rig.nameField()->text(), QString("Player 7"));
        QCOMPARE(rig.find<QLabel>("Label1")->text(), QString("Player 7"));
        QCOMPARE(rig.window().SelIndex(), 7);
        rig.retype(QString::fromUtf8("Jérôme Ünal"));
        QCOMPARE(rig.listLines()[7], QString::fromUtf8("Jérôme Ünal"));
        QCOMPARE(rig.find<QLabel>("Label1")->text(), QString::fromUtf8("Jérôme Ünal"));
        QVERIFY(rig.window().isWindowModified());
        QVERIFY(rig.list()->item(7)->font().bold()); // renamed, not yet saved
        QVERIFY(!rig.list()->item(6)->font().bold());
        QVERIFY(rig.window().grab().save(SCREENSHOT_DIR "/window_loaded.png"));

        rig.window().Cmd_Zapisz_Click();
        QCOMPARE(rig.messages->shown.size(), 1);
        QCOMPARE(rig.messages->shown[0].text, QString("Save File"));
        QCOMPARE(rig.messages->shown[0].detail, "Written to " + QDir::toNativeSeparators(chosen));
        QVERIFY(rig.messages->shown[0].icon == MessageBoxes::Icon::None);
        QVERIFY(!rig.window().isWindowModified());
        QVERIFY(!rig.list()->item(7)->font().bold());
        QVERIFY(rig.workFiles().isEmpty());

        // Every byte but the renamed name field comes back, read by an independent zlib.
        const QByteArray expected =
            EditorRig::withName(plain, 7, QString::fromUtf8("Jérôme Ünal").toLatin1());
        QCOMPARE(EditorRig::pythonDecompress(chosen), expected);

        EditorRig again;
        again.open(chosen);
        QCOMPARE(again.listLines()[7], QString::fromUtf8("Jérôme Ünal"));
        QCOMPARE(again.listLines()[8], QString("Player 8"));
    }

    void quickSaveMatchesSaveAndSavesTwice() {
        EditorRig rig;
        const QString a = rig.userFile("a.bin");
        QVERIFY(EditorRig::writeCompressed(a, EditorRig::nameImage(30)));
        rig.window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.window()));
        rig.open(a);
        rig.select(2);
        rig.retype("Quick");
        auto* quick = rig.find<Button_XP>("cmdQSave");
        QTest::mouseClick(quick, Qt::LeftButton, {}, QPoint(100, 12));
        QCOMPARE(rig.messages->shown.size(), 1);
        QCOMPARE(rig.messages->shown[0].text, QString("Save File"));
        const QByteArray byButton = EditorRig::read(a);

        rig.window().Cmd_Zapisz_Click(); // no edit in between: the same bytes
        QCOMPARE(rig.messages->shown.size(), 2);
        QCOMPARE(EditorRig::read(a), byButton);

        rig.retype("Second");
        rig.window().Cmd_Zapisz_Click();
        QCOMPARE(rig.messages->shown.size(), 3);
        QCOMPARE(rig.messages->shown[2].text, QString("Save File"));
        const QByteArray saved = EditorRig::pythonDecompress(a);
        QCOMPARE(saved.size(), 117585);
        QCOMPARE(saved.mid(9872 + 88 * 2, 7), QByteArray("Second\0", 7));
    }

    void tableWithNoRecords() {
        EditorRig rig;
        const QString f = rig.userFile("empty_table.bin");
        QVERIFY(EditorRig::writeCompressed(f, EditorRig::nameImage(0)));
        rig.open(f);
        QVERIFY(rig.listLines().isEmpty());
        QVERIFY(!rig.nameField()->isEnabled()); // no record to rename
        QVERIFY(rig.nameField()->text().isEmpty());
        QVERIFY(rig.find<QAction>("Cmd_Zapisz")->isEnabled());
        rig.window().Cmd_Zapisz_Click();
        QCOMPARE(rig.messages->shown.last().text, QString("Save File"));
        const QByteArray saved = EditorRig::pythonDecompress(f);
        QCOMPARE(saved.size(), 117585);
        QCOMPARE(saved.left(9872), EditorRig::nameImage(0));
    }

    void workingFolderAfterOpenAndClose() {
        EditorRig rig;
        const QString f = rig.userFile("w.bin");
        QVERIFY(EditorRig::writeCompressed(f, EditorRig::nameImage(5)));
        rig.open(f);
        QCOMPARE(rig.workFiles(), QStringList({"names.bin", "names.bin.unzlib"}));
        EditorRig::write(rig.workFolder() + ".hidden", "kept");
        QDir().mkpath(rig.workFolder() + "sub");
        rig.window().close();
        QCOMPARE(rig.workFiles(), QStringList());
        QVERIFY(QFile::exists(rig.workFolder() + ".hidden"));
        QVERIFY(QFileInfo(rig.workFolder() + "sub").isDir());
        QCOMPARE(EditorRig::read(f).isEmpty(), false);
    }

    void failedOpenKeepsTheOpenFile() {
        EditorRig rig;
        const QString good = rig.userFile("good.bin");
        const QByteArray plain = EditorRig::nameImage(1209);
        QVERIFY(EditorRig::writeCompressed(good, plain));
        rig.open(good);
        rig.select(1);
        rig.retype("Kept");

        struct Case {
            const char* name;
            QByteArray bytes;
        } cases[] = {{"zero.bin", QByteArray()},
                     {"plain.bin", QByteArray("not compressed at all")}};
        for (const Case& c : cases) {
            rig.messages->answers = {MessageBoxes::Answer::Discard}; // and yet the rename stays
            const QString bad = rig.userFile(c.name);
            EditorRig::write(bad, c.bytes);
            const int before = rig.messages->shown.size();
            rig.open(bad);
            QCOMPARE(rig.messages->shown.size(), before + 1);
            QVERIFY(rig.messages->shown.last().text.contains("could not be decompressed"));
            // The list, the field, Save and the unsaved rename are as they were.
            QCOMPARE(rig.listLines().size(), 1209);
            QCOMPARE(rig.listLines()[1], QString("Kept"));
            QCOMPARE(rig.nameField()->text(), QString("Kept"));
            QVERIFY(rig.nameField()->isEnabled());
            QVERIFY(rig.find<QAction>("Cmd_Zapisz")->isEnabled());
            QVERIFY(rig.window().isWindowModified());
            QCOMPARE(rig.window().FilePath(), good);
        }
        rig.window().Cmd_Zapisz_Click();
        QCOMPARE(rig.messages->shown.last().text, QString("Save File"));
        QCOMPARE(EditorRig::pythonDecompress(good), EditorRig::withName(plain, 1, "Kept"));
        QCOMPARE(EditorRig::read(rig.userFile("plain.bin")), QByteArray("not compressed at all"));
    }

    void toolThatDoesNotStart() {
        EditorRig rig;
        const QString f = rig.userFile("f.bin");
        QVERIFY(EditorRig::writeCompressed(f, EditorRig::nameImage(3)));
        QFile::remove(rig.toolPath());
        rig.open(f);
        QCOMPARE(rig.messages->shown.size(), 1);
        QVERIFY(rig.messages->shown[0].text.contains("could not be started"));
        QVERIFY(!rig.nameField()->isEnabled());
    }

    void awkwardNames() {
        EditorRig rig;
        for (const QString& name : {QString("with space.bin"), QString("quote\"d.bin"),
                                    QString::fromUtf8("Łódź ñ.bin"), QString("\" -d \"x.bin")}) {
            const QString f = rig.userFile(name);
            QVERIFY(EditorRig::writeCompressed(f, EditorRig::nameImage(6)));
            rig.messages->shown.clear();
            rig.open(f);
            QVERIFY2(rig.messages->shown.isEmpty(), qPrintable(name));
            QCOMPARE(rig.listLines().size(), 6);
            rig.select(1);
            rig.retype("Renamed");
            rig.window().Cmd_Zapisz_Click();
            QCOMPARE(rig.messages->shown.last().text, QString("Save File"));
            QCOMPARE(EditorRig::pythonDecompress(f).mid(9872 + 88, 8), QByteArray("Renamed\0", 8));
        }
    }

    void sameBareNameTwice() {
        EditorRig rig;
        QDir().mkpath(rig.userFile("one"));
        QDir().mkpath(rig.userFile("two"));
        const QString first = rig.userFile("one/names.bin");
        const QString second = rig.userFile("two/names.bin");
        QVERIFY(EditorRig::writeCompressed(first, EditorRig::nameImage(3, "First ")));
        QVERIFY(EditorRig::writeCompressed(second, EditorRig::nameImage(3, "Second ")));
        rig.open(first);
        rig.open(second);
        QCOMPARE(rig.listLines()[0], QString("Second 0"));
        rig.select(0);
        rig.retype("Changed");
        rig.window().Cmd_Zapisz_Click();
        QCOMPARE(EditorRig::pythonDecompress(second).mid(9872, 8), QByteArray("Changed\0", 8));
        QCOMPARE(EditorRig::pythonDecompress(first).mid(9872, 8), QByteArray("First 0\0", 8));
    }

    // A file of the user's in the working folder, even one named as a working file is, is
    // never written over, cleared or taken for a working file.
    void fileInsideTheWorkingFolder_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"inside.bin", "names.bin", "names.bin.unzlib", "check.zlib"}) {
            QTest::newRow(name) << QString(name);
        }
    }
    void fileInsideTheWorkingFolder() {
        QFETCH(QString, name);
        EditorRig rig;
        const QString f = rig.workFolder() + name;
        QVERIFY(EditorRig::writeCompressed(f, EditorRig::nameImage(3)));
        rig.open(f);
        QVERIFY(rig.messages->shown.isEmpty());
        rig.select(0);
        rig.retype("Inside");
        rig.window().Cmd_Zapisz_Click();
        QCOMPARE(rig.messages->shown.last().text, QString("Save File"));
        QVERIFY(QFile::exists(f)); // clearing the working folder spares the user's own file
        QCOMPARE(EditorRig::pythonDecompress(f).mid(9872, 7), QByteArray("Inside\0", 7));
        rig.window().close();
        QVERIFY(QFile::exists(f));
    }

    void readOnlyFileOpensButIsNotOverwritten() {
        EditorRig rig;
        const QString f = rig.userFile("ro.bin");
        QVERIFY(EditorRig::writeCompressed(f, EditorRig::nameImage(3)));
        const QByteArray before = EditorRig::read(f);
        QFile::setPermissions(f, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        rig.open(f);
        QVERIFY(rig.messages->shown.isEmpty());
        rig.select(0);
        rig.retype("Nope");
        QVERIFY(!rig.find<QAction>("Cmd_Zapisz")->isEnabled()); // only Save As is offered
        rig.window().Cmd_Zapisz_Click();
        QVERIFY(rig.messages->shown.isEmpty());
        QCOMPARE(EditorRig::read(f), before);
        QVERIFY(!rig.workFiles().isEmpty()); // the working files stay
        QVERIFY(rig.nameField()->isEnabled());
    }

    void noTextCrossesToAnotherFile() {
        EditorRig rig;
        const QString first = rig.userFile("first.bin");
        const QString other = rig.userFile("other.bin");
        const QByteArray otherPlain = EditorRig::nameImage(1209, "Other ");
        QVERIFY(EditorRig::writeCompressed(first, EditorRig::nameImage(1209)));
        QVERIFY(EditorRig::writeCompressed(other, otherPlain));
        const QByteArray firstBefore = EditorRig::read(first);
        rig.window().show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window()));
        rig.open(first);
        rig.select(2);
        rig.retype("Typed in first");
        rig.messages->answers = {MessageBoxes::Answer::Discard};
        rig.open(other);
        QCOMPARE(rig.messages->asked.size(), 1);
        QCOMPARE(rig.window().SelIndex(), 0);
        QCOMPARE(rig.nameField()->text(), QString("Other 0"));
        QCOMPARE(rig.find<QLabel>("Label1")->text(), QString("Other 0"));
        QVERIFY(!rig.window().isWindowModified());
        QTest::keyClicks(rig.nameField(), "X");
        rig.window().Cmd_Zapisz_Click();
        QCOMPARE(EditorRig::pythonDecompress(other),
                 EditorRig::withName(otherPlain, 0, "Other 0X"));
        QCOMPARE(EditorRig::read(first), firstBefore); // its rename was discarded
    }

    void nameFieldRefusesWhatCannotBeSaved() {
        EditorRig rig;
        const QString f = rig.userFile("v.bin");
        QVERIFY(EditorRig::writeCompressed(f, EditorRig::nameImage(2)));
        rig.open(f);
        rig.select(0);
        QLineEdit* field = rig.nameField();
        field->setFocus();
        field->end(false);
        EditorRig::type(field, QString::fromUtf8("Łé€"));
        QCOMPARE(field->text(), QString::fromUtf8("Player 0é€"));
        QCOMPARE(
            rig.window().statusBar()->currentMessage(),
            QString::fromUtf8("'Ł' cannot be stored in the Western (windows-1252) code page."));
        QGuiApplication::clipboard()->setText(QString::fromUtf8("中文"));
        field->paste();
        QCOMPARE(field->text(), QString::fromUtf8("Player 0é€"));
        QCOMPARE(rig.listLines()[0], QString::fromUtf8("Player 0é€"));
        // A paste keeps what the code page can hold and says what it left out.
        QGuiApplication::clipboard()->setText(QString::fromUtf8(" Łódź!"));
        field->paste();
        QCOMPARE(field->text(), QString::fromUtf8("Player 0é€ ód!"));
        QCOMPARE(rig.window().statusBar()->currentMessage(),
                 QString::fromUtf8("'Ł', 'ź' cannot be stored in the Western (windows-1252) code "
                                   "page; the rest was kept."));
        QCOMPARE(rig.find<QLabel>("NameLength")->text(), QString("14 of 58"));
        // A decomposed letter goes in as the code page's own.
        QGuiApplication::clipboard()->setText(QString::fromUtf8("Cafe\u0301"));
        field->paste();
        QCOMPARE(field->text(), QString::fromUtf8("Player 0é€ ód!Café"));
        rig.retype(QString(70, 'a'));
        QCOMPARE(field->text().size(), 58);
        QCOMPARE(rig.window().statusBar()->currentMessage(),
                 QString("A name holds at most 58 characters."));
    }

    // A screen reader can name every control the user works with.
    void controlsHaveAccessibleNames() {
        EditorRig rig;
        const QList<std::pair<const char*, QString>> named = {{"List1", "Names"},
                                                              {"txt0", "Name"},
                                                              {"txtSearch", "Search"},
                                                              {"Filter", "Filter"},
                                                              {"cmdQSave", "Quick Save"}};
        for (const auto& [object, name] : named) {
            QAccessibleInterface* seen =
                QAccessible::queryAccessibleInterface(rig.find<QWidget>(object));
            QVERIFY(seen);
            QCOMPARE(seen->text(QAccessible::Name), name);
        }
    }

    void saveAsWritesAnotherFileAndKeepsTheOriginal() {
        EditorRig rig;
        const QString original = rig.userFile("original.bin");
        const QByteArray plain = EditorRig::nameImage(1209);
        QVERIFY(EditorRig::writeCompressed(original, plain));
        const QByteArray before = EditorRig::read(original);
        rig.open(original);
        QVERIFY(rig.find<QAction>("MnuSaveAs")->isEnabled());
        rig.select(17); // the record by the index lists and patches use, and the code page
        QCOMPARE(rig.find<QLabel>("Record")->text(),
                 QString::fromUtf8("Record 17 of 1209 · windows-1252"));
        rig.select(0);
        rig.retype("Copied");
        const QString copy = rig.userFile("copy.bin");
        rig.files->next = rig.userFile("copy"); // a name file is a .bin unless named otherwise
        rig.find<QAction>("MnuSaveAs")->trigger();
        QCOMPARE(rig.messages->shown.last().text, QString("Save File"));
        QCOMPARE(rig.window().FilePath(), copy);
        QCOMPARE(rig.window().windowTitle(), QString("copy.bin[*] - Voxtrel String Editor 2011"));
        QVERIFY(!rig.window().isWindowModified());
        rig.retype("Then saved");
        rig.window().Cmd_Zapisz_Click(); // Save now writes the new file
        QCOMPARE(EditorRig::pythonDecompress(copy), EditorRig::withName(plain, 0, "Then saved"));
        QCOMPARE(EditorRig::read(original), before);
    }

    void theSampleIsReadOnly() {
        const QString sample = QStringLiteral(VOXTREL_APP_DIR "/samples/unnamed_1846.bin");
        QVERIFY(QFileInfo::exists(sample));
        QVERIFY(!(QFileInfo(sample).permissions() &
                  (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther)));
        EditorRig rig;
        const QString copy = rig.userFile("unnamed_1846.bin");
        // A copy with the sample's own permissions stands for the sample: a save over it is
        // refused, and the sample itself is never written by a test.
        QVERIFY(QFile::copy(sample, copy));
        QVERIFY(
            QFile::setPermissions(copy, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        const QByteArray before = EditorRig::read(copy);
        rig.open(copy);
        // Said when it opens: only Save As is offered.
        QCOMPARE(rig.window().windowTitle(),
                 QString("unnamed_1846.bin [read-only][*] - Voxtrel String Editor 2011"));
        QVERIFY(!rig.find<QAction>("Cmd_Zapisz")->isEnabled());
        QVERIFY(!rig.find<Button_XP>("cmdQSave")->Enabled());
        QVERIFY(rig.find<QAction>("MnuSaveAs")->isEnabled());
        QVERIFY(rig.window().statusBar()->currentMessage().contains("marked read-only"));
        rig.retype("Changed");
        rig.window().Cmd_Zapisz_Click();
        QVERIFY(rig.messages->shown.isEmpty());
        QCOMPARE(EditorRig::read(copy), before);
    }

    void codePageOfTheLanguageVersion() {
        EditorRig rig;
        const QString f = rig.userFile("pl.bin");
        const QByteArray plain = EditorRig::withName(EditorRig::nameImage(1209), 1,
                                                     "\xA3\xF3"
                                                     "d\x9F");
        QVERIFY(EditorRig::writeCompressed(f, plain));
        rig.open(f);
        rig.select(1);
        QCOMPARE(rig.nameField()->text(), QString::fromUtf8("£ódŸ")); // read as Western
        auto* western = rig.find<QAction>("windows-1252");
        QVERIFY(western->isChecked());
        rig.find<QAction>("windows-1250")->trigger();
        QVERIFY(!western->isChecked());
        QCOMPARE(rig.list()->currentRow(), 1); // the selection stays
        QCOMPARE(rig.nameField()->text(), QString::fromUtf8("Łódź"));
        QCOMPARE(rig.find<QLabel>("Label1")->text(), QString::fromUtf8("Łódź"));
        QCOMPARE(rig.listLines()[1], QString::fromUtf8("Łódź"));
        QVERIFY(!rig.window().isWindowModified()); // no byte changed

        QLineEdit* field = rig.nameField();
        field->setFocus();
        field->end(false);
        EditorRig::type(field, QString::fromUtf8("Ł"));
        QCOMPARE(field->text(), QString::fromUtf8("ŁódźŁ"));
        rig.window().Cmd_Zapisz_Click();
        QCOMPARE(EditorRig::pythonDecompress(f), EditorRig::withName(plain, 1,
                                                                     "\xA3\xF3"
                                                                     "d\x9F\xA3"));
    }

    void emptyingTheNameAndEqualText() {
        EditorRig rig;
        const QString f = rig.userFile("e.bin");
        QVERIFY(EditorRig::writeCompressed(f, EditorRig::nameImage(3)));
        rig.open(f);
        QTest::keyClicks(rig.nameField(), "Z"); // the field shows record 0, and typing renames it
        QCOMPARE(rig.listLines()[0], QString("Player 0Z"));
        QCOMPARE(rig.window().NameTable().Get_Nazwa(0), QString("Player 0Z"));
        rig.select(1);
        rig.nameField()->clear();
        QCOMPARE(rig.listLines()[1], QString());
        QCOMPARE(rig.find<QLabel>("Label1")->text(), QString());
    }

    void toolRunIsNotReentered() {
        EditorRig rig;
        const QString f = rig.userFile("slow.bin");
        QVERIFY(EditorRig::writeCompressed(f, EditorRig::nameImage(3)));
        rig.replaceTool("sleep 0.5\nexec \"" + QByteArray(ZLIBTOOL_PATH) + "\" \"$@\"\n");
        rig.window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.window()));
        bool busySeen = false;
        bool stillOpen = false;
        int dialogsDuring = -1;
        QTimer::singleShot(150, [&] {
            busySeen = rig.window().ToolBusy();
            const int before = rig.dialogsOpened;
            rig.window().MnuFileOpen_Click();
            rig.window().Cmd_Zapisz_Click();
            dialogsDuring = rig.dialogsOpened - before;
            rig.window().close(); // waits for the tool, then closes
            stillOpen = rig.window().isVisible();
        });
        rig.open(f);
        QVERIFY(busySeen);
        QCOMPARE(dialogsDuring, 0);
        QVERIFY(stillOpen);
        QVERIFY(rig.messages->shown.isEmpty());
        QCOMPARE(rig.listLines().size(), 3);
        QTRY_VERIFY(!rig.window().isVisible());
        QVERIFY(rig.workFiles().isEmpty()); // closing emptied the working folder
    }
};

QTEST_MAIN(FrmMainTest)
#include "FrmMainTest.moc"

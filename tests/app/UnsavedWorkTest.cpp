// Editing you can trust: unsaved renames are never lost without a question, undo, a tool
// run that can be cancelled, and files opened without the dialog. With the real tool.
#include "EditorRig.h"
#include "app/frmMain.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QtTest>

using namespace voxtrel;
using namespace voxtrel::test;
using Answer = MessageBoxes::Answer;

class UnsavedWorkTest : public QObject {
    Q_OBJECT

    // A window with a file of all 1209 names "Player <i>" open, record 5 renamed unsaved.
    struct Edited {
        EditorRig rig;
        QString file = rig.userFile("unnamed_1846.bin");
        QByteArray plain = EditorRig::nameImage(1209);
        QByteArray before;
        ListProbe* list = nullptr;
        QLineEdit* field = nullptr;

        Edited() {
            EditorRig::writeCompressed(file, plain);
            before = EditorRig::read(file);
            rig.open(file);
            list = rig.list();
            field = rig.find<QLineEdit>("txt0");
            list->setCurrentRow(5);
            retype("Five");
        }
        void retype(const QString& text) {
            field->setFocus();
            field->selectAll();
            QTest::keyClicks(field, text);
        }
        QByteArray savedWith(int record, const QByteArray& name) const {
            return WithName(plain, record, name);
        }
    };

    static void retypeAndKeep(Edited& e, const QString& text) {
        QWidget* focused = QApplication::focusWidget();
        e.retype(text);
        if (focused) {
            focused->setFocus();
            QTRY_VERIFY(focused->hasFocus());
        }
    }

private slots:
    void closeAsksAboutUnsavedRenames() {
        {
            Edited e;
            e.rig.window().show();
            e.rig.messages->answers = {Answer::Cancel};
            QVERIFY(!e.rig.window().close());
            QVERIFY(e.rig.window().isVisible());
            QCOMPARE(e.rig.messages->asked,
                     QStringList{"The names in unnamed_1846.bin have changed. Save the changes?"});
            QCOMPARE(e.rig.listLines()[5], QString("Five")); // nothing lost
            e.rig.messages->answers = {Answer::Discard};
            QVERIFY(e.rig.window().close());
            QCOMPARE(EditorRig::read(e.file), e.before);
        }
        {
            Edited e;
            e.rig.messages->answers = {Answer::Save};
            QVERIFY(e.rig.window().close());
            QCOMPARE(e.rig.messages->shown.last().text, QString("Save File"));
            QCOMPARE(EditorRig::pythonDecompress(e.file), e.savedWith(5, "Five"));
        }
        {
            // A save that fails keeps the window open.
            Edited e;
            e.rig.replaceTool("exit 1\n");
            e.rig.messages->answers = {Answer::Save};
            QVERIFY(!e.rig.window().close());
            QVERIFY(e.rig.messages->shown.last().text.contains("not saved"));
            QCOMPARE(EditorRig::read(e.file), e.before);
        }
        {
            Edited e; // nothing unsaved after a save: no question
            e.rig.window().Cmd_Zapisz_Click();
            QVERIFY(e.rig.window().close());
            QVERIFY(e.rig.messages->asked.isEmpty());
        }
    }

    void quitAsksOnlyAboutUnsavedRenames() {
        Edited e;
        e.rig.window().show();
        e.rig.messages->answers = {Answer::Cancel};
        e.rig.find<QAction>("MnuQuit")->trigger();
        QVERIFY(e.rig.window().isVisible());
        QCOMPARE(e.rig.messages->asked.size(), 1);
        e.rig.window().Cmd_Zapisz_Click();
        e.rig.find<QAction>("MnuQuit")->trigger(); // nothing unsaved: no question
        QVERIFY(!e.rig.window().isVisible());
        QCOMPARE(e.rig.messages->asked.size(), 1);
    }

    void enterClicksTheFocusedQuickSave() {
        Edited e;
        e.rig.window().show();
        QVERIFY(QTest::qWaitForWindowActive(&e.rig.window()));
        auto* quick = e.rig.find<QWidget>("cmdQSave");
        quick->setFocus();
        QTRY_VERIFY(quick->hasFocus());
        QTest::keyClick(quick, Qt::Key_Return);
        QTRY_COMPARE(e.rig.messages->shown.size(), 1);
        QCOMPARE(e.rig.messages->shown.last().text, QString("Save File"));

        // A dialog closed on the press of Enter, or the Ctrl of Ctrl+S went down here: the
        // release that reaches Quick Save afterwards writes nothing.
        retypeAndKeep(e, "Six");
        const QByteArray bytes = EditorRig::read(e.file);
        const QDateTime modified = QFileInfo(e.file).lastModified();
        QTest::keyPress(quick, Qt::Key_Control, Qt::ControlModifier);
        QTest::keyRelease(quick, Qt::Key_Control);
        QTest::keyRelease(quick, Qt::Key_Return);
        QCOMPARE(e.rig.messages->shown.size(), 1);
        QCOMPARE(EditorRig::read(e.file), bytes);
        QCOMPARE(QFileInfo(e.file).lastModified(), modified);
    }

    // What the window remembers: the folder a file came from, where the open dialog starts
    // next time (the home folder before that), and the code page chosen for a file name.
    void settingsAreRememberedAndForgotten() {
        QTemporaryDir config;
        const QString settings = config.filePath("settings.ini");
        QString folder;
        {
            EditorRig rig(settings);
            rig.open(rig.userFile("missing.bin"));
            QCOMPARE(rig.openStartedIn, QDir::homePath());
            const QString file = rig.userFile("unnamed_1849.bin");
            folder = QFileInfo(file).absolutePath();
            QVERIFY(EditorRig::writeCompressed(file, EditorRig::nameImage(1209)));
            rig.open(file);
            rig.find<QAction>("windows-1251")->trigger();
            rig.window().close();
            EditorRig next(settings);
            const QString again = next.userFile("unnamed_1849.bin");
            QVERIFY(EditorRig::writeCompressed(again,
                                               EditorRig::nameImage(1209, QString(QChar(0xC0)))));
            next.open(again);
            QCOMPARE(next.openStartedIn, folder);
            QCOMPARE(next.window().Document().Encoding().Name(), QString("windows-1251"));
            QVERIFY(next.find<QAction>("windows-1251")->isChecked());
            QCOMPARE(next.listLines()[0], QString::fromUtf8("А0")); // read as Cyrillic
        }
        // --reset-settings forgets them, display or not.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", config.path());
        env.remove("QT_QPA_PLATFORM");
        env.insert("DISPLAY", "");
        QDir().mkpath(config.filePath("voxtrel-editor"));
        QVERIFY(QFile::copy(settings, config.filePath("voxtrel-editor/voxtrel-editor.conf")));
        QProcess editor;
        editor.setProcessEnvironment(env);
        editor.start(QStringLiteral(VOXTREL_APP_DIR) + "/voxtrel-editor", {"--reset-settings"});
        QVERIFY(editor.waitForFinished(30000));
        QSettings forgotten(config.filePath("voxtrel-editor/voxtrel-editor.conf"),
                            QSettings::IniFormat);
        QVERIFY(forgotten.allKeys().isEmpty());
    }

    // Relative paths, given on the command line or dropped, are the start folder's, not the
    // application folder's, which the editor makes its current folder.
    void relativePathsAreTakenFromTheStartFolder() {
        QTemporaryDir start;
        QVERIFY(QDir(start.path()).mkpath("samples"));
        const QString mine = start.filePath("samples/unnamed_1846.bin");
        QVERIFY(EditorRig::writeCompressed(mine, EditorRig::nameImage(1209, "Mine ")));
        const QString was = QDir::currentPath();
        QVERIFY(QDir::setCurrent(start.path()));
        EditorRig rig;
        QDir().mkpath(rig.appPath() + "samples");
        QVERIFY(EditorRig::writeCompressed(rig.appPath() + "samples/unnamed_1846.bin",
                                           EditorRig::nameImage(1209, "App ")));
        rig.window().OpenFile("samples/unnamed_1846.bin");
        QCOMPARE(rig.window().FilePath(), mine);
        QCOMPARE(rig.listLines()[0], QString("Mine 0"));

        const QString dropped = start.filePath("dropped.bin");
        QVERIFY(EditorRig::writeCompressed(dropped, EditorRig::nameImage(1209, "Dropped ")));
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile("dropped.bin")});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&rig.window(), &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&rig.window(), &drop);
        QTRY_COMPARE(rig.window().FilePath(), dropped);

        // A missing file says so, with its full path, under the usual words.
        rig.window().OpenFile("missing.bin");
        QCOMPARE(rig.messages->shown.last().text, QString("A Mistake Appeared "));
        QVERIFY2(rig.messages->shown.last().detail.contains(start.filePath("missing.bin") +
                                                            "\" does not exist"),
                 qPrintable(rig.messages->shown.last().detail));
        QDir::setCurrent(was);
    }

    // A file opened through "Open it anyway?" is not cut or padded without a question.
    void aFileOfAnotherSizeIsResizedOnlyWhenAskedFor() {
        EditorRig rig;
        const QString file = rig.userFile("short.bin");
        QVERIFY(EditorRig::writeCompressed(file, EditorRig::nameImage(30))); // 12,512 bytes
        const QByteArray before = EditorRig::read(file);
        rig.open(file);
        QVERIFY(rig.find<QLabel>("OddSize")->isVisibleTo(&rig.window()));
        QTest::keyClicks(rig.find<QLineEdit>("txt0"), "!");
        rig.messages->choices = {1}; // Cancel
        rig.window().Cmd_Zapisz_Click();
        QCOMPARE(rig.messages->asked.last(),
                 QString("short.bin decompressed to 12,512 bytes; a name file is 117,585 bytes. "
                         "Saving writes a 117,585-byte name file: 105,073 bytes are added. "
                         "Save?"));
        QCOMPARE(EditorRig::read(file), before);
        QVERIFY(rig.messages->shown.isEmpty());
        rig.messages->choices = {0}; // Save
        rig.window().Cmd_Zapisz_Click();
        QCOMPARE(rig.messages->shown.last().text, QString("Save File"));
        QCOMPARE(EditorRig::pythonDecompress(file).size(), 117585);
        QVERIFY(!rig.find<QLabel>("OddSize")->isVisibleTo(&rig.window()));
    }

    // Another program changed the file since it was opened: the save asks, and each answer
    // does what it says.
    void aFileChangedOnDiskIsAskedAbout() {
        Edited e;
        const QByteArray theirs = [&] {
            EditorRig::writeCompressed(e.file + ".theirs", e.savedWith(9, "Theirs"));
            return EditorRig::read(e.file + ".theirs");
        }();
        EditorRig::write(e.file, theirs);
        e.rig.messages->choices = {2}; // Cancel
        e.rig.window().Cmd_Zapisz_Click();
        QCOMPARE(e.rig.messages->asked.last(),
                 QString("unnamed_1846.bin was changed on disk since it was opened. Overwrite "
                         "it, or cancel and keep both?"));
        QCOMPARE(EditorRig::read(e.file), theirs);
        QVERIFY(e.rig.messages->shown.isEmpty());

        const QString copy = e.rig.userFile("copy.bin");
        e.rig.files->next = copy;
        e.rig.messages->choices = {1}; // Save As...
        e.rig.window().Cmd_Zapisz_Click();
        QCOMPARE(EditorRig::read(e.file), theirs);
        QCOMPARE(EditorRig::pythonDecompress(copy), e.savedWith(5, "Five"));
        QCOMPARE(e.rig.window().FilePath(), copy);

        EditorRig::write(copy, theirs);
        e.retype("Fifth");
        e.rig.messages->choices = {0}; // Overwrite
        e.rig.window().Cmd_Zapisz_Click();
        QCOMPARE(EditorRig::pythonDecompress(copy), e.savedWith(5, "Fifth"));
    }

    void openingAnotherFileAsksFirst() {
        Edited e;
        const QString other = e.rig.userFile("other.bin");
        QVERIFY(EditorRig::writeCompressed(other, EditorRig::nameImage(1209, "Other ")));
        e.rig.messages->answers = {Answer::Cancel};
        e.rig.open(other);
        QCOMPARE(e.rig.window().FilePath(), e.file); // still the first file, rename and all
        QCOMPARE(e.rig.listLines()[5], QString("Five"));
        e.rig.messages->answers = {Answer::Save};
        e.rig.open(other);
        QCOMPARE(e.rig.window().FilePath(), other);
        QCOMPARE(EditorRig::pythonDecompress(e.file), e.savedWith(5, "Five"));
        QCOMPARE(e.rig.messages->asked.size(), 2);
    }

    void aFileOfAnotherSizeIsOpenedOnlyWhenAskedFor() {
        Edited e;
        e.rig.window().Cmd_Zapisz_Click();
        const QString small = e.rig.userFile("small.bin");
        QVERIFY(EditorRig::writeCompressed(small, QByteArray(27, 'z')));
        e.rig.messages->yesNo = {false};
        e.rig.open(small);
        QCOMPARE(e.rig.messages->asked.last(),
                 QString("small.bin is 27 bytes when decompressed; a name file is 117,585 bytes. "
                         "Open it anyway?"));
        QCOMPARE(e.rig.window().FilePath(), e.file); // No keeps the current file
        QCOMPARE(e.rig.listLines().size(), 1209);
        e.rig.messages->yesNo = {true};
        e.rig.open(small);
        QCOMPARE(e.rig.window().FilePath(), small);
        QCOMPARE(e.rig.listLines().size(), 0);
    }

    void undoAndRedoAcrossRecordsBackToClean() {
        Edited e;
        e.rig.window().show();
        QVERIFY(QTest::qWaitForWindowActive(&e.rig.window()));
        e.list->setCurrentRow(9);
        e.retype("Nine");
        e.list->setCurrentRow(2);
        QTest::keyClicks(e.field, "xy"); // one burst: one step
        QCOMPARE(e.rig.listLines()[2], QString("Player 2xy"));
        QVERIFY(e.list->item(2)->font().bold());
        // The menu names the step by the name it gives back, not by the name typed.
        QCOMPARE(e.rig.find<QAction>("MnuUndo")->text(), QString("&Undo Rename \"Player 2\""));

        QVERIFY(e.field->hasFocus());
        QTest::keyClick(e.field, Qt::Key_Z,
                        Qt::ControlModifier); // reaches the document, not the field
        QCOMPARE(e.rig.listLines()[2], QString("Player 2"));
        QVERIFY(!e.list->item(2)->font().bold());
        QCOMPARE(e.field->text(), QString("Player 2"));
        e.rig.find<QAction>("MnuUndo")->trigger();
        QCOMPARE(e.rig.window().SelIndex(), 9); // undo shows the record it changes
        QCOMPARE(e.field->text(), QString("Player 9"));
        QCOMPARE(e.rig.find<QLabel>("Label1")->text(), QString("Player 9"));
        QVERIFY(e.rig.window().isWindowModified());
        e.rig.find<QAction>("MnuUndo")->trigger();
        QCOMPARE(e.rig.listLines()[5], QString("Player 5"));
        QVERIFY(!e.rig.window().isWindowModified()); // back where the file was opened
        QVERIFY(!e.rig.find<QAction>("MnuUndo")->isEnabled());

        QTest::keyClick(e.field, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(e.rig.listLines()[5], QString("Five"));
        QTest::keyClick(e.field, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(e.rig.listLines()[9], QString("Nine"));
        e.rig.window().Cmd_Zapisz_Click();
        QVERIFY(!e.rig.window().isWindowModified());
        e.rig.find<QAction>("MnuUndo")->trigger(); // undo after a save: modified again
        QVERIFY(e.rig.window().isWindowModified());
        QCOMPARE(EditorRig::pythonDecompress(e.file), WithName(e.savedWith(9, "Nine"), 5, "Five"));
    }

    void revertNameGivesBackTheSavedName() {
        Edited e;
        QTest::keyClicks(e.field, " more");
        e.rig.find<QAction>("MnuRevertName")->trigger();
        QCOMPARE(e.field->text(), QString("Player 5"));
        QCOMPARE(e.rig.listLines()[5], QString("Player 5"));
        QVERIFY(!e.list->item(5)->font().bold());    // as saved
        QVERIFY(!e.rig.window().isWindowModified()); // every name is the file's again
        e.rig.messages->asked.clear();
        e.rig.messages->answers = {Answer::Cancel};
        QVERIFY(e.rig.window().close()); // nothing to ask about
        QVERIFY(e.rig.messages->asked.isEmpty());
        e.rig.window().show();
        e.rig.find<QAction>("MnuUndo")->trigger(); // one step
        QCOMPARE(e.rig.listLines()[5], QString("Five more"));
        QVERIFY(e.rig.window().isWindowModified());
    }

    void cancelEndsAToolThatHangs() {
        Edited e;
        e.rig.window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&e.rig.window()));
        e.rig.replaceTool("sleep 30\n");
        bool refused = false;
        QTimer poll;
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* progress = e.rig.window().findChild<QProgressDialog*>("ToolProgress");
            if (!progress || !progress->isVisible()) {
                return;
            }
            poll.stop();
            QCOMPARE(progress->labelText(), QString("Compressing unnamed_1846.bin..."));
            // A rename typed while the tool runs is refused: the saved file could not hold it.
            QTest::keyClicks(e.field, "!");
            refused = e.rig.window().NameTable().Get_Nazwa(5) == "Five" &&
                      e.field->text() == "Five" && !e.rig.find<QAction>("MnuUndo")->isEnabled();
            QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
        });
        poll.start();
        e.rig.window().Cmd_Zapisz_Click();
        QVERIFY(refused);
        QVERIFY2(e.rig.messages->shown.last().text.contains("cancelled"),
                 qPrintable(e.rig.messages->shown.last().text));
        QCOMPARE(EditorRig::read(e.file), e.before);
        QVERIFY(!e.rig.window().ToolBusy());
        e.rig.restoreTool();
        e.rig.window().Cmd_Zapisz_Click(); // usable at once
        QCOMPARE(EditorRig::pythonDecompress(e.file), e.savedWith(5, "Five"));
    }

    // Two windows on one application folder, and voxtrel-names beside them: only the first
    // window works in zlib/temp, and no one's clearing touches another's working files.
    void twoInstancesNeverShareWorkingFiles() {
        Edited first;
        const QStringList firstFiles = first.rig.workFiles();
        QVERIFY(firstFiles.contains("names.bin.unzlib"));
        {
            AppServices services;
            services.SettingsFile = first.rig.userFile("second.ini");
            services.Messages = std::make_shared<FakeMessages>();
            services.NewOpenDialog = [] { return nullptr; };
            frmMain second(services, first.rig.appPath());
            QVERIFY(second.Document().WorkFolder() != first.rig.workFolder());
            const QString other = first.rig.userFile("other.bin");
            QVERIFY(EditorRig::writeCompressed(other, EditorRig::nameImage(1209)));
            second.OpenFile(other);
            QCOMPARE(second.NameTable().Count(), 1209);
            QVERIFY(second.close()); // empties its own folder only
            QCOMPARE(first.rig.workFiles(), firstFiles);

            // The command line at the same time, from the same application folder.
            const QString names = first.rig.appPath() + "voxtrel-names";
            QVERIFY(QFile::copy(VOXTREL_NAMES_PATH, names));
            EditorRig::write(first.rig.userFile("n.csv"), "index,name\n1,Batch\n");
            QCOMPARE(QProcess::execute(names, {"import", other, first.rig.userFile("n.csv")}), 0);
            QCOMPARE(first.rig.workFiles(), firstFiles);
        }
        first.rig.window().Cmd_Zapisz_Click();
        QCOMPARE(first.rig.messages->shown.last().text, QString("Save File"));
        QCOMPARE(EditorRig::pythonDecompress(first.file), first.savedWith(5, "Five"));
    }

    void clickingTheDisabledFieldDoesNothing() {
        EditorRig rig;
        auto* field = rig.find<QLineEdit>("txt0");
        QTest::mouseClick(field, Qt::LeftButton);
        QCOMPARE(rig.find<QLabel>("Label1")->text(), QString("Name."));
    }

    void longestBareNameOpensAndSaves() {
        EditorRig rig;
        const QString file = rig.userFile(QString(239, 'n') + ".bin"); // 243 characters
        QVERIFY(EditorRig::writeCompressed(file, EditorRig::nameImage(1209)));
        rig.open(file);
        QVERIFY2(rig.messages->shown.isEmpty(), qPrintable(rig.messages->shown.value(0).text));
        QTest::keyClicks(rig.find<QLineEdit>("txt0"), "!");
        rig.window().Cmd_Zapisz_Click();
        QCOMPARE(rig.messages->shown.last().text, QString("Save File"));
        // No temporary name beside it would fit: written in place, and the user is told.
        QVERIFY(rig.messages->shown.last().detail.contains("in place"));
        QCOMPARE(EditorRig::pythonDecompress(file).mid(9872, 10), QByteArray("Player 0!\0", 10));
    }

    void filesGivenOrDroppedOpenWithoutTheDialog() {
        Edited e;
        const QString given = e.rig.userFile("given.bin");
        QVERIFY(EditorRig::writeCompressed(given, EditorRig::nameImage(1209, "Given ")));
        e.rig.messages->answers = {Answer::Discard};
        e.rig.window().OpenFile(given);
        QCOMPARE(e.rig.window().FilePath(), given);
        QCOMPARE(e.rig.dialogsOpened, 1); // only the first file came through the dialog
        QCOMPARE(e.rig.listLines()[0], QString("Given 0"));

        const QString dropped = e.rig.userFile("dropped.bin");
        QVERIFY(EditorRig::writeCompressed(dropped, EditorRig::nameImage(1209, "Dropped ")));
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(dropped)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&e.rig.window(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&e.rig.window(), &drop);
        QTRY_COMPARE(e.rig.window().FilePath(), dropped);
        QCOMPARE(e.rig.window().windowTitle(),
                 QString("dropped.bin[*] - Voxtrel String Editor 2011"));
    }
};

QTEST_MAIN(UnsavedWorkTest)
#include "UnsavedWorkTest.moc"

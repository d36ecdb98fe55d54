// The window, its menus, dialogs and messages in the language the environment chooses (one
// run per shipped language, and one under LC_ALL=C): no text wider than its place, no menu
// off the screen; in English, every text exactly as tests/app/english_texts.txt has it.
#include "EditorRig.h"
#include "TextFit.h"

#include "app/ChangePreviewDialog.h"
#include "app/QtAppServices.h"
#include "document/UiLanguage.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using namespace voxtrel;
using namespace voxtrel::test;

namespace {

// Every dialog that is shown, once it is laid out: its texts and what does not fit, taken
// down before it is closed unanswered, so that no test waits on it.
class DialogWatch : public QObject {
public:
    DialogWatch() { qApp->installEventFilter(this); }
    ~DialogWatch() override { qApp->removeEventFilter(this); }
    QStringList overflows;
    QStringList texts;
    int seen = 0;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        auto* dialog = qobject_cast<QDialog*>(Watched);
        if (dialog && Event->type() == QEvent::Show) {
            QPointer<QDialog> shown(dialog);
            QTimer::singleShot(0, this, [this, shown] {
                if (shown) {
                    ++seen;
                    overflows << TextFit::Overflows(shown);
                    texts << QStringLiteral("-- dialog ") + shown->objectName();
                    texts << TextFit::Texts(shown);
                    shown->reject();
                }
            });
        }
        return QObject::eventFilter(Watched, Event);
    }
};

// Records every message and question as the fakes do, and shows each in the real box too.
class RealBoxes : public FakeMessages {
public:
    void Show(QWidget* Owner, const QString& Text, const QString& Title, Icon Kind,
              const QString& Detail) override {
        FakeMessages::Show(Owner, Text, Title, Kind, Detail);
        m_Real.Show(Owner, Text, Title, Kind, Detail);
    }
    Answer AskToSave(QWidget* Owner, const QString& Text, const QString& Title) override {
        m_Real.AskToSave(Owner, Text, Title);
        return FakeMessages::AskToSave(Owner, Text, Title);
    }
    bool AskYesNo(QWidget* Owner, const QString& Text, const QString& Title) override {
        m_Real.AskYesNo(Owner, Text, Title);
        return FakeMessages::AskYesNo(Owner, Text, Title);
    }
    int Choose(QWidget* Owner, const QString& Text, const QString& Title,
               const QStringList& Buttons) override {
        m_Real.Choose(Owner, Text, Title, Buttons);
        return FakeMessages::Choose(Owner, Text, Title, Buttons);
    }

private:
    QtMessageBoxes m_Real;
};

QList<QMenu*> MenusOf(QMenuBar* Bar) {
    QList<QMenu*> out;
    QList<QAction*> todo = Bar->actions();
    while (!todo.isEmpty()) {
        QAction* action = todo.takeFirst();
        if (action->menu()) {
            out << action->menu();
            todo << action->menu()->actions();
        }
    }
    return out;
}

UiLanguage::Installed Chosen; // by main, before any test builds a widget

bool English() {
    return qEnvironmentVariable("VOXTREL_EXPECT_LANGUAGE").isEmpty();
}

} // namespace

class TranslatedLookTest : public QObject {
    Q_OBJECT

private slots:
    // The language the environment asks for is the one the window speaks.
    void languageChosenFromTheEnvironment() {
        QCOMPARE(Chosen.Language, qEnvironmentVariable("VOXTREL_EXPECT_LANGUAGE"));
        QCOMPARE(Chosen.Files.isEmpty(), English());
    }

    void windowAndMenusFit() {
        EditorRig rig;
        rig.window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.window()));
        QStringList faults = TextFit::Overflows(&rig.window());
        faults << TextFit::MenuBarOverflows(rig.window().menuBar());
        for (QMenu* menu : MenusOf(rig.window().menuBar())) {
            menu->popup(rig.window().mapToGlobal(QPoint(0, 0)));
            QTRY_VERIFY(menu->isVisible());
            faults << TextFit::MenuOverflows(menu);
            menu->hide();
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // Every menu entry run on a loaded file, file dialogs cancelled: the messages and dialogs
    // they show, shown for real.
    void dialogsAndMessagesFit() {
        DialogWatch watch;
        auto boxes = std::make_shared<RealBoxes>();
        EditorRig rig({}, boxes);
        rig.window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.window()));
        const QString file = rig.userFile(QStringLiteral("unnamed_1846.bin"));
        QVERIFY(EditorRig::writeCompressed(file, EditorRig::nameImage(12)));
        rig.open(QStringLiteral("-1")); // nothing chosen
        rig.open(rig.userFile(QStringLiteral("missing.bin")));
        rig.open(file);
        rig.select(3);
        rig.retype(QStringLiteral("Changed"));
        rig.window().Cmd_Zapisz_Click();
        rig.window().TellRecovered({QStringLiteral("unnamed_1846.bin")});
        rig.retype(QStringLiteral("Unsaved")); // Open and Quit ask first
        for (QMenu* menu : MenusOf(rig.window().menuBar())) {
            for (QAction* action : menu->actions()) {
                if (!action->menu() && !action->isSeparator() && action->isEnabled() &&
                    action->objectName() != QLatin1String("MnuQuit")) {
                    action->trigger();
                    QTRY_VERIFY(!rig.window().ToolBusy());
                }
            }
        }
        NameChange plain;
        plain.Index = 1;
        plain.OldName = QStringLiteral("Player 1");
        plain.NewName = QStringLiteral("New");
        NameChange marked = plain; // a character replaced: Apply waits for a tick
        marked.Index = 2;
        marked.NewName = QStringLiteral("Ren?");
        marked.Typed = QStringLiteral("Renée");
        QVERIFY(!ChangePreviewDialog().Confirm(&rig.window(), QStringLiteral("unnamed_1846.bin"),
                                               {plain, marked}, {}));
        // The test's own folders differ from run to run.
        m_DialogTexts = watch.texts;
        m_DialogTexts.replaceInStrings(
            QRegularExpression(QRegularExpression::escape(QDir::tempPath()) +
                               QStringLiteral("/[^/\\s\"]+")),
            QStringLiteral("<folder>"));
        QVERIFY(watch.seen >= 4);
        QVERIFY2(watch.overflows.isEmpty(), qPrintable(watch.overflows.join(QLatin1Char('\n'))));
    }

    // In English every text is today's, as tests/app/english_texts.txt keeps it;
    // VOXTREL_UPDATE_TEXTS=1 writes the file anew.
    void englishTextsAsToday() {
        if (!English()) {
            QSKIP("compared in English only");
        }
        EditorRig rig;
        rig.window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.window()));
        QStringList texts = TextFit::Texts(&rig.window());
        for (QAction* action : rig.window().menuBar()->actions()) {
            if (action->menu()) {
                texts << action->text();
                texts << TextFit::MenuTexts(action->menu(), action->text());
            }
        }
        texts << m_DialogTexts; // from dialogsAndMessagesFit, which runs first
        const QString path = QStringLiteral(VOXTREL_SOURCE_DIR "/tests/app/english_texts.txt");
        const QByteArray now = texts.join(QLatin1Char('\n')).toUtf8() + '\n';
        if (qEnvironmentVariableIsSet("VOXTREL_UPDATE_TEXTS")) {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(now);
        }
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        const QStringList was = QString::fromUtf8(kept.readAll()).split(QLatin1Char('\n'));
        const QStringList is = QString::fromUtf8(now).split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < std::max(was.size(), is.size()); ++i) {
            QCOMPARE(is.value(i), was.value(i));
        }
    }

private:
    QStringList m_DialogTexts;
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Chosen = UiLanguage::Install(VOXTREL_APP_DIR "/translations");
    TranslatedLookTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TranslatedLookTest.moc"

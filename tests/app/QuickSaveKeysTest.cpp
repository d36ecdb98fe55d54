// Quick Save from the keyboard in the window: Enter reaches the button as Space, and only a
// key whose first key-down reached the button presses it.
#include "EditorRig.h"
#include "app/frmMain.h"
#include "controls/button_xp/Button_XP.h"

#include <QKeyEvent>
#include <QtTest>

using namespace voxtrel;
using namespace voxtrel::test;

class QuickSaveKeysTest : public QObject {
    Q_OBJECT

    static void key(QWidget* to, QEvent::Type type, bool repeat) {
        QKeyEvent e(type, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), repeat);
        QCoreApplication::sendEvent(to, &e);
    }

private slots:
    // Enter held down in the "Save File" box goes on repeating after the box has closed:
    // its repeats and its release reach Quick Save, and must not save again.
    void heldEnterAfterASaveDoesNotSaveAgain() {
        EditorRig rig;
        const QString file = rig.userFile("unnamed_1846.bin");
        QVERIFY(EditorRig::writeCompressed(file, EditorRig::nameImage(30)));
        frmMain& w = rig.window();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        rig.open(file);
        auto* quick = rig.find<Button_XP>("cmdQSave");
        quick->setFocus();
        QTRY_VERIFY(quick->hasFocus());

        for (int i = 0; i < 3; ++i) {
            key(quick, QEvent::KeyPress, true);
        }
        QVERIFY(!quick->IsPressed());
        key(quick, QEvent::KeyRelease, false);
        QVERIFY(rig.messages->shown.isEmpty());

        // Pressed here, held and let go: one save.
        key(quick, QEvent::KeyPress, false);
        QVERIFY(quick->IsPressed());
        key(quick, QEvent::KeyPress, true);
        key(quick, QEvent::KeyRelease, false);
        QCOMPARE(rig.messages->shown.size(), 1);
        QCOMPARE(rig.messages->shown[0].text, QString("Save File"));
    }
};

QTEST_MAIN(QuickSaveKeysTest)
#include "QuickSaveKeysTest.moc"

// Button_XP: interaction with the mouse and the keyboard, driven as the toolkit would drive it.
#include "ButtonFakes.h"
#include "ButtonRig.h"
#include "controls/button_xp/AccessKey.h"
#include "controls/button_xp/Button_XP.h"
#include "controls/button_xp/MemoryPropertyBag.h"

#include <QAccessible>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QtTest>

using namespace voxtrel;
using namespace voxtrel::test;

class ButtonXpTest : public QObject {
    Q_OBJECT

private slots:
    void accessKeysFromCaptions_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("key");
        QTest::newRow("&Save") << "&Save"
                               << "s";
        QTest::newRow("Save && Exit") << "Save && Exit"
                                      << "";
        QTest::newRow("a&&b&C") << "a&&b&C"
                                << "c";
        QTest::newRow("&") << "&"
                           << "";
        QTest::newRow("Save&") << "Save&"
                               << "";
        QTest::newRow("&&") << "&&"
                            << "";
        QTest::newRow("&&&&&x, third group not looked at") << "&&&&&x"
                                                           << "";
    }
    void accessKeysFromCaptions() {
        QFETCH(QString, caption);
        QFETCH(QString, key);
        QCOMPARE(AccessKeyFromCaption(caption), key);
    }

    void accessKeyClicksOnlyWhileEnabled() {
        Rig r;
        r.button->setCaption("&Quick");
        r.button->setURL("http://names.example/");
        r.show();
        QTest::keyClick(&r.window, Qt::Key_Q, Qt::AltModifier);
        QCOMPARE(r.events(), QStringList({"Click", "navigate:http://names.example/"}));
        r.log.clear();
        r.button->setEnabled(false);
        QTest::keyClick(&r.window, Qt::Key_Q, Qt::AltModifier);
        QVERIFY(r.events().isEmpty());
    }

    void themedStyleHasNotchedCorners() {
        Rig r;
        r.button->resize(80, 24);
        r.button->setButtonStyle(3);
        const QRegion shape = r.button->mask();
        for (QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(79, 0), QPoint(78, 0),
                         QPoint(79, 1), QPoint(0, 23), QPoint(1, 23), QPoint(0, 22), QPoint(79, 23),
                         QPoint(78, 23), QPoint(79, 22)}) {
            QVERIFY2(!shape.contains(p),
                     qPrintable(QString("(%1,%2) inside").arg(p.x()).arg(p.y())));
        }
        QVERIFY(shape.contains(QPoint(2, 0)));
        QVERIFY(shape.contains(QPoint(1, 1)));
        QVERIFY(shape.contains(QPoint(40, 12)));
        r.button->setButtonStyle(2);
        QVERIFY(r.button->mask().isEmpty()); // other styles are plain rectangles again
    }

    void growsToTheMinimumSize() {
        Rig r;
        r.button->resize(5, 40);
        r.window.show();
        QTRY_COMPARE(r.button->size(), QSize(10, 40));
        r.button->resize(30, 3);
        QTRY_COMPARE(r.button->size(), QSize(30, 10));
        QCOMPARE(r.button->FocusRect(), QRect(QPoint(4, 4), QPoint(25, 5)));
    }

    void leftClickInside() {
        Rig r;
        r.button->setURL("http://names.example/");
        r.show();
        r.mouse(QEvent::MouseMove, {5, 5}, Qt::NoButton, Qt::NoButton);
        QVERIFY(r.button->IsMouseOver());
        r.mouse(QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(r.button->IsPressed());
        r.mouse(QEvent::MouseButtonRelease, {5, 6}, Qt::LeftButton, Qt::NoButton);
        QVERIFY(!r.button->IsPressed());
        QCOMPARE(r.events(),
                 QStringList({"MouseIn(0)", "MouseDown(1,0,5,5)",
                              "sound:" + QDir::current().absoluteFilePath("resources/click.wav"),
                              "Click", "navigate:http://names.example/", "MouseUp(1,0,5,6)"}));
    }

    void releaseEdges() {
        Rig r;
        r.show();
        auto clicks = [&](QPointF at) {
            r.log.clear();
            r.mouse(QEvent::MouseButtonPress, {1, 1}, Qt::LeftButton, Qt::LeftButton);
            r.mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
            return r.events().contains("Click");
        };
        QVERIFY(!clicks({80, 5}));
        QVERIFY(clicks({0, 5}));
        QVERIFY(!clicks({-0.5, 5}));
        QVERIFY(clicks({79.5, 23.5}));
    }

    void rightButtonDoesNotClick() {
        Rig r;
        r.show();
        const int before = r.button->RefreshCount();
        r.mouse(QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton);
        QVERIFY(!r.button->IsPressed());
        r.mouse(QEvent::MouseButtonRelease, {5, 5}, Qt::RightButton, Qt::NoButton);
        QCOMPARE(r.button->RefreshCount(), before);
        QCOMPARE(r.events(), QStringList({"MouseDown(2,0,5,5)", "MouseUp(2,0,5,5)"}));
    }

    void spaceWithAutoRepeat() {
        Rig r;
        r.show();
        r.key(QEvent::KeyPress, Qt::Key_Space, {}, false, " ");
        QVERIFY(r.button->IsPressed());
        QVERIFY(r.button->IsMouseOver());
        const int afterPress = r.button->RefreshCount();
        for (int i = 0; i < 3; ++i) {
            r.key(QEvent::KeyRelease, Qt::Key_Space, {}, true, " "); // X11 repeats releases too
            r.key(QEvent::KeyPress, Qt::Key_Space, {}, true, " ");
        }
        QCOMPARE(r.button->RefreshCount(), afterPress);
        QVERIFY(r.button->IsPressed());
        r.key(QEvent::KeyRelease, Qt::Key_Space, {}, false, " ");
        QVERIFY(!r.button->IsPressed());
        QVERIFY(!r.button->IsMouseOver());
        const QStringList expected = {"KeyDown(32,0)",
                                      "KeyDown(32,0)",
                                      "KeyDown(32,0)",
                                      "KeyDown(32,0)",
                                      "sound:" +
                                          QDir::current().absoluteFilePath("resources/click.wav"),
                                      "Click",
                                      "MouseUp(1,0,0,0)",
                                      "KeyUp(32,0)"};
        QCOMPARE(r.events(), expected);
    }

    void shiftHeldBeforeSpace() {
        Rig r;
        r.show();
        r.key(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
        r.key(QEvent::KeyPress, Qt::Key_Space, Qt::ShiftModifier, false, " ");
        QVERIFY(!r.button->IsPressed()); // another key was already down
        r.key(QEvent::KeyRelease, Qt::Key_Space, Qt::ShiftModifier, false, " ");
        QVERIFY(r.events().contains("Click"));
        QVERIFY(r.events().contains("MouseUp(1,1,0,0)"));
        QVERIFY(r.events().contains("KeyDown(32,1)"));
    }

    // Only a Space that went down on the control, which kept the focus since, clicks when it
    // goes up: the release of a key pressed in a dialog that has just closed must not.
    void spaceClicksOnlyAfterItsOwnPress_data() {
        QTest::addColumn<QString>("steps"); // p: press, r: release, Space unless named
        QTest::addColumn<int>("clicks");
        QTest::newRow("a release with no press") << "r" << 0;
        QTest::newRow("a release after another key's press") << "pCtrl r" << 0;
        QTest::newRow("a press and a release") << "p r" << 1;
        QTest::newRow("a stray second release") << "p r r" << 1;
        QTest::newRow("the focus left in between") << "p focus r" << 0;
        // A Space or Enter held down in a message box: once the box has closed, only its
        // repeats and its release reach the control.
        QTest::newRow("repeats of a key held elsewhere") << "pa pa pa r" << 0;
        QTest::newRow("a press, its repeats and its release") << "p pa pa r" << 1;
    }
    void spaceClicksOnlyAfterItsOwnPress() {
        QFETCH(QString, steps);
        QFETCH(int, clicks);
        Rig r;
        r.show();
        for (const QString& step : steps.split(' ')) {
            if (step == "focus") {
                r.button->clearFocus();
                r.button->setFocus();
            } else if (step == "pCtrl") {
                r.key(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
            } else if (step == "pa") {
                r.key(QEvent::KeyPress, Qt::Key_Space, {}, true, " ");
                QCOMPARE(r.button->IsPressed(), steps.startsWith("p ")); // no press look
            } else {
                r.key(step == "p" ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_Space, {}, false,
                      " ");
            }
        }
        QCOMPARE(r.events().count("Click"), clicks);
        QVERIFY(!r.button->IsPressed());
    }

    // Assistive technology sees a push button named by its caption, with its focus and
    // enabled state, and its press action clicks it only while it is enabled.
    void reachableByAssistiveTechnology() {
        Rig r;
        r.show();
        r.button->setCaption("&Quick Save");
        QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(r.button);
        QVERIFY(seen);
        QCOMPARE(seen->role(), QAccessible::Button);
        QCOMPARE(seen->text(QAccessible::Name), QString("Quick Save"));
        QVERIFY(seen->state().focused);
        QVERIFY(!seen->state().disabled);
        QVERIFY(seen->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        seen->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(r.events().count("Click"), 1);
        r.button->setEnabled(false);
        QVERIFY(seen->state().disabled);
        seen->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(r.events().count("Click"), 1);
    }

    void dragOutAndBackIn() {
        Rig r;
        r.show();
        r.pointer->under = r.button;
        r.mouse(QEvent::MouseMove, {5, 5}, Qt::NoButton, Qt::NoButton);
        QVERIFY(r.button->OverTimer().isActive());
        r.mouse(QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton,
                Qt::ShiftModifier);
        r.mouse(QEvent::MouseMove, {120, 5}, Qt::NoButton, Qt::LeftButton);
        r.pointer->under = &r.window;
        QTRY_VERIFY(!r.button->IsMouseOver());
        QVERIFY(!r.button->OverTimer().isActive());
        QVERIFY(r.button->IsPressed()); // still held: moving back in shows it pressed again
        QVERIFY(r.events().contains("MouseOut(1)")); // the modifiers of the press
        r.pointer->under = r.button;
        r.mouse(QEvent::MouseMove, {6, 6}, Qt::NoButton, Qt::LeftButton);
        QVERIFY(r.button->IsMouseOver());
        QVERIFY(r.button->IsPressed());
        r.mouse(QEvent::MouseButtonRelease, {6, 6}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(r.events().filter(QRegularExpression("^(Mouse(In|Out)|Click)")),
                 QStringList({"MouseIn(0)", "MouseOut(1)", "MouseIn(0)", "Click"}));
    }

    void doubleClickReplaysTheFirstPress() {
        Rig r;
        r.show();
        r.mouse(QEvent::MouseButtonPress, {7, 8}, Qt::LeftButton, Qt::LeftButton,
                Qt::ControlModifier);
        r.mouse(QEvent::MouseButtonRelease, {7, 8}, Qt::LeftButton, Qt::NoButton);
        r.log.clear();
        r.mouse(QEvent::MouseButtonDblClick, {30, 9}, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(r.button->IsPressed());
        QCOMPARE(r.events(), QStringList({"MouseDown(1,2,7,8)"}));
        r.mouse(QEvent::MouseButtonRelease, {30, 9}, Qt::LeftButton, Qt::NoButton);
        QVERIFY(r.events().contains("Click"));
        QVERIFY(!r.button->IsPressed());
    }

    void charactersRaiseKeyPress() {
        Rig r;
        r.show();
        QList<int> typed;
        connect(r.button, &Button_XP::KeyPress, [&](qint16& ascii) { typed << ascii; });
        QTest::keyClick(r.button, Qt::Key_A, {}, 0);
        QTest::keyClicks(r.button, "b");
        QCOMPARE(typed, QList<int>({int('a'), int('b')}));
        QVERIFY(r.events().contains("KeyDown(65,0)"));
        QVERIFY(r.events().contains("KeyUp(65,0)"));
    }

    void releasedAwayDoesNotClick() {
        Rig r;
        r.show();
        r.pointer->under = r.button;
        r.mouse(QEvent::MouseMove, {5, 5}, Qt::NoButton, Qt::NoButton);
        r.mouse(QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
        r.pointer->under = nullptr;
        QTRY_VERIFY(!r.button->IsMouseOver());
        r.mouse(QEvent::MouseButtonRelease, {150, 5}, Qt::LeftButton, Qt::NoButton);
        QVERIFY(!r.events().contains("Click"));
        QVERIFY(r.events().filter("sound:").isEmpty());
        QVERIFY(r.events().contains("MouseUp(1,0,150,5)"));
    }

    void focusLeavingDuringPress() {
        Rig r;
        QLineEdit other(&r.window);
        other.move(100, 50);
        r.show();
        r.mouse(QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(r.button->IsPressed());
        other.setFocus();
        QTRY_VERIFY(!r.button->HasFocus());
        QVERIFY(!r.button->IsPressed());
        r.mouse(QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
        QVERIFY(r.events().contains("Click"));
    }

    void hoverPictureWhileOver() {
        Rig r;
        const PictureRef normal = ButtonPicture::fromImage(QImage(8, 8, QImage::Format_RGB32));
        const PictureRef hover = ButtonPicture::fromImage(QImage(9, 9, QImage::Format_RGB32));
        r.button->setPicture(normal);
        r.button->setPictureHover(hover);
        r.show();
        r.pointer->under = r.button;
        r.mouse(QEvent::MouseMove, {5, 5}, Qt::NoButton, Qt::NoButton);
        QCOMPARE(r.button->Picture(), hover);
        MemoryPropertyBag bag;
        r.button->WriteProperties(bag);
        QCOMPARE(bag.value("Picture").value<PictureRef>(), hover); // saved as it reads now
        r.pointer->under = nullptr;
        QTRY_COMPARE(r.button->Picture(), normal);
    }

    void goToUrlTargets() {
        Rig r;
        r.button->setURL("mailto:editor@names.example");
        r.log.clear();
        r.button->GoToURL();
        QCOMPARE(r.log, QStringList({"shell:mailto:editor@names.example"}));
        QCOMPARE(r.urls->lastOwner, &r.window);
        r.button->setURL("MAILTO:editor@names.example");
        r.log.clear();
        r.button->GoToURL();
        QCOMPARE(r.log, QStringList({"navigate:MAILTO:editor@names.example"}));
        r.button->setURL("");
        r.log.clear();
        r.button->GoToURL();
        QVERIFY(r.log.isEmpty());
    }
};

QTEST_MAIN(ButtonXpTest)
#include "ButtonXpTest.moc"

#pragma once

#include "ButtonFakes.h"
#include "controls/button_xp/Button_XP.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QtTest>

namespace voxtrel::test {

// One control in a window, with every service faked and one log for all of them.
struct Rig {
    QStringList log;
    RecordingHost host{log};
    std::shared_ptr<FakePointer> pointer = std::make_shared<FakePointer>();
    std::shared_ptr<FakeUrls> urls = std::make_shared<FakeUrls>(log);
    QWidget window;
    Button_XP* button;

    Rig()
        : button(new Button_XP(&window, &host,
                               ButtonServices{pointer, std::make_shared<FakeSound>(log), urls})) {
        window.resize(200, 100);
        button->InitProperties();
        button->setGeometry(10, 10, 80, 24);
        QObject::connect(button, &Button_XP::Click, [this] { log << "Click"; });
        QObject::connect(
            button, &Button_XP::MouseDown, [this](qint16& b, qint16& s, float& x, float& y) {
                log << QStringLiteral("MouseDown(%1,%2,%3,%4)").arg(b).arg(s).arg(x).arg(y);
            });
        QObject::connect(
            button, &Button_XP::MouseUp, [this](qint16& b, qint16& s, float& x, float& y) {
                log << QStringLiteral("MouseUp(%1,%2,%3,%4)").arg(b).arg(s).arg(x).arg(y);
            });
        QObject::connect(button, &Button_XP::MouseIn,
                         [this](qint16& s) { log << QStringLiteral("MouseIn(%1)").arg(s); });
        QObject::connect(button, &Button_XP::MouseOut,
                         [this](qint16& s) { log << QStringLiteral("MouseOut(%1)").arg(s); });
        QObject::connect(button, &Button_XP::KeyDown, [this](qint16& k, qint16& s) {
            log << QStringLiteral("KeyDown(%1,%2)").arg(k).arg(s);
        });
        QObject::connect(button, &Button_XP::KeyUp, [this](qint16& k, qint16& s) {
            log << QStringLiteral("KeyUp(%1,%2)").arg(k).arg(s);
        });
    }
    void show() {
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        button->setFocus();
        QTRY_VERIFY(button->hasFocus());
        log.clear();
    }
    // The log without notifications, for the event sequences.
    QStringList events() const {
        QStringList out;
        for (const QString& s : log) {
            if (!s.startsWith("notify:")) {
                out << s;
            }
        }
        return out;
    }
    void mouse(QEvent::Type type, QPointF pos, Qt::MouseButton b, Qt::MouseButtons held,
               Qt::KeyboardModifiers mods = {}) {
        QMouseEvent e(type, pos, button->mapToGlobal(pos), b, held, mods);
        QCoreApplication::sendEvent(button, &e);
    }
    void key(QEvent::Type type, int key, Qt::KeyboardModifiers mods = {}, bool repeat = false,
             const QString& text = {}) {
        QKeyEvent e(type, key, mods, text, repeat);
        QCoreApplication::sendEvent(button, &e);
    }
};

} // namespace voxtrel::test

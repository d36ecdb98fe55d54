#include "controls/button_xp/ButtonAccessible.h"

#include "controls/button_xp/Button_XP.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace voxtrel {
namespace {

QAccessibleInterface* factory(const QString& ClassName, QObject* Object) {
    Q_UNUSED(ClassName);
    if (auto* button = qobject_cast<Button_XP*>(Object)) {
        return new ButtonAccessible(button);
    }
    return nullptr;
}

} // namespace

ButtonAccessible::ButtonAccessible(Button_XP* Button)
    : QAccessibleWidget(Button, QAccessible::Button) {}

QString ButtonAccessible::text(QAccessible::Text Kind) const {
    if (Kind == QAccessible::Name) {
        // The caption as read aloud: its access-key marks taken out.
        QString caption = static_cast<Button_XP*>(widget())->Caption();
        caption.replace(QLatin1String("&&"), QLatin1String("\x01"));
        caption.remove(QLatin1Char('&'));
        caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
        const QString named = QAccessibleWidget::text(Kind);
        return named.isEmpty() ? caption : named;
    }
    return QAccessibleWidget::text(Kind);
}

QAccessible::State ButtonAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    auto* button = static_cast<Button_XP*>(widget());
    state.disabled = !button->Enabled() || !button->isEnabled();
    state.focusable = true;
    state.focused = button->hasFocus();
    state.pressed = button->IsPressed();
    return state;
}

QStringList ButtonAccessible::actionNames() const {
    return {pressAction(), setFocusAction()};
}

void ButtonAccessible::doAction(const QString& Action) {
    if (Action != pressAction()) {
        QAccessibleWidget::doAction(Action);
        return;
    }
    // Pressed and let go as Space does it, so that every rule of a click holds: a disabled
    // button takes no keys.
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent space(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(widget(), &space);
    }
}

void ButtonAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace voxtrel

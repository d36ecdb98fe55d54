#include "app/KeyHooks.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace voxtrel::KeyHooks {

bool ClaimUndoKeys(QEvent* Event, const QList<QKeySequence>& Redo) {
    if (Event->type() != QEvent::ShortcutOverride) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(Event);
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
           Redo.contains(QKeySequence(key->keyCombination()));
}

bool EnterAsSpace(QEvent* Event, QWidget* Button) {
    if (Event->type() != QEvent::KeyPress && Event->type() != QEvent::KeyRelease) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(Event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) {
        return false;
    }
    QKeyEvent space(key->type(), Qt::Key_Space, key->modifiers() & ~Qt::KeypadModifier,
                    QStringLiteral(" "), key->isAutoRepeat());
    QCoreApplication::sendEvent(Button, &space);
    return true;
}

} // namespace voxtrel::KeyHooks

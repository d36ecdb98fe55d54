#pragma once

#include <QKeySequence>
#include <QList>

class QEvent;
class QWidget;

namespace voxtrel::KeyHooks {

// For a line edit: claims the undo and redo keys (and Redo's other shortcuts) before the edit
// takes them for its own undo, so that they reach the document's.
bool ClaimUndoKeys(QEvent* Event, const QList<QKeySequence>& Redo);

// For a button: Enter goes to Button as Space, going down and up, so that Enter clicks it by
// the button's own rule (only a key that went down on it clicks when it goes up).
bool EnterAsSpace(QEvent* Event, QWidget* Button);

} // namespace voxtrel::KeyHooks

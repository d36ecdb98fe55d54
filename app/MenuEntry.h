#pragma once

#include <QKeySequence>
#include <QString>

class QAction;
class QObject;

namespace voxtrel {

// A menu entry that Owner (the controller that runs it) owns: its caption with its access
// key, its object name, its shortcut, and whether it can be chosen before a file is open.
QAction* MenuEntry(QObject* Owner, const QString& Text, const char* Name,
                   const QKeySequence& Shortcut = {}, bool Enabled = true);

} // namespace voxtrel

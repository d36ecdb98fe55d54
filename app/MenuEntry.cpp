#include "app/MenuEntry.h"

#include <QAction>

namespace voxtrel {

QAction* MenuEntry(QObject* Owner, const QString& Text, const char* Name,
                   const QKeySequence& Shortcut, bool Enabled) {
    auto* action = new QAction(Text, Owner);
    action->setObjectName(QLatin1String(Name));
    if (!Shortcut.isEmpty()) {
        action->setShortcut(Shortcut);
    }
    action->setEnabled(Enabled);
    return action;
}

} // namespace voxtrel

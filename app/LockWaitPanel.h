#pragma once

#include "document/FileLock.h"

#include <QPointer>
#include <QString>

class QProgressDialog;
class QWidget;

namespace voxtrel {

// Shows a save's wait for a lock another program holds: who holds it, how long it has been
// waited for against its bound, and Cancel. The window keeps handling its events meanwhile.
// One panel serves one save.
class LockWaitPanel {
public:
    // Owner: the window the panel belongs to. File: the file's name, as messages give it.
    LockWaitPanel(QWidget* Owner, QString File);
    ~LockWaitPanel();
    LockWaitPanel(const LockWaitPanel&) = delete;
    LockWaitPanel& operator=(const LockWaitPanel&) = delete;

    // For SaveOptions::Waiting: shows the panel, keeps the events going for one wait step,
    // and says whether to wait on (false once Cancel was pressed).
    [[nodiscard]] LockWait Waiter();

private:
    bool Wait(qint64 WaitedMs, const QString& Holder);

    QWidget* m_Owner;
    QString m_File;
    QPointer<QProgressDialog> m_Panel;
    bool m_Cancelled = false;
};

} // namespace voxtrel

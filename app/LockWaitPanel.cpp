#include "app/LockWaitPanel.h"

#include "app/ButtonWidth.h"

#include <QCoreApplication>

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

namespace voxtrel {

LockWaitPanel::LockWaitPanel(QWidget* Owner, QString File)
    : m_Owner(Owner), m_File(std::move(File)) {}

LockWaitPanel::~LockWaitPanel() {
    delete m_Panel;
}

LockWait LockWaitPanel::Waiter() {
    return [this](qint64 WaitedMs, const QString& Holder) { return Wait(WaitedMs, Holder); };
}

bool LockWaitPanel::Wait(qint64 WaitedMs, const QString& Holder) {
    if (m_Panel == nullptr) {
        m_Panel = new QProgressDialog(m_Owner);
        m_Panel->setObjectName(QStringLiteral("lockWait"));
        m_Panel->setWindowTitle(QCoreApplication::translate("voxtrel::LockWaitPanel", "Waiting"));
        m_Panel->setCancelButtonText(
            QCoreApplication::translate("voxtrel::LockWaitPanel", "Cancel"));
        m_Panel->setRange(0, int(FileLock::LockBoundMs));
        m_Panel->setMinimumDuration(0);
        m_Panel->setWindowModality(Qt::WindowModal); // the window repaints; its menus wait
        QObject::connect(m_Panel, &QProgressDialog::canceled, [this] { m_Cancelled = true; });
        ButtonWidth::FitCaptions(m_Panel);
        m_Panel->show();
    }
    m_Panel->setLabelText(
        QCoreApplication::translate("voxtrel::LockWaitPanel",
                                    "%1 is locked by %2. Waiting for it...")
            .arg(m_File, Holder.isEmpty() ? QCoreApplication::translate("voxtrel::LockWaitPanel",
                                                                        "another program")
                                          : Holder));
    m_Panel->setValue(int(WaitedMs));
    // One wait step with the events going, so that Cancel and painting work.
    QEventLoop step;
    QTimer::singleShot(FileLock::WaitStepMs, &step, &QEventLoop::quit);
    step.exec();
    return !m_Cancelled;
}

} // namespace voxtrel

#include "app/ToolProgress.h"

#include "document/NameDocument.h"

#include <QApplication>
#include <QProgressDialog>

namespace voxtrel {

ToolProgress::ToolProgress(NameDocument* document, QWidget* owner, QString title)
    : QObject(owner), m_Document(document), m_Owner(owner), m_Title(std::move(title)) {
    m_Delay.setSingleShot(true);
    m_Delay.setInterval(DelayMs);
    connect(&m_Delay, &QTimer::timeout, this, &ToolProgress::Show);
    connect(document, &NameDocument::ToolRunningChanged, this, &ToolProgress::Running);
}

ToolProgress::~ToolProgress() = default;

void ToolProgress::Running(bool running, const QString& what) {
    if (running) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
        m_What = what;
        m_Delay.start();
        return;
    }
    QApplication::restoreOverrideCursor();
    m_Delay.stop();
    if (m_Dialog) {
        m_Dialog->hide();
        m_Dialog->deleteLater(); // it may be the one whose Cancel ended the run
    }
}

void ToolProgress::Show() {
    auto* dialog = new QProgressDialog(m_What, QStringLiteral("Cancel"), 0, 0, m_Owner);
    dialog->setObjectName(QStringLiteral("ToolProgress"));
    dialog->setWindowTitle(m_Title);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(0);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    connect(dialog, &QProgressDialog::canceled, m_Document, &NameDocument::CancelTool);
    m_Dialog = dialog;
    dialog->show();
}

} // namespace voxtrel

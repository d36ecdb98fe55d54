#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QProgressDialog;
class QWidget;

namespace voxtrel {

class NameDocument;

// A tool run that lasts longer than about half a second gets a modal progress dialog with a
// busy indicator and Cancel; Cancel ends the run, which then fails.
class ToolProgress : public QObject {
    Q_OBJECT
public:
    static constexpr int DelayMs = 500;

    // title: the dialog's caption.
    ToolProgress(NameDocument* document, QWidget* owner, QString title);
    ~ToolProgress() override;

private:
    void Running(bool running, const QString& what);
    void Show();

    NameDocument* m_Document;
    QWidget* m_Owner;
    QString m_Title;
    QTimer m_Delay;
    QString m_What;
    QPointer<QProgressDialog> m_Dialog;
};

} // namespace voxtrel

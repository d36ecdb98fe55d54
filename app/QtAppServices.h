#pragma once

#include "app/AppServices.h"

namespace voxtrel {

// QMessageBox.
class QtMessageBoxes : public MessageBoxes {
public:
    void Show(QWidget* Owner, const QString& Text, const QString& Title, Icon Kind,
              const QString& Detail = {}) override;
    Answer AskToSave(QWidget* Owner, const QString& Text, const QString& Title) override;
    bool AskYesNo(QWidget* Owner, const QString& Text, const QString& Title) override;
    int Choose(QWidget* Owner, const QString& Text, const QString& Title,
               const QStringList& Buttons) override;
};

// QDesktopServices::openUrl.
class QtLinkOpener : public LinkOpener {
public:
    bool Open(const QUrl& Url, QWidget* Owner) override;
};

// QFileDialog, for name files and name lists.
class QtFileDialogs : public FileDialogs {
public:
    QString OpenPath(QWidget* Owner, const QString& Title, const QString& Dir,
                     const QString& Filter) override;
    QStringList OpenPaths(QWidget* Owner, const QString& Title, const QString& Dir,
                          const QString& Filter) override;
    QString SavePath(QWidget* Owner, const QString& Title, const QString& Suggested,
                     const QString& Filter) override;
};

} // namespace voxtrel

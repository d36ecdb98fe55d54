#pragma once

#include "app/AppServices.h"

namespace voxtrel {

// QMessageBox.
class QtMessageBoxes : public MessageBoxes {
public:
    void Show(QWidget* Owner, const QString& Text, const QString& Title, Icon Kind) override;
};

// QDesktopServices::openUrl.
class QtLinkOpener : public LinkOpener {
public:
    void Open(const QUrl& Url, QWidget* Owner) override;
};

} // namespace voxtrel

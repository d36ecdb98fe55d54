#pragma once

#include "app/AppServices.h"

namespace voxtrel {

// The preview of an import as a dialog: a table of every rename, Apply and Cancel.
class ChangePreviewDialog : public ChangePreview {
public:
    bool Confirm(QWidget* Owner, const QString& Title, const NameChanges& Changes,
                 const QStringList& Notes) override;
};

} // namespace voxtrel

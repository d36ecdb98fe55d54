#pragma once

#include <QString>

class QWidget;

namespace voxtrel {

// Asks the user for one file. OpenFileName returns the chosen full path, or "-1" when no file
// was chosen; TitleName then gives the chosen path's bare file name.
class OpenFileDialog {
public:
    virtual ~OpenFileDialog() = default;
    virtual QString OpenFileName(QWidget* FrmName, const QString& DialogTitle,
                                 const QString& DirPath, const QString& Filter) = 0;
    virtual QString TitleName() const = 0;
};

} // namespace voxtrel

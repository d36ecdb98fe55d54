#pragma once

#include "dialogs/OpenFileDialog.h"

#include <QStringList>

namespace voxtrel {

// The platform's open-file dialog. Filter lists description and pattern pieces separated by
// "|", as in "Name files (*.bin)|*.bin| All files (*.*)|*.*".
class Scn_Common_Dialog : public OpenFileDialog {
public:
    QString OpenFileName(QWidget* FrmName, const QString& DialogTitle, const QString& DirPath,
                         const QString& Filter) override;
    QString TitleName() const override;

    // The filter pieces as the dialog's type list: one entry per description and pattern
    // pair, the description kept as written (leading spaces too). An empty piece ends the
    // list; an empty Filter gives no list.
    static QStringList FilterList(const QString& Filter);
    // The last component of a full path.
    static QString BareName(const QString& FullPath);

protected:
    // Shows the dialog; returns the chosen path, empty when cancelled.
    virtual QString Ask(QWidget* owner, const QString& title, const QString& dir,
                        const QStringList& filters);

private:
    QString m_FullPath;
};

} // namespace voxtrel

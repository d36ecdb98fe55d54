#include "dialogs/Scn_Common_Dialog.h"

#include <QDir>
#include <QFileDialog>

namespace voxtrel {

QStringList Scn_Common_Dialog::FilterList(const QString& Filter) {
    QStringList out;
    if (Filter.isEmpty()) {
        return out;
    }
    const QStringList pieces = Filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < pieces.size(); i += 2) {
        const QString& description = pieces[i];
        const QString& pattern = pieces[i + 1];
        if (description.isEmpty() || pattern.isEmpty()) {
            break; // an empty piece ends the list
        }
        // The dialog takes its patterns from the parentheses at the end of an entry.
        const QString patterns = QString(pattern).replace(QLatin1Char(';'), QLatin1Char(' '));
        if (description.endsWith(QLatin1Char(')')) && description.contains(QLatin1Char('('))) {
            out << description;
        } else {
            out << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
        }
    }
    return out;
}

QString Scn_Common_Dialog::BareName(const QString& FullPath) {
    const QString native = QDir::toNativeSeparators(FullPath);
    QString last = native.split(QDir::separator()).last();
    const qsizetype zero = last.indexOf(QChar(0));
    return zero >= 0 ? last.left(zero) : last;
}

QString Scn_Common_Dialog::Ask(QWidget* owner, const QString& title, const QString& dir,
                               const QStringList& filters) {
    // The dialog does not insist that the file exists: the caller checks that itself.
    QFileDialog dialog(owner, title, dir);
    dialog.setObjectName(QStringLiteral("OpenFileDialog"));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString Scn_Common_Dialog::OpenFileName(QWidget* FrmName, const QString& DialogTitle,
                                        const QString& DirPath, const QString& Filter) {
    // The path comes back as chosen: on this platform a name may begin or end with a space.
    const QString chosen = Ask(FrmName, DialogTitle, DirPath, FilterList(Filter));
    if (chosen.isEmpty()) {
        return QStringLiteral("-1");
    }
    m_FullPath = QDir::toNativeSeparators(chosen);
    return m_FullPath;
}

QString Scn_Common_Dialog::TitleName() const {
    return m_FullPath.isEmpty() ? QString() : BareName(m_FullPath);
}

} // namespace voxtrel

#include "app/ChangePreviewDialog.h"

#include "app/ButtonWidth.h"

#include <QCoreApplication>

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace voxtrel {

bool ChangePreviewDialog::Confirm(QWidget* Owner, const QString& Title, const NameChanges& Changes,
                                  const QStringList& Notes) {
    QDialog dialog(Owner);
    dialog.setObjectName(QStringLiteral("ChangePreview"));
    dialog.setWindowTitle(Title);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(
        Changes.size() == 1
            ? QCoreApplication::translate(
                  "voxtrel::ChangePreviewDialog",
                  "The list renames %n name. Nothing changes until you apply it.", nullptr, 1)
            : QCoreApplication::translate(
                  "voxtrel::ChangePreviewDialog",
                  "The list renames %n names. Nothing changes until you apply it.", nullptr,
                  static_cast<int>(Changes.size())),
        &dialog));
    // What the reader noticed: the sheet it read of several, the hidden rows it counted.
    if (!Notes.isEmpty()) {
        auto* notes = new QLabel(Notes.join(QLatin1Char('\n')), &dialog);
        notes->setObjectName(QStringLiteral("ReaderNotes"));
        notes->setWordWrap(true);
        layout->addWidget(notes);
    }
    auto* table = new QTableWidget(static_cast<int>(Changes.size()), 3, &dialog);
    table->setObjectName(QStringLiteral("Changes"));
    table->setHorizontalHeaderLabels(
        {QCoreApplication::translate("voxtrel::ChangePreviewDialog", "Index"),
         QCoreApplication::translate("voxtrel::ChangePreviewDialog", "Current name"),
         QCoreApplication::translate("voxtrel::ChangePreviewDialog", "New name")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int row = 0; row < Changes.size(); ++row) {
        const NameChange& change = Changes[row];
        auto* index = new QTableWidgetItem(QString::number(change.Index));
        index->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, 0, index);
        table->setItem(row, 1, new QTableWidgetItem(change.OldName));
        table->setItem(row, 2, new QTableWidgetItem(change.NewName));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table);
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* apply =
        buttons->addButton(QCoreApplication::translate("voxtrel::ChangePreviewDialog", "&Apply"),
                           QDialogButtonBox::AcceptRole);
    // Rows whose names hold characters the code page cannot: marked, shown as typed, and
    // applied only once the user agrees to their replacements.
    QList<int> replaced;
    // Rows whose new name looks like what a spreadsheet made of the name: marked, and
    // applied only once the user says that they are meant.
    QList<int> converted;
    for (int row = 0; row < Changes.size(); ++row) {
        const NameChange& change = Changes[row];
        if (!change.Typed.isEmpty() && change.Typed != change.NewName) {
            replaced << row;
            for (int column = 0; column < 3; ++column) {
                table->item(row, column)->setBackground(QColor(255, 218, 218));
            }
            table->item(row, 2)->setText(change.Typed);
        }
        if (!change.Damage.isEmpty()) {
            converted << row;
            const QString why =
                QCoreApplication::translate("voxtrel::ChangePreviewDialog",
                                            "Looks like %1 a spreadsheet made of \"%2\"")
                    .arg(change.Damage, change.OldName);
            for (int column = 0; column < 3; ++column) {
                table->item(row, column)->setBackground(QColor(255, 236, 179));
                table->item(row, column)->setToolTip(why);
            }
        }
    }
    QCheckBox* replace = nullptr;
    QCheckBox* meant = nullptr;
    const auto allowApply = [&replace, &meant, apply] {
        apply->setEnabled((replace == nullptr || replace->isChecked()) &&
                          (meant == nullptr || meant->isChecked()));
    };
    if (!replaced.isEmpty()) {
        replace = new QCheckBox(
            QCoreApplication::translate("voxtrel::ChangePreviewDialog",
                                        "&Replace characters the code page cannot hold"),
            &dialog);
        replace->setObjectName(QStringLiteral("Replace"));
        layout->insertWidget(layout->indexOf(table) + 1, replace);
        QObject::connect(replace, &QCheckBox::toggled, &dialog, [=](bool on) {
            for (const int row : replaced) {
                table->item(row, 2)->setText(on ? Changes[row].NewName : Changes[row].Typed);
            }
            allowApply();
        });
    }
    if (!converted.isEmpty()) {
        meant = new QCheckBox(QCoreApplication::translate(
                                  "voxtrel::ChangePreviewDialog",
                                  "The &marked names look converted by a spreadsheet (\"0123\" as "
                                  "\"123\"); apply them all the same"),
                              &dialog);
        meant->setObjectName(QStringLiteral("ApplyConverted"));
        layout->insertWidget(layout->indexOf(table) + 1, meant);
        QObject::connect(meant, &QCheckBox::toggled, &dialog, allowApply);
    }
    allowApply();
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    apply->setAutoDefault(false);
    cancel->setDefault(true); // Enter does not apply by accident; Escape cancels
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(640, 420);
    ButtonWidth::FitCaptions(&dialog);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace voxtrel

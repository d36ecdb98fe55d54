#include "app/ChangePreviewDialog.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace voxtrel {

bool ChangePreviewDialog::Confirm(QWidget* Owner, const QString& Title,
                                  const NameChanges& Changes) {
    QDialog dialog(Owner);
    dialog.setObjectName(QStringLiteral("ChangePreview"));
    dialog.setWindowTitle(Title);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(
        new QLabel(QStringLiteral("The list renames %1 %2. Nothing changes until you apply it.")
                       .arg(Changes.size())
                       .arg(Changes.size() == 1 ? QStringLiteral("name") : QStringLiteral("names")),
                   &dialog));
    auto* table = new QTableWidget(static_cast<int>(Changes.size()), 3, &dialog);
    table->setObjectName(QStringLiteral("Changes"));
    table->setHorizontalHeaderLabels(
        {QStringLiteral("Index"), QStringLiteral("Current name"), QStringLiteral("New name")});
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
    QPushButton* apply = buttons->addButton(QStringLiteral("&Apply"), QDialogButtonBox::AcceptRole);
    // Rows whose names hold characters the code page cannot: marked, shown as typed, and
    // applied only once the user agrees to their replacements.
    QList<int> replaced;
    for (int row = 0; row < Changes.size(); ++row) {
        if (!Changes[row].Typed.isEmpty() && Changes[row].Typed != Changes[row].NewName) {
            replaced << row;
            for (int column = 0; column < 3; ++column) {
                table->item(row, column)->setBackground(QColor(255, 218, 218));
            }
            table->item(row, 2)->setText(Changes[row].Typed);
        }
    }
    if (!replaced.isEmpty()) {
        auto* replace =
            new QCheckBox(QStringLiteral("&Replace characters the code page cannot hold"), &dialog);
        replace->setObjectName(QStringLiteral("Replace"));
        layout->insertWidget(2, replace);
        apply->setEnabled(false);
        QObject::connect(replace, &QCheckBox::toggled, &dialog, [=](bool on) {
            for (const int row : replaced) {
                table->item(row, 2)->setText(on ? Changes[row].NewName : Changes[row].Typed);
            }
            apply->setEnabled(on);
        });
    }
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    apply->setAutoDefault(false);
    cancel->setDefault(true); // Enter does not apply by accident; Escape cancels
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(640, 420);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace voxtrel

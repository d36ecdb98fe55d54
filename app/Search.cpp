#include "app/Search.h"

#include <QLineEdit>
#include <QListWidget>

namespace voxtrel::Search {

bool Find_Prefix(QListWidget* List, const QString& Text) {
    const QList<QListWidgetItem*> found = List->findItems(Text, Qt::MatchStartsWith);
    int row = -1;
    for (QListWidgetItem* item : found) {
        const int r = List->row(item);
        if (row < 0 || r < row) {
            row = r;
        }
    }
    if (row < 0) {
        List->clearSelection();
        List->setCurrentRow(-1);
        return false;
    }
    List->setCurrentRow(row);
    List->scrollToItem(List->item(row));
    return true;
}

int Find_Next(QListWidget* List, const QString& Text, bool Forward) {
    const int count = List->count();
    if (Text.isEmpty() || count == 0) {
        return -1;
    }
    const int from = List->selectedItems().isEmpty() ? (Forward ? -1 : count) : List->currentRow();
    for (int step = 1; step <= count; ++step) {
        const int row = ((from + (Forward ? step : -step)) % count + count) % count;
        if (List->item(row)->text().contains(Text, Qt::CaseInsensitive)) {
            List->setCurrentRow(row);
            List->scrollToItem(List->item(row));
            return row;
        }
    }
    return -1;
}

void Move_Selection(QListWidget* List, QLineEdit* Box, double Direction) {
    const int count = List->count();
    if (count == 0) {
        return;
    }
    int idx = List->selectedItems().isEmpty() ? -1 : List->currentRow();
    if (Direction == 1) {
        if (idx == -1) {
            idx = 0;
        }
        if (idx > 0) {
            List->setCurrentRow(idx - 1);
        }
    } else if (Direction == 2) {
        if (idx == -1) {
            idx = 0;
        }
        if (idx + 1 < count) { // past the last line the request fails and is ignored
            List->setCurrentRow(idx + 1);
        }
    } else {
        return;
    }
    const QList<QListWidgetItem*> selected = List->selectedItems();
    if (!selected.isEmpty()) {
        Box->setText(selected.front()->text());
        Select_All(Box);
    }
}

void Select_All(QLineEdit* Box) {
    Box->selectAll();
}

} // namespace voxtrel::Search

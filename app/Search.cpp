#include "app/Search.h"

#include "document/NameSearch.h"

#include <QAbstractItemModel>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>

namespace voxtrel::Search {
namespace {

int rows(QListView* list) {
    return list->model() ? list->model()->rowCount() : 0;
}

QString textAt(QListView* list, int row) {
    return list->model()->index(row, 0).data().toString();
}

} // namespace

int CurrentRow(QListView* List) {
    const QItemSelectionModel* selection = List->selectionModel();
    if (selection == nullptr || !selection->hasSelection()) {
        return -1;
    }
    return selection->selectedIndexes().value(0).row();
}

void SetCurrentRow(QListView* List, int Row) {
    if (Row < 0 || Row >= rows(List)) {
        List->clearSelection();
        List->setCurrentIndex(QModelIndex());
        return;
    }
    const QModelIndex index = List->model()->index(Row, 0);
    List->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    List->scrollTo(index);
}

bool FindPrefix(QListView* List, const QString& Text) {
    for (int row = 0; row < rows(List); ++row) {
        if (textAt(List, row).startsWith(Text, Qt::CaseInsensitive)) {
            SetCurrentRow(List, row);
            return true;
        }
    }
    SetCurrentRow(List, -1);
    return false;
}

int FindNext(QListView* List, const QString& Text, bool Forward) {
    if (Text.isEmpty()) {
        return -1;
    }
    const std::optional<int> row =
        NameSearch::Next(rows(List), CurrentRow(List), Forward, [List, &Text](int at) {
            return textAt(List, at).contains(Text, Qt::CaseInsensitive);
        });
    if (!row) {
        return -1;
    }
    SetCurrentRow(List, *row);
    return *row;
}

void Move_Selection(QListView* List, QLineEdit* Box, double Direction, bool Copy) {
    const int count = rows(List);
    if (count == 0) {
        return;
    }
    int idx = CurrentRow(List);
    if (idx == -1) {
        idx = 0;
    }
    if (Direction == 1) {
        if (idx > 0) {
            SetCurrentRow(List, idx - 1);
        }
    } else if (Direction == 2) {
        if (idx + 1 < count) { // past the last row the request fails and is ignored
            SetCurrentRow(List, idx + 1);
        }
    } else {
        return;
    }
    const int selected = CurrentRow(List);
    if (Copy && selected >= 0) {
        Box->setText(textAt(List, selected));
        Select_All(Box);
    }
}

void Select_All(QLineEdit* Box) {
    Box->selectAll();
}

} // namespace voxtrel::Search

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

int Current_Row(QListView* List) {
    const QItemSelectionModel* selection = List->selectionModel();
    if (selection == nullptr || !selection->hasSelection()) {
        return -1;
    }
    return selection->selectedIndexes().value(0).row();
}

void Set_Current_Row(QListView* List, int Row) {
    if (Row < 0 || Row >= rows(List)) {
        List->clearSelection();
        List->setCurrentIndex(QModelIndex());
        return;
    }
    const QModelIndex index = List->model()->index(Row, 0);
    List->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    List->scrollTo(index);
}

bool Find_Prefix(QListView* List, const QString& Text) {
    for (int row = 0; row < rows(List); ++row) {
        if (textAt(List, row).startsWith(Text, Qt::CaseInsensitive)) {
            Set_Current_Row(List, row);
            return true;
        }
    }
    Set_Current_Row(List, -1);
    return false;
}

int Find_Next(QListView* List, const QString& Text, bool Forward) {
    if (Text.isEmpty()) {
        return -1;
    }
    const std::optional<int> row =
        NameSearch::Next(rows(List), Current_Row(List), Forward, [List, &Text](int at) {
            return textAt(List, at).contains(Text, Qt::CaseInsensitive);
        });
    if (!row) {
        return -1;
    }
    Set_Current_Row(List, *row);
    return *row;
}

void Move_Selection(QListView* List, QLineEdit* Box, double Direction, bool Copy) {
    const int count = rows(List);
    if (count == 0) {
        return;
    }
    int idx = Current_Row(List);
    if (idx == -1) {
        idx = 0;
    }
    if (Direction == 1) {
        if (idx > 0) {
            Set_Current_Row(List, idx - 1);
        }
    } else if (Direction == 2) {
        if (idx + 1 < count) { // past the last row the request fails and is ignored
            Set_Current_Row(List, idx + 1);
        }
    } else {
        return;
    }
    const int selected = Current_Row(List);
    if (Copy && selected >= 0) {
        Box->setText(textAt(List, selected));
        Select_All(Box);
    }
}

void Select_All(QLineEdit* Box) {
    Box->selectAll();
}

} // namespace voxtrel::Search

#include "app/NameFilter.h"

namespace voxtrel {

NameFilter::NameFilter(QObject* parent) : QSortFilterProxyModel(parent) {
    setFilterCaseSensitivity(Qt::CaseInsensitive);
}

void NameFilter::setPinned(int Record) {
    if (m_Pinned != Record) {
        m_Pinned = Record;
        invalidateRowsFilter();
    }
}

bool NameFilter::filterAcceptsRow(int SourceRow, const QModelIndex& SourceParent) const {
    return SourceRow == m_Pinned ||
           QSortFilterProxyModel::filterAcceptsRow(SourceRow, SourceParent);
}

} // namespace voxtrel

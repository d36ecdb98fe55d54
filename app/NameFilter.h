#pragma once

#include <QSortFilterProxyModel>

namespace voxtrel {

// The names that hold the filter text, ignoring case, and always the record being worked on,
// so that renaming it so that it no longer matches never moves the work to another record.
class NameFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit NameFilter(QObject* parent = nullptr);
    // The record shown whatever its name; -1 for none.
    void setPinned(int Record);

protected:
    bool filterAcceptsRow(int SourceRow, const QModelIndex& SourceParent) const override;

private:
    int m_Pinned = -1;
};

} // namespace voxtrel

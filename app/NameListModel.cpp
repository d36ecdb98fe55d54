#include "app/NameListModel.h"

#include "document/NameDocument.h"

#include <QBrush>
#include <QFont>

namespace voxtrel {

NameListModel::NameListModel(const NameDocument& Document, QObject* parent)
    : QAbstractListModel(parent), m_Document(Document) {}

int NameListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_Document.IsOpen() ? 0 : m_Document.Table().Count();
}

QVariant NameListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const qint32 record = index.row();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return m_Document.Table().Get_Nazwa(record);
    case Qt::FontRole:
        if (Renamed(record)) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::AccessibleDescriptionRole:
        // What the bold says, for a screen reader.
        return Renamed(record) ? tr("Renamed, not saved") : QString();
    case Qt::BackgroundRole:
        return m_Marked && m_Marked(record) ? QVariant(QBrush(m_Tint)) : QVariant();
    case RecordRole:
        return record;
    default:
        return {};
    }
}

bool NameListModel::Renamed(qint32 Record) const {
    return m_Document.Table().Get_Nazwa(Record) != m_Document.SavedName(Record);
}

void NameListModel::setMarks(std::function<bool(qint32 Record)> Marked, const QColor& Tint) {
    m_Marked = std::move(Marked);
    m_Tint = Tint;
}

void NameListModel::Reset() {
    beginResetModel();
    endResetModel();
}

void NameListModel::Changed(qint32 Record) {
    if (Record >= 0 && Record < rowCount()) {
        emit dataChanged(index(Record), index(Record));
    }
}

void NameListModel::ChangedAll() {
    if (rowCount() > 0) {
        emit dataChanged(index(0), index(rowCount() - 1));
    }
}

} // namespace voxtrel

#pragma once

#include <QAbstractListModel>
#include <functional>

namespace voxtrel {

class NameDocument;

// The document's names as a list: a row per record, its name as the code page in force reads
// it, bold while it differs from the name as last saved, tinted while it differs from a
// compared file. It keeps no copy of the names: it follows the document.
class NameListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // The record index of a row, for a proxy's rows.
    static constexpr int RecordRole = Qt::UserRole;

    explicit NameListModel(const NameDocument& Document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Whether a record differs from a compared file, for its tint; none by default.
    void setCompared(std::function<bool(qint32 Record)> Differs);

    // Another file, or the same file read again: every row anew.
    void Reset();
    // A record's name or marks changed.
    void Changed(qint32 Record);
    // Every row's name or marks changed (a save, a code page, a comparison).
    void ChangedAll();

private:
    const NameDocument& m_Document;
    std::function<bool(qint32)> m_Differs;
};

} // namespace voxtrel

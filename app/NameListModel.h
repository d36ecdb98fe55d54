#pragma once

#include <QAbstractListModel>
#include <QColor>
#include <functional>

namespace voxtrel {

class NameDocument;

// The document's names as a list: a row per record, its name as the code page in force reads
// it, bold while it differs from the name as last saved, tinted while it is marked (it differs
// from a compared file, say); a screen reader hears a bold name described as "Renamed, not
// saved". It keeps no copy of the names: it follows the document.
class NameListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // The record index of a row, for a proxy's rows.
    static constexpr int RecordRole = Qt::UserRole;

    explicit NameListModel(const NameDocument& Document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The records Marked holds get the background Tint; none by default.
    void setMarks(std::function<bool(qint32 Record)> Marked, const QColor& Tint);

    // Another file, or the same file read again: every row anew.
    void Reset();
    // A record's name or marks changed.
    void Changed(qint32 Record);
    // Every row's name or marks changed (a save, a code page, a comparison).
    void ChangedAll();

private:
    // Whether the record's name differs from the name as last saved.
    [[nodiscard]] bool Renamed(qint32 Record) const;

    const NameDocument& m_Document;
    std::function<bool(qint32)> m_Marked;
    QColor m_Tint;
};

} // namespace voxtrel

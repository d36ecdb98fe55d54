#pragma once

#include <QString>
#include <QUndoCommand>

namespace voxtrel {

class NameDocument;

// One record's rename as an undo step. Consecutive renames of the same record (a burst of
// typing) merge into one step; a step that ends where it began drops out of the stack.
class RenameCommand : public QUndoCommand {
public:
    // separate: a step of its own that nothing merges into (a revert, say).
    RenameCommand(NameDocument* document, qint32 index, QString oldName, QString newName,
                  bool separate = false, QUndoCommand* parent = nullptr);

    void undo() override;
    void redo() override;
    int id() const override { return m_Separate ? -1 : Id; }
    bool mergeWith(const QUndoCommand* other) override;

    qint32 Index() const { return m_Index; }

private:
    static constexpr int Id = 1;

    NameDocument* m_Document;
    qint32 m_Index;
    QString m_Old;
    QString m_New;
    bool m_Separate;
};

} // namespace voxtrel

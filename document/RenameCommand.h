#pragma once

#include <QByteArray>
#include <QUndoCommand>

namespace voxtrel {

class NameDocument;

// One record's rename as an undo step. Consecutive renames of the same record (a burst of
// typing) merge into one step; a step that ends where it began drops out of the stack.
class RenameCommand : public QUndoCommand {
public:
    // separate: a step of its own that nothing merges into (a revert, say).
    // The names are bytes as the file holds them, so that undo gives back exactly the bytes
    // that were there, whatever the code page in force.
    RenameCommand(NameDocument* document, qint32 index, QByteArray oldName, QByteArray newName,
                  bool separate = false, QUndoCommand* parent = nullptr);

    void undo() override;
    void redo() override;
    int id() const override { return m_Separate ? -1 : Id; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    static constexpr int Id = 1;

    NameDocument* m_Document;
    qint32 m_Index;
    QByteArray m_Old;
    QByteArray m_New;
    bool m_Separate;
};

} // namespace voxtrel

#include "document/RenameCommand.h"

#include <QCoreApplication>

#include "document/NameDocument.h"

#include <utility>

namespace voxtrel {

RenameCommand::RenameCommand(NameDocument* document, qint32 index, QByteArray oldName,
                             QByteArray newName, bool separate, QUndoCommand* parent)
    : QUndoCommand(parent), m_Document(document), m_Index(index), m_Old(std::move(oldName)),
      m_New(std::move(newName)), m_Separate(separate) {
    // The Edit menu reads "Undo Rename "Adams"": the name as it was shown when typing began,
    // with an ampersand doubled so that the menu shows it rather than take it for a mnemonic.
    QString shown = document->Encoding().decode(m_Old);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    setText(QCoreApplication::translate("voxtrel::RenameCommand", "Rename \"%1\"").arg(shown));
}

void RenameCommand::undo() {
    m_Document->setName(m_Index, m_Old);
}

void RenameCommand::redo() {
    m_Document->setName(m_Index, m_New);
}

bool RenameCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const RenameCommand*>(other);
    if (next->m_Index != m_Index) {
        return false;
    }
    m_New = next->m_New;
    setObsolete(m_New == m_Old);
    return true;
}

} // namespace voxtrel

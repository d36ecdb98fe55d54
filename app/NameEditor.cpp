#include "app/NameEditor.h"

#include "app/EventHook.h"
#include "app/KeyHooks.h"
#include "app/MenuEntry.h"
#include "app/NameList.h"
#include "app/NameValidator.h"
#include "app/Questions.h"
#include "app/StatusNotes.h"
#include "app/ToolBusy.h"
#include "document/NameDocument.h"
#include "names/NameFileLayout.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QTimer>
#include <QUndoStack>
#include <algorithm>

namespace voxtrel {

NameEditor::NameEditor(QObject* Parent, NameDocument& Document, NameList* List, QLineEdit* Field,
                       QLabel* Label, QLineEdit* Search, StatusNotes* Notes, QStatusBar* Status)
    : QObject(Parent), m_Document(Document), m_List(List), m_Field(Field), m_Label(Label),
      m_Notes(Notes),
      m_Status(Status), m_Actions{
                            Document.UndoStack()->createUndoAction(this, QStringLiteral("&Undo")),
                            Document.UndoStack()->createRedoAction(this, QStringLiteral("&Redo")),
                            MenuEntry(this, QStringLiteral("Re&vert name"), "MnuRevertName", {},
                                      false)} {
    m_Actions.MnuUndo->setObjectName(QStringLiteral("MnuUndo"));
    m_Actions.MnuUndo->setShortcut(QKeySequence::Undo);
    m_Actions.MnuRedo->setObjectName(QStringLiteral("MnuRedo"));
    m_Actions.MnuRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    setLabel1(QStringLiteral("Name."));
    m_Field->setValidator(new NameValidator(
        [this]() -> const CodePage& { return m_Document.Encoding(); },
        [this](const QStringList& refused, const QString& kept) {
            // Something of a paste came in when the field grows.
            const CodePage& page = m_Document.Encoding();
            m_Status->showMessage(Questions::Refused(refused, page.Name(), page.Title(),
                                                     kept.size() > m_ShownName.size()),
                                  8000);
        },
        m_Field));
    connect(m_Field, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_ShownName = text;
        ShowNameLength();
    });
    // Undo and redo belong to the document wherever the focus is: the line edits' own undo
    // must not claim the keys.
    for (QLineEdit* edit : {m_Field, Search}) {
        new EventHook(edit, [this](QEvent* e) {
            return KeyHooks::ClaimUndoKeys(e, m_Actions.MnuRedo->shortcuts());
        });
    }
    new EventHook(m_Field, [this](QEvent* e) { return NameFieldEvent(e); });
    connect(m_Field, &QLineEdit::textChanged, this, &NameEditor::txt_Change);
    connect(m_List, &NameList::RecordSelected, this, &NameEditor::List1_Click);

    connect(&m_Document, &NameDocument::NameChanged, this, &NameEditor::NameChanged);
    connect(&m_Document, &NameDocument::EncodingChanged, this, &NameEditor::EncodingChanged);
    // After the stack has undone or redone the step: these run after its own connections.
    connect(m_Actions.MnuUndo, &QAction::triggered, this, &NameEditor::ShowChanged);
    connect(m_Actions.MnuRedo, &QAction::triggered, this, &NameEditor::ShowChanged);
    connect(m_Actions.MnuRevertName, &QAction::triggered, this, &NameEditor::RevertName);
    // While the tool works on the names, undo and redo wait as renames do.
    connect(&m_Document, &NameDocument::ToolRunningChanged, this, [this](bool running) {
        m_Actions.MnuUndo->setEnabled(!running && m_Document.UndoStack()->canUndo());
        m_Actions.MnuRedo->setEnabled(!running && m_Document.UndoStack()->canRedo());
    });
}

void NameEditor::setLabel1(const QString& Text) {
    m_Label->setText(Text);
    m_Label->adjustSize();
}

void NameEditor::ShowName(const QString& Name) {
    const QScopedValueRollback<bool> filling(m_Filling, true);
    m_Field->setText(Name);
    setLabel1(Name);
}

void NameEditor::FileOpened() {
    m_SelIndex = 0;
    m_LastChanged = -1;
    ShowName(QString());
    // A file without records has no name to edit.
    m_Field->setEnabled(m_Document.Table().Count() > 0);
    m_Actions.MnuRevertName->setEnabled(m_Field->isEnabled());
    ShowRecord();
    if (m_Document.Table().Count() > 0) {
        m_List->SelectRecord(0); // through the selection handler
    }
}

void NameEditor::List1_Click(qint32 Row) {
    m_SelIndex = Row;
    ShowName(m_Document.Table().Get_Nazwa(m_SelIndex));
    ShowRecord();
}

void NameEditor::ShowRecord() {
    m_Notes->Record(m_SelIndex, m_Document.Table().Count(), m_Document.Encoding().Name());
}

void NameEditor::txt_Change() {
    if (m_Filling) {
        return;
    }
    const QString text = m_Field->text().left(static_cast<int>(layout::NameSize));
    const bool renamed = m_Document.Rename(m_SelIndex, text);
    m_LastChanged = -1; // typing shows its own record
    if (!renamed) {
        if (m_Document.ToolBusy()) {
            // The tool is working on the names: the field goes back to the record's name.
            QApplication::beep();
            ShowName(m_Document.Table().Get_Nazwa(m_SelIndex));
        }
        return;
    }
    setLabel1(m_Field->text());
    // The line of the record that was renamed: past the end that is the last one.
    m_List->Show(std::clamp(m_SelIndex, 0, m_Document.Table().Count() - 1));
}

void NameEditor::NameChanged(qint32 Index) {
    // Renames from anywhere (typing, an import, an undo) reach the name field and label when
    // they show that record.
    m_LastChanged = Index;
    const QString name = m_Document.Table().Get_Nazwa(Index);
    const int shown = std::clamp(m_SelIndex, 0, std::max(0, m_Document.Table().Count() - 1));
    if (Index == shown && m_Field->isEnabled() && m_Field->text() != name) {
        ShowName(name);
    }
}

void NameEditor::ShowChanged() {
    if (m_LastChanged >= 0 && m_LastChanged < m_Document.Table().Count()) {
        m_List->SelectRecord(m_LastChanged);
    }
    m_LastChanged = -1;
}

void NameEditor::RevertName() {
    if (ToolBusy::Refuse(m_Document) || !m_Field->isEnabled()) {
        return;
    }
    m_LastChanged = -1;
    if (m_Document.Rename(m_SelIndex, m_Document.SavedName(m_SelIndex), true)) {
        ShowChanged();
    }
}

void NameEditor::EncodingChanged() {
    // The same bytes, read again: the field and label of the record shown.
    if (m_Field->isEnabled()) {
        ShowName(m_Document.Table().Get_Nazwa(m_SelIndex));
    }
    ShowRecord();
}

void NameEditor::ShowNameLength() {
    m_Notes->NameLength(m_Field->text().size(), m_Field->hasFocus());
}

bool NameEditor::NameFieldEvent(QEvent* Event) {
    switch (Event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        QTimer::singleShot(0, this, &NameEditor::ShowNameLength);
        break;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(Event);
        if (m_Field->text().size() >= layout::NameSize && !m_Field->hasSelectedText() &&
            !key->text().isEmpty() && key->text().front().isPrint()) {
            m_Status->showMessage(
                QStringLiteral("A name holds at most %1 characters.").arg(layout::NameSize), 5000);
        }
        break;
    }
    case QEvent::MouseButtonPress:
        if (m_Field->isEnabled()) {
            setLabel1(m_Field->text());
        }
        break;
    default:
        break;
    }
    return false;
}

} // namespace voxtrel

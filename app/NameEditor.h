#pragma once

#include <QObject>
#include <QString>

class QAction;
class QEvent;
class QLabel;
class QLineEdit;
class QStatusBar;

namespace voxtrel {

class NameDocument;
class NameList;
class StatusNotes;

// The name field and the label above it, bound to the record selected in the list: typing
// renames that record at once, Revert name gives it back its saved name, and undo and redo
// (wherever the focus is) show the record they change. It owns Edit > Undo, Redo and Revert
// name, and the name's notes in the status bar (its length, the record, characters the code
// page cannot hold).
class NameEditor : public QObject {
    Q_OBJECT
public:
    // The menu entries it owns and runs; MainMenus places them.
    struct Entries {
        QAction* MnuUndo;
        QAction* MnuRedo;
        QAction* MnuRevertName;
    };

    // Search: the search box, whose own undo must not claim the document's keys either.
    NameEditor(QObject* Parent, NameDocument& Document, NameList* List, QLineEdit* Field,
               QLabel* Label, QLineEdit* Search, StatusNotes* Notes, QStatusBar* Status);

    const Entries& Actions() const { return m_Actions; }

    // The record the name field is bound to.
    qint32 SelIndex() const { return m_SelIndex; }
    // Another file is open: nothing shown for the former file may be typed into this one. The
    // field shows record 0 of the new file, or nothing when it has none.
    void FileOpened();

private:
    // The user, a search or an undo selected the record Row.
    void List1_Click(qint32 Row);
    void txt_Change();
    void NameChanged(qint32 Index);
    void EncodingChanged();
    void RevertName();
    // After an undo or a redo: the record it changed is selected.
    void ShowChanged();
    // Puts Name in the field and the label without renaming anything.
    void ShowName(const QString& Name);
    void setLabel1(const QString& Text);
    void ShowNameLength();
    void ShowRecord();
    // The name field's hook: it says its length and its limit.
    bool NameFieldEvent(QEvent* Event);

    NameDocument& m_Document;
    NameList* m_List;
    QLineEdit* m_Field;
    QLabel* m_Label;
    StatusNotes* m_Notes;
    QStatusBar* m_Status;
    Entries m_Actions;
    qint32 m_SelIndex = 0;
    bool m_Filling = false;    // the field shows a record's name: no rename
    qint32 m_LastChanged = -1; // the record a change last reached, for undo to show
    QString m_ShownName;       // the field's text as last changed
};

} // namespace voxtrel

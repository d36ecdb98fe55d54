#pragma once

#include "app/AppServices.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

class QAction;
class QMainWindow;

namespace voxtrel {

class Button_XP;
class CodePage;
class EditorSettings;
class NameDocument;
class StatusNotes;

// The open file's flows: Open (the dialog, a path given or dropped), Save and Quick Save,
// Save As, Quit; the questions they ask (unsaved changes, a file of another size, a file
// changed on disk), the caption with its modified and read-only marks, the code page menu,
// and the wait while the compression tool runs. It owns Menu > Open, Save, Save As, Encoding
// and Quit, and the Quick Save button.
class DocumentController : public QObject {
    Q_OBJECT
public:
    // The menu entries it owns and runs; MainMenus places them.
    struct Entries {
        QAction* MnuFileOpen;
        QAction* Cmd_Zapisz;
        QAction* MnuSaveAs;
        QAction* MnuQuit;
        // Menu > Encoding: one checkable entry per code page.
        QList<QPair<QAction*, const CodePage*>> Encodings;
    };

    // StartFolder: where relative paths given on the command line are taken from.
    DocumentController(QMainWindow* Window, QString Title, NameDocument& Document,
                       const AppServices& Services, EditorSettings& Settings, QString StartFolder,
                       Button_XP* QuickSave, StatusNotes* Notes);

    const Entries& Actions() const { return m_Actions; }

    // Menu > Open: asks for a file and opens it.
    void Open();
    // Opens Path through the same steps as Open, without the dialog.
    void OpenFile(const QString& Path);
    // Tells the user, once, what recovering cut saves did; nothing when Notes is empty.
    void TellRecovered(const QStringList& Notes);
    // Menu > Save and Quick Save.
    void Save();
    // Menu > Save As...
    void SaveAs();
    // Whether the window may close now: not while the tool runs (it closes once the command
    // that ran it is done), nor when the user keeps unsaved changes. When it may, the
    // working folder is emptied.
    bool MayClose();

signals:
    // Another file is open: the window shows its names, none selected yet.
    void FileOpened();
    // The file holds the names as shown: nothing is unsaved.
    void Saved();

private:
    // The steps of Open once a path is chosen; Name is its bare name.
    void OpenChosen(const QString& Path, const QString& Name);
    // Saves (to Target, for Save As), shows the outcome, and says whether the file was saved.
    bool SaveFile(const QString& Target = {});
    // Asks for a file and saves to it; false when cancelled or failed.
    bool SaveAsChosen();
    // With unsaved changes, asks whether to save them first (to another file, when the file
    // cannot be written): false when the user cancels or the save fails.
    bool MaybeSave();
    void UpdateCaption();
    void EncodingChanged();
    void ShowMessage(const QString& Text, const QString& Title, MessageBoxes::Icon Icon,
                     const QString& Detail = {});
    void ShowFailure(const QString& Text);
    // Closes the window when that was asked while the tool ran.
    void CloseIfAsked();

    QMainWindow* m_Window;
    QString m_Title;
    NameDocument& m_Document;
    const AppServices& m_Services;
    EditorSettings& m_Settings;
    QString m_StartFolder;
    Button_XP* m_QuickSave;
    StatusNotes* m_Notes;
    Entries m_Actions;
    bool m_CloseWhenIdle = false; // the window was closed while the tool ran
    QString m_ReadOnlyNote;       // why the open file cannot be written, as the status bar said
};

} // namespace voxtrel

#pragma once

#include "app/AppServices.h"
#include "app/EditorSettings.h"
#include "app/FormButtonHost.h"
#include "app/ListCommands.h"
#include "app/MainLayout.h"
#include "app/MainMenus.h"
#include "document/NameDocument.h"

#include <QMainWindow>
#include <memory>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QToolButton;
class QMenu;
class QUndoStack;

namespace voxtrel {

class Button_XP;
class CompareMarks;
class NameList;
class StatusNotes;
class ToolProgress;

// The editor's one window: the list of names, the name field, the search box, the Quick
// Save button and the menus, with the open, edit and save flows behind them.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    static inline const QString AppTitle = QStringLiteral("Voxtrel String Editor 2011");

    // appPath: the application folder, which holds zlib/zlibtool and zlib/temp/; empty
    // means the folder of the running program. It becomes the current folder.
    explicit frmMain(AppServices services = {}, QString appPath = {}, QWidget* parent = nullptr);
    ~frmMain() override;

    QString AppPath() const { return m_AppPath; }
    QString FilePath() const { return m_Document.FilePath(); }
    qint32 SelIndex() const { return m_SelIndex; }
    const Baza& NameTable() const { return m_Document.Table(); }
    NameDocument& Document() { return m_Document; }
    // True while the compression tool runs.
    bool ToolBusy() const { return m_Document.ToolBusy(); }

    void MnuFileOpen_Click();
    void Cmd_Zapisz_Click();
    void MnuExportNames_Click();
    void MnuImportNames_Click();
    void MnuRevertName_Click();
    void MnuSaveAs_Click();
    // Opens Path through the same steps as Open, without the dialog: for a file given on
    // the command line or dropped on the window.
    void Open_File(const QString& Path);
    // Tells the user, once, what recovering cut saves did (SaveJournal); nothing when empty.
    void Tell_Recovered(const QStringList& Notes);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildControls();
    void BuildMenus();
    // The user, a search or an undo selected the record Row.
    void List1_Click(qint32 row);
    void txt_Change();
    void Document_NameChanged(qint32 index);
    void Document_EncodingChanged();
    void Clear_Temp();
    void SetEditing(bool enabled);
    // The steps of Open once a path is chosen; name is its bare name.
    void OpenChosen(const QString& path, const QString& name);
    // Saves (to target, for Save As), shows the outcome, and says whether the file was saved.
    bool SaveFile(const QString& target = {});
    // Asks for a file and saves to it; false when cancelled or failed.
    bool SaveAsChosen();
    // The status bar says while a file not of a name file's size is open.
    void ShowOddSize();
    void ShowNameLength();
    // "Record 17 of 1209 · windows-1252" in the status bar.
    void ShowRecord();
    // With unsaved changes, asks whether to save them first: false when the user cancels
    // or the save fails.
    bool MaybeSave();
    void ShowFileList();
    void UpdateCaption();
    // The name field's hook: it says its length and its limit.
    bool NameFieldEvent(QEvent* event);
    void ShowMessage(const QString& text, const QString& title, MessageBoxes::Icon icon,
                     const QString& detail = {});
    void ShowFailure(const QString& text);
    // True (after a beep) when the compression tool is running and the command must wait.
    bool RefuseWhileBusy();
    void CloseIfAsked();
    void SetLabel1(const QString& text);

    AppServices m_Services;
    QString m_AppPath;
    QString m_StartFolder; // the current folder the editor was started in
    EditorSettings m_Settings;
    NameDocument m_Document;
    qint32 m_SelIndex = 0;
    bool m_Filling = false;
    bool m_CloseWhenIdle = false;
    bool m_Typing = false;    // the name field is renaming
    bool m_Importing = false; // a name list is being applied
    ListCommands m_ListCommands{this, AppTitle, m_Document, m_Services, m_Importing};
    ToolProgress* m_Progress = nullptr;
    NameList* m_List = nullptr; // the list's lines, marks and search
    MainControls m_Controls;    // the client area's controls, by their designed names
    MainMenus m_Menus;
    CompareMarks* m_Compare = nullptr; // the names that differ from a compared file
    std::unique_ptr<FormButtonHost> m_ButtonHost;

    QString m_ShownName;                  // the name field's text as last changed
    std::unique_ptr<StatusNotes> m_Notes; // the status bar's lasting notes
};

} // namespace voxtrel

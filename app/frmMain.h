#pragma once

#include "app/AppServices.h"
#include "app/EditorSettings.h"
#include "app/FormButtonHost.h"
#include "app/MainLayout.h"
#include "document/NameDocument.h"

#include <QMainWindow>
#include <memory>

namespace voxtrel {

class AboutMenu;
class CompareMarks;
class DocumentController;
class ListCommands;
class NameEditor;
class NameList;
class StatusNotes;
class ToolProgress;

// The editor's one window: the list of names, the name field, the search box, the Quick
// Save button and the menus. It builds them and the controllers that run the flows behind
// them, and connects the controllers to one another.
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
    qint32 SelIndex() const;
    const Baza& NameTable() const { return m_Document.Table(); }
    NameDocument& Document() { return m_Document; }
    // True while the compression tool runs.
    bool ToolBusy() const { return m_Document.ToolBusy(); }

    // Menu > Open, Save (and Quick Save) and Save As.
    void MnuFileOpen_Click();
    void Cmd_Zapisz_Click();
    void MnuSaveAs_Click();
    // Opens Path through the same steps as Open, without the dialog: for a file given on
    // the command line or dropped on the window.
    void OpenFile(const QString& Path);
    // Tells the user, once, what recovering cut saves did (SaveJournal); nothing when empty.
    void TellRecovered(const QStringList& Notes);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildControls();

    AppServices m_Services;
    QString m_AppPath;
    QString m_StartFolder; // the current folder the editor was started in
    EditorSettings m_Settings;
    NameDocument m_Document;
    MainControls m_Controls; // the client area's controls, by their designed names
    std::unique_ptr<FormButtonHost> m_ButtonHost;
    std::unique_ptr<StatusNotes> m_Notes; // the status bar's lasting notes

    // The controllers, children of the window.
    ToolProgress* m_Progress = nullptr;
    NameList* m_List = nullptr; // the list's lines, marks and search
    CompareMarks* m_Compare = nullptr;
    ListCommands* m_ListCommands = nullptr;
    NameEditor* m_Editor = nullptr;
    DocumentController* m_Files = nullptr;
    AboutMenu* m_About = nullptr;
};

} // namespace voxtrel

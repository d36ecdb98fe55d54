#include "app/frmMain.h"

#include "app/Artwork.h"
#include "app/CompareMarks.h"
#include "app/EventHook.h"
#include "app/KeyHooks.h"
#include "app/Links.h"
#include "app/LockWaitPanel.h"
#include "app/NameList.h"
#include "app/NameValidator.h"
#include "app/Questions.h"
#include "app/Search.h"
#include "app/StatusNotes.h"
#include "app/ToolProgress.h"
#include "controls/button_xp/Button_XP.h"
#include "document/NativePath.h"
#include "names/NameFileLayout.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QMimeData>
#include <QResizeEvent>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

namespace voxtrel {
namespace {

QString resolveAppPath(const QString& given) {
    QString path = given.isEmpty() ? QCoreApplication::applicationDirPath() : given;
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

const QString NameFileFilter = QStringLiteral("Name files (*.bin);;All files (*)");

} // namespace

frmMain::frmMain(AppServices services, QString appPath, QWidget* parent)
    : QMainWindow(parent), m_Services(services.withDefaults()), m_AppPath(resolveAppPath(appPath)),
      m_StartFolder(QDir::currentPath()), m_Settings(m_Services.SettingsFile),
      m_Document(m_AppPath, WorkFolder::Shared_Work_Folder(m_AppPath)) {
    // Paths the user gives are taken from where the editor was started; the application
    // folder becomes the current folder only after that was noted.
    QDir::setCurrent(m_AppPath);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});

    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(AppTitle);
    setWindowIcon(QIcon(QPixmap::fromImage(Artwork::AppIcon(64))));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    setFont(font);
    BuildMenus();
    BuildControls();
    m_List = new NameList(m_Controls.List1, m_Controls.txtSearch, m_Controls.Filter, m_Document,
                          statusBar(), this);
    connect(m_List, &NameList::RecordSelected, this, &frmMain::List1_Click);
    connect(m_Menus.MnuFilter, &QAction::toggled, m_List, &NameList::SetFiltering);
    connect(m_Controls.Filter, &QToolButton::toggled, m_Menus.MnuFilter, &QAction::setChecked);
    m_Compare = new CompareMarks(this, AppTitle, m_Controls.List1, m_List, m_Document, m_Services,
                                 statusBar());
    m_Compare->Attach(m_Menus, [this] { return RefuseWhileBusy(); });

    setAcceptDrops(true);
    m_Progress = new ToolProgress(&m_Document, this, AppTitle);
    connect(&m_Document, &NameDocument::NameChanged, this, &frmMain::Document_NameChanged);
    connect(&m_Document, &NameDocument::ModifiedChanged, this, &QWidget::setWindowModified);
    connect(&m_Document, &NameDocument::EncodingChanged, this, &frmMain::Document_EncodingChanged);
    // After Save As the window edits the new file.
    connect(&m_Document, &NameDocument::FilePathChanged, this, &frmMain::UpdateCaption);
    if (!m_Document.WorkFolderProblem().isEmpty()) {
        // Said when it happens, once the window is up: nothing can be opened.
        QTimer::singleShot(0, this, [this] { ShowFailure(m_Document.WorkFolderProblem()); });
    }
    // While the tool works on the names, undo and redo wait as renames do.
    connect(&m_Document, &NameDocument::ToolRunningChanged, this, [this](bool running) {
        m_Menus.MnuUndo->setEnabled(!running && m_Document.UndoStack()->canUndo());
        m_Menus.MnuRedo->setEnabled(!running && m_Document.UndoStack()->canRedo());
    });
    restoreGeometry(m_Settings.Geometry());
    if (!m_Settings.Note().isEmpty()) {
        statusBar()->showMessage(m_Settings.Note());
    }
}

frmMain::~frmMain() {
    // The controls go first: the Quick Save button paints through m_ButtonHost, which, as a
    // member, would otherwise be gone when the base class closes the window and moves the
    // focus away from the button.
    delete takeCentralWidget();
}

void frmMain::BuildControls() {
    m_ButtonHost =
        std::make_unique<FormButtonHost>(this, QStringLiteral("cmdQSave"), m_Services.Links.get());
    m_Controls = MainControls::Build(this, m_ButtonHost.get(), m_Services.Button);
    setCentralWidget(m_Controls.Client);
    // The designed size is the smallest; the window grows from there.
    new EventHook(m_Controls.Client, [this](QEvent* e) {
        if (e->type() == QEvent::Resize) {
            m_Controls.Place(static_cast<QResizeEvent*>(e)->size());
        }
        return false;
    });
    SetLabel1(QStringLiteral("Name."));

    m_Controls.txt0->setValidator(new NameValidator(
        [this]() -> const CodePage& { return m_Document.Encoding(); },
        [this](const QStringList& refused, const QString& kept) {
            // Something of a paste came in when the field grows.
            const CodePage& page = m_Document.Encoding();
            statusBar()->showMessage(Questions::Refused(refused, page.Name(), page.Title(),
                                                        kept.size() > m_ShownName.size()),
                                     8000);
        },
        m_Controls.txt0));
    connect(m_Controls.txt0, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_ShownName = text;
        ShowNameLength();
    });
    m_Notes = std::make_unique<StatusNotes>(statusBar());

    // One hook per widget role. Undo and redo belong to the document wherever the focus is:
    // the line edits' own undo must not claim the keys.
    for (QLineEdit* edit : {m_Controls.txt0, m_Controls.txtSearch}) {
        new EventHook(edit, [this](QEvent* e) {
            return KeyHooks::ClaimUndoKeys(e, m_Menus.MnuRedo->shortcuts());
        });
    }
    new EventHook(m_Controls.txt0, [this](QEvent* e) { return NameFieldEvent(e); });
    new EventHook(m_Controls.cmdQSave,
                  [this](QEvent* e) { return KeyHooks::EnterAsSpace(e, m_Controls.cmdQSave); });

    m_Controls.List1->setFocus();
    // The selection, not the keyboard cursor: focusing the list moves its cursor to the first
    // line without selecting it, and that must not bind the name field to a record.
    connect(m_Controls.txt0, &QLineEdit::textChanged, this, [this] { txt_Change(); });
    connect(m_Controls.cmdQSave, &Button_XP::Click, this, &frmMain::Cmd_Zapisz_Click);
}

void frmMain::BuildMenus() {
    m_Menus = MainMenus::Build(menuBar(), this, m_Document.UndoStack(), m_Document.Encoding());
    connect(m_Menus.MnuFileOpen, &QAction::triggered, this, &frmMain::MnuFileOpen_Click);
    connect(m_Menus.Cmd_Zapisz, &QAction::triggered, this, &frmMain::Cmd_Zapisz_Click);
    connect(m_Menus.MnuSaveAs, &QAction::triggered, this, &frmMain::MnuSaveAs_Click);
    connect(m_Menus.MnuExportNames, &QAction::triggered, this, &frmMain::MnuExportNames_Click);
    connect(m_Menus.MnuImportNames, &QAction::triggered, this, &frmMain::MnuImportNames_Click);
    connect(m_Menus.MnuRevertName, &QAction::triggered, this, &frmMain::MnuRevertName_Click);
    connect(m_Menus.MnuQuit, &QAction::triggered, this, &QWidget::close);
    for (const auto& [action, page] : m_Menus.Encodings) {
        connect(action, &QAction::triggered, this,
                [this, page = page] { m_Document.SetEncoding(*page); });
    }
    connect(m_Menus.MnuFind, &QAction::triggered, this, [this] {
        m_Controls.txtSearch->setFocus(Qt::ShortcutFocusReason);
        Search::Select_All(m_Controls.txtSearch);
    });
    for (const auto& [action, url] : m_Menus.Links) {
        connect(action, &QAction::triggered, this, [this, url = url] {
            if (!m_Services.Links->Open(QUrl(url), this)) {
                // Shown, so that the address can be copied into a browser by hand.
                ShowMessage(
                    QStringLiteral("No web browser could be opened for this page:\n%1").arg(url),
                    AppTitle, MessageBoxes::Icon::Information);
            }
        });
    }
    connect(m_Menus.Copyright, &QAction::triggered, this,
            [this] { ShowMessage(Links::Credit, AppTitle, MessageBoxes::Icon::Information); });
}

void frmMain::ShowMessage(const QString& text, const QString& title, MessageBoxes::Icon icon,
                          const QString& detail) {
    // A file name's bytes that are not UTF-8 show as \xNN.
    m_Services.Messages->Show(this, NativePath::Shown(text), title, icon,
                              NativePath::Shown(detail));
}

void frmMain::Tell_Recovered(const QStringList& Notes) {
    if (!Notes.isEmpty()) {
        ShowMessage(Notes.join(QLatin1Char('\n')), AppTitle, MessageBoxes::Icon::Warning);
    }
}

void frmMain::ShowFailure(const QString& text) {
    ShowMessage(text, AppTitle, MessageBoxes::Icon::Warning);
}

void frmMain::SetLabel1(const QString& text) {
    m_Controls.Label1->setText(text);
    m_Controls.Label1->adjustSize();
}

void frmMain::SetEditing(bool enabled) {
    // A file without records has no name to edit.
    m_Controls.txt0->setEnabled(enabled && m_Document.Table().Count() > 0);
    m_Menus.MnuRevertName->setEnabled(m_Controls.txt0->isEnabled());
    m_Menus.MnuSaveAs->setEnabled(enabled);
    m_Menus.MnuExportNames->setEnabled(enabled);
    m_Menus.MnuImportNames->setEnabled(enabled);
    m_Menus.MnuCompare->setEnabled(enabled);
    m_Menus.MnuExportDifferences->setEnabled(enabled);
}

bool frmMain::RefuseWhileBusy() {
    if (m_Document.ToolBusy()) {
        QApplication::beep();
        return true;
    }
    return false;
}

void frmMain::CloseIfAsked() {
    if (m_CloseWhenIdle) {
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

void frmMain::MnuFileOpen_Click() {
    if (RefuseWhileBusy()) {
        return;
    }
    std::unique_ptr<OpenFileDialog> dialog = m_Services.NewOpenDialog();
    const QString path = dialog->OpenFileName(
        this, QStringLiteral("Otwórz plik buttów"), m_Settings.OpenFolder(),
        QStringLiteral("unnamed_1846.bin (*.bin)|*.bin| Wszystkie pliki (*.*)|*.*"));
    const QString name = dialog->TitleName();

    bool numeric = false;
    path.toDouble(&numeric);
    if (numeric) {
        ShowMessage(QStringLiteral("A file wasn't chosen  !!"),
                    QStringLiteral("Mistake of loading the file "),
                    MessageBoxes::Icon::Information);
        return;
    }
    OpenChosen(path, name);
}

void frmMain::Open_File(const QString& Path) {
    if (RefuseWhileBusy()) {
        return;
    }
    const QString path = QDir(m_StartFolder).absoluteFilePath(Path);
    OpenChosen(path, QFileInfo(path).fileName());
}

void frmMain::OpenChosen(const QString& path, const QString& name) {
    const OpenResult readable = NameDocument::Check_Readable(path);
    if (readable.Result == OpenResult::Outcome::Missing ||
        readable.Result == OpenResult::Outcome::Unreadable) {
        ShowMessage(QStringLiteral("A Mistake Appeared "), AppTitle, MessageBoxes::Icon::None,
                    readable.Reason);
        return;
    }
    if (!MaybeSave()) {
        return;
    }
    const auto askSize = [this, &name](qint64 bytes) {
        return m_Services.Messages->AskYesNo(this, Questions::OpenOddSize(name, bytes), AppTitle);
    };
    const OpenResult opened = m_Document.Open(path, name, askSize);
    Tell_Recovered(opened.Notes);
    switch (opened.Result) {
    case OpenResult::Outcome::Opened:
        m_Settings.setOpenFolder(QFileInfo(m_Document.FilePath()).absolutePath());
        // In the code page last chosen for a file of this name.
        if (const CodePage* page = CodePage::Find(m_Settings.Encoding(name))) {
            m_Document.SetEncoding(*page);
        }
        ShowFileList();
        break;
    case OpenResult::Outcome::Declined:
        break; // the file that was open stays open, with its list and its unsaved renames
    case OpenResult::Outcome::Missing:
    case OpenResult::Outcome::Unreadable:
        ShowMessage(QStringLiteral("A Mistake Appeared "), AppTitle, MessageBoxes::Icon::None,
                    opened.Reason);
        break;
    case OpenResult::Outcome::Failed:
        ShowFailure(opened.Reason);
        break;
    }
    CloseIfAsked();
}

void frmMain::ShowFileList() {
    m_Filling = true;
    m_List->Fill();
    m_Compare->Clear(); // marks against another file were the former file's
    // Nothing shown for the former file may be typed into this one: the field, the label
    // and SelIndex show record 0 of the new file, or nothing when it has none.
    m_SelIndex = 0;
    m_Controls.txt0->clear();
    SetLabel1(QString());
    m_Filling = false;
    SetEditing(true);
    UpdateCaption();
    ShowOddSize();
    ShowRecord();
    if (m_Document.Table().Count() > 0) {
        m_List->SelectRecord(0); // through the selection handler
    }
}

void frmMain::UpdateCaption() {
    // A file that cannot be written says so, and only Save As is offered for it.
    const QString readOnly = m_Document.ReadOnly();
    setWindowTitle(m_Document.IsOpen()
                       ? NativePath::Shown(QFileInfo(m_Document.FilePath()).fileName()) +
                             (readOnly.isEmpty() ? QString() : QStringLiteral(" [read-only]")) +
                             QStringLiteral("[*] - ") + AppTitle
                       : AppTitle);
    setWindowModified(m_Document.IsModified());
    const bool save = m_Document.IsOpen() && readOnly.isEmpty();
    m_Menus.Cmd_Zapisz->setEnabled(save);
    if (m_Controls.cmdQSave->Enabled() != save) {
        m_Controls.cmdQSave->setEnabled(save);
    }
    if (!readOnly.isEmpty()) {
        statusBar()->showMessage(readOnly);
    }
}

bool frmMain::MaybeSave() {
    if (!m_Document.IsModified()) {
        return true;
    }
    const QString text = QStringLiteral("The names in %1 have changed. Save the changes?")
                             .arg(QFileInfo(m_Document.FilePath()).fileName());
    switch (m_Services.Messages->AskToSave(this, text, AppTitle)) {
    case MessageBoxes::Answer::Save:
        return SaveFile();
    case MessageBoxes::Answer::Discard:
        return true;
    case MessageBoxes::Answer::Cancel:
        break;
    }
    return false;
}

void frmMain::Cmd_Zapisz_Click() {
    if (RefuseWhileBusy() || !m_Menus.Cmd_Zapisz->isEnabled()) {
        return;
    }
    SaveFile();
    CloseIfAsked();
}

bool frmMain::SaveFile(const QString& target) {
    if (!m_Document.IsOpen()) {
        ShowMessage(QStringLiteral("A Mistake Appeared "), AppTitle, MessageBoxes::Icon::None);
        return false;
    }
    const QString name = QFileInfo(m_Document.FilePath()).fileName();
    SaveOptions options;
    // A file opened at another size than a name file's is not cut or padded unasked.
    options.AcceptResize = [this, &name](qint64 bytes) {
        return m_Services.Messages->Choose(this, Questions::SaveOddSize(name, bytes), AppTitle,
                                           Questions::SaveOddSizeButtons) == 0;
    };
    LockWaitPanel lockWait(this, name); // another program's lock is waited for in sight
    options.Waiting = lockWait.Waiter();
    SaveResult saved =
        target.isEmpty() ? m_Document.Save(options) : m_Document.Save_As(target, options);
    if (saved.Result == SaveResult::Outcome::ChangedOnDisk) {
        switch (m_Services.Messages->Choose(this, Questions::ChangedOnDisk(name), AppTitle,
                                            Questions::ChangedOnDiskButtons)) {
        case Questions::Overwrite:
            options.OverwriteChanged = true;
            saved =
                target.isEmpty() ? m_Document.Save(options) : m_Document.Save_As(target, options);
            break;
        case Questions::SaveAs:
            return SaveAsChosen();
        default:
            return false;
        }
    }
    if (saved.Result == SaveResult::Outcome::Declined) {
        return false;
    }
    if (!saved.Ok()) {
        ShowFailure(saved.FailureText(name));
        return false;
    }
    Clear_Temp();
    m_List->ShowAll(); // nothing is renamed since the save
    ShowOddSize();
    UpdateCaption();
    ShowMessage(QStringLiteral("Save File"), AppTitle, MessageBoxes::Icon::None,
                Questions::Written(m_Document.FilePath(), saved));
    return true;
}

void frmMain::ShowOddSize() {
    const qint64 odd = m_Document.OddSize();
    m_Notes->OddSize(odd);
}

void frmMain::MnuExportNames_Click() {
    if (!RefuseWhileBusy() && m_Menus.MnuExportNames->isEnabled()) {
        m_ListCommands.Export();
    }
}

void frmMain::MnuImportNames_Click() {
    if (!RefuseWhileBusy() && m_Menus.MnuImportNames->isEnabled()) {
        m_ListCommands.Import();
    }
}

void frmMain::MnuSaveAs_Click() {
    if (RefuseWhileBusy() || !m_Menus.MnuSaveAs->isEnabled()) {
        return;
    }
    SaveAsChosen();
    CloseIfAsked();
}

bool frmMain::SaveAsChosen() {
    const QString target = m_Services.Files->SavePath(this, QStringLiteral("Save As"),
                                                      m_Document.FilePath(), NameFileFilter);
    if (target.isEmpty()) {
        return false;
    }
    // A name file is a .bin, unless the name says otherwise.
    return SaveFile(QFileInfo(target).suffix().isEmpty() ? target + QStringLiteral(".bin")
                                                         : target);
}

void frmMain::MnuRevertName_Click() {
    if (RefuseWhileBusy() || !m_Controls.txt0->isEnabled()) {
        return;
    }
    m_Document.Rename(m_SelIndex, m_Document.SavedName(m_SelIndex), true);
}

void frmMain::Clear_Temp() {
    m_Document.Clear_Work_Folder();
}

void frmMain::List1_Click(qint32 row) {
    m_Filling = true;
    m_SelIndex = row;
    m_Controls.txt0->setText(m_Document.Table().Get_Nazwa(m_SelIndex));
    SetLabel1(m_Controls.txt0->text());
    m_Filling = false;
    ShowRecord();
}

void frmMain::ShowRecord() {
    m_Notes->Record(m_SelIndex, m_Document.Table().Count(), m_Document.Encoding().Name());
}

void frmMain::txt_Change() {
    if (m_Filling) {
        return;
    }
    const QString text = m_Controls.txt0->text().left(static_cast<int>(layout::NameSize));
    m_Typing = true;
    const bool renamed = m_Document.Rename(m_SelIndex, text);
    m_Typing = false;
    if (!renamed) {
        if (m_Document.ToolBusy()) {
            // The tool is working on the names: the field goes back to the record's name.
            QApplication::beep();
            m_Filling = true;
            m_Controls.txt0->setText(m_Document.Table().Get_Nazwa(m_SelIndex));
            m_Filling = false;
        }
        return;
    }
    SetLabel1(m_Controls.txt0->text());
    // The line of the record that was renamed: past the end that is the last one.
    m_List->Show(std::clamp(m_SelIndex, 0, m_Document.Table().Count() - 1));
}

void frmMain::Document_NameChanged(qint32 index) {
    // Renames from anywhere (typing, an import) reach the list line, and the name field and
    // label when they show that record.
    m_List->Show(index);
    m_Compare->Update(index);
    if (!m_Typing && !m_Importing && index < m_Document.Table().Count()) {
        // An undo, a redo or a revert shows the record it changes.
        m_List->SelectRecord(index);
    }
    const QString name = m_Document.Table().Get_Nazwa(index);
    const int shown = std::clamp(m_SelIndex, 0, std::max(0, m_Document.Table().Count() - 1));
    if (index == shown && m_Controls.txt0->isEnabled() && m_Controls.txt0->text() != name) {
        m_Filling = true;
        m_Controls.txt0->setText(name);
        SetLabel1(name);
        m_Filling = false;
    }
}

void frmMain::Document_EncodingChanged() {
    // The same bytes, read again: every line, and the field and label of the record shown.
    m_List->ShowAll();
    if (m_Controls.txt0->isEnabled()) {
        m_Filling = true;
        m_Controls.txt0->setText(m_Document.Table().Get_Nazwa(m_SelIndex));
        SetLabel1(m_Controls.txt0->text());
        m_Filling = false;
    }
    ShowRecord();
    const CodePage& page = m_Document.Encoding();
    for (const auto& [action, menuPage] : m_Menus.Encodings) {
        action->setChecked(menuPage == &page);
    }
    if (m_Document.IsOpen()) {
        m_Settings.setEncoding(QFileInfo(m_Document.FilePath()).fileName(), page.Name());
    }
    statusBar()->showMessage(
        QStringLiteral("Names shown in %1 (%2).").arg(page.Name(), page.Title()));
}

void frmMain::ShowNameLength() {
    m_Notes->NameLength(m_Controls.txt0->text().size(), m_Controls.txt0->hasFocus());
}

bool frmMain::NameFieldEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        QTimer::singleShot(0, this, &frmMain::ShowNameLength);
        break;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (m_Controls.txt0->text().size() >= layout::NameSize &&
            !m_Controls.txt0->hasSelectedText() && !key->text().isEmpty() &&
            key->text().front().isPrint()) {
            statusBar()->showMessage(
                QStringLiteral("A name holds at most %1 characters.").arg(layout::NameSize), 5000);
        }
        break;
    }
    case QEvent::MouseButtonPress:
        if (m_Controls.txt0->isEnabled()) {
            SetLabel1(m_Controls.txt0->text());
        }
        break;
    default:
        break;
    }
    return false;
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (m_Document.ToolBusy()) {
        // The tool is still working on the files: close once it has finished.
        m_CloseWhenIdle = true;
        event->ignore();
        return;
    }
    if (!MaybeSave()) {
        event->ignore();
        return;
    }
    Clear_Temp();
    m_Settings.setGeometry(saveGeometry());
    event->accept();
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.front().isLocalFile()) {
        event->acceptProposedAction();
    }
}

void frmMain::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) {
        return;
    }
    event->acceptProposedAction();
    const QString path = urls.front().toLocalFile();
    // After the drop has finished: the open may ask questions of its own.
    QTimer::singleShot(0, this, [this, path] { Open_File(path); });
}

} // namespace voxtrel

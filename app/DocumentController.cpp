#include "app/DocumentController.h"

#include "app/EditorSettings.h"
#include "app/EventHook.h"
#include "app/KeyHooks.h"
#include "app/LockWaitPanel.h"
#include "app/MenuEntry.h"
#include "app/Questions.h"
#include "app/StatusNotes.h"
#include "app/ToolBusy.h"
#include "controls/button_xp/Button_XP.h"
#include "document/FileTypes.h"
#include "document/NameDocument.h"
#include "document/NativePath.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QStatusBar>
#include <QTimer>
#include <optional>
#include <utility>

namespace voxtrel {

DocumentController::DocumentController(QMainWindow* Window, QString Title, NameDocument& Document,
                                       const AppServices& Services, EditorSettings& Settings,
                                       QString StartFolder, Button_XP* QuickSave,
                                       StatusNotes* Notes)
    : QObject(Window), m_Window(Window), m_Title(std::move(Title)), m_Document(Document),
      m_Services(Services), m_Settings(Settings), m_StartFolder(std::move(StartFolder)),
      m_QuickSave(QuickSave),
      m_Notes(Notes), m_Actions{
                          MenuEntry(this, tr("&Open"), "MnuFileOpen", QKeySequence::Open),
                          MenuEntry(this, tr("&Save"), "Cmd_Zapisz", QKeySequence::Save, false),
                          MenuEntry(this, tr("Save &As..."), "MnuSaveAs",
                                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), false),
                          MenuEntry(this, tr("&Quit"), "MnuQuit", QKeySequence::Quit),
                          {}} {
    // The code page of the names, for the language version of the file: the platform the
    // files come from read them in its own, so the user chooses it here for this run.
    auto* pages = new QActionGroup(this);
    for (const CodePage* page : CodePage::All()) {
        auto* action =
            new QAction(QStringLiteral("%1 (%2)").arg(page->Title(), page->Name()), pages);
        action->setObjectName(page->Name());
        action->setCheckable(true);
        action->setChecked(page == &m_Document.Encoding());
        connect(action, &QAction::triggered, this, [this, page] { m_Document.setEncoding(*page); });
        m_Actions.Encodings.append({action, page});
    }
    connect(m_Actions.MnuFileOpen, &QAction::triggered, this, &DocumentController::Open);
    connect(m_Actions.Cmd_Zapisz, &QAction::triggered, this, &DocumentController::Save);
    connect(m_Actions.MnuSaveAs, &QAction::triggered, this, &DocumentController::SaveAs);
    connect(m_Actions.MnuQuit, &QAction::triggered, m_Window, &QWidget::close);
    connect(m_QuickSave, &Button_XP::Click, this, &DocumentController::Save);
    new EventHook(m_QuickSave,
                  [this](QEvent* e) { return KeyHooks::EnterAsSpace(e, m_QuickSave); });
    connect(&m_Document, &NameDocument::ModifiedChanged, m_Window, &QWidget::setWindowModified);
    connect(&m_Document, &NameDocument::EncodingChanged, this,
            &DocumentController::EncodingChanged);
    // After Save As the window edits the new file.
    connect(&m_Document, &NameDocument::FilePathChanged, this, &DocumentController::UpdateCaption);
    if (const Result<QString> folder = m_Document.WorkFolderMade(); !folder.Ok()) {
        // Said when it happens, once the window is up: nothing can be opened.
        QTimer::singleShot(0, this, [this, why = folder.Reason()] { ShowFailure(why); });
    }
}

void DocumentController::ShowMessage(const QString& Text, const QString& Title,
                                     MessageBoxes::Icon Icon, const QString& Detail) {
    // A file name's bytes that are not UTF-8 show as \xNN.
    m_Services.Messages->Show(m_Window, NativePath::Shown(Text), Title, Icon,
                              NativePath::Shown(Detail));
}

void DocumentController::TellRecovered(const QStringList& Notes) {
    if (!Notes.isEmpty()) {
        ShowMessage(Notes.join(QLatin1Char('\n')), m_Title, MessageBoxes::Icon::Warning);
    }
}

void DocumentController::ShowFailure(const QString& Text) {
    ShowMessage(Text, m_Title, MessageBoxes::Icon::Warning);
}

void DocumentController::CloseIfAsked() {
    if (m_CloseWhenIdle) {
        QTimer::singleShot(0, m_Window, &QWidget::close);
    }
}

void DocumentController::Open() {
    if (ToolBusy::Refuse(m_Document)) {
        return;
    }
    std::unique_ptr<OpenFileDialog> dialog = m_Services.NewOpenDialog();
    const QString path =
        dialog->OpenFileName(m_Window, tr("Otwórz plik buttów"), m_Settings.OpenFolder(),
                             tr("unnamed_1846.bin (*.bin)|*.bin| Wszystkie pliki (*.*)|*.*"));
    const QString name = dialog->TitleName();

    bool numeric = false;
    path.toDouble(&numeric);
    if (numeric) {
        ShowMessage(tr("A file wasn't chosen  !!"), tr("Mistake of loading the file "),
                    MessageBoxes::Icon::Information);
        return;
    }
    OpenChosen(path, name);
}

void DocumentController::OpenFile(const QString& Path) {
    if (ToolBusy::Refuse(m_Document)) {
        return;
    }
    const QString path = QDir(m_StartFolder).absoluteFilePath(Path);
    OpenChosen(path, QFileInfo(path).fileName());
}

void DocumentController::OpenChosen(const QString& Path, const QString& Name) {
    const OpenResult readable = NameDocument::CheckReadable(Path);
    if (readable.Result == OpenResult::Outcome::Missing ||
        readable.Result == OpenResult::Outcome::Unreadable) {
        ShowMessage(tr("A Mistake Appeared "), m_Title, MessageBoxes::Icon::None, readable.Reason);
        return;
    }
    if (!MaybeSave()) {
        return;
    }
    const auto askSize = [this, &Name](qint64 bytes) {
        return m_Services.Messages->AskYesNo(m_Window, Questions::OpenOddSize(Name, bytes),
                                             m_Title);
    };
    const OpenResult opened = m_Document.Open(Path, Name, askSize);
    TellRecovered(opened.Notes);
    switch (opened.Result) {
    case OpenResult::Outcome::Opened:
        // What the status bar said was of the former file.
        m_Window->statusBar()->clearMessage();
        m_Settings.setOpenFolder(QFileInfo(m_Document.FilePath()).absolutePath());
        // In the code page last chosen for a file of this name.
        if (const CodePage* page = CodePage::Find(m_Settings.Encoding(Name))) {
            m_Document.setEncoding(*page);
        }
        emit FileOpened();
        m_Actions.MnuSaveAs->setEnabled(true);
        UpdateCaption();
        m_Notes->OddSize(m_Document.OddSize());
        break;
    case OpenResult::Outcome::Declined:
        break; // the file that was open stays open, with its list and its unsaved renames
    case OpenResult::Outcome::Missing:
    case OpenResult::Outcome::Unreadable:
        ShowMessage(tr("A Mistake Appeared "), m_Title, MessageBoxes::Icon::None, opened.Reason);
        break;
    case OpenResult::Outcome::Failed:
        ShowFailure(opened.Reason);
        break;
    }
    CloseIfAsked();
}

void DocumentController::UpdateCaption() {
    // A file that cannot be written says so, and only Save As is offered for it.
    const std::optional<QString> readOnly = m_Document.ReadOnly();
    m_Window->setWindowTitle(m_Document.IsOpen()
                                 ? NativePath::Shown(QFileInfo(m_Document.FilePath()).fileName()) +
                                       (readOnly ? tr(" [read-only]") : QString()) +
                                       QStringLiteral("[*] - ") + m_Title
                                 : m_Title);
    m_Window->setWindowModified(m_Document.IsModified());
    const bool save = m_Document.IsOpen() && !readOnly;
    m_Actions.Cmd_Zapisz->setEnabled(save);
    if (m_QuickSave->Enabled() != save) {
        m_QuickSave->setEnabled(save);
    }
    if (readOnly) {
        m_Window->statusBar()->showMessage(*readOnly);
    } else if (m_Window->statusBar()->currentMessage() == m_ReadOnlyNote) {
        m_Window->statusBar()->clearMessage(); // Save As went on with a file that can be written
    }
    m_ReadOnlyNote = readOnly.value_or(QString());
}

void DocumentController::EncodingChanged() {
    const CodePage& page = m_Document.Encoding();
    for (const auto& [action, menuPage] : m_Actions.Encodings) {
        action->setChecked(menuPage == &page);
    }
    if (m_Document.IsOpen()) {
        m_Settings.setEncoding(QFileInfo(m_Document.FilePath()).fileName(), page.Name());
    }
    m_Window->statusBar()->showMessage(
        tr("Names shown in %1 (%2).").arg(page.Name(), page.Title()));
}

bool DocumentController::MaybeSave() {
    if (!m_Document.IsModified()) {
        return true;
    }
    const QString name = QFileInfo(m_Document.FilePath()).fileName();
    if (m_Document.ReadOnly()) {
        // Save would only fail: the changes can go to another file.
        switch (m_Services.Messages->Choose(m_Window, Questions::UnsavedReadOnly(name), m_Title,
                                            Questions::UnsavedReadOnlyButtons())) {
        case Questions::SaveElsewhere:
            return SaveAsChosen();
        case Questions::DiscardChanges:
            return true;
        default:
            return false;
        }
    }
    const QString text = tr("The names in %1 have changed. Save the changes?").arg(name);
    switch (m_Services.Messages->AskToSave(m_Window, text, m_Title)) {
    case MessageBoxes::Answer::Save:
        return SaveFile();
    case MessageBoxes::Answer::Discard:
        return true;
    case MessageBoxes::Answer::Cancel:
        break;
    }
    return false;
}

void DocumentController::Save() {
    if (ToolBusy::Refuse(m_Document) || !m_Actions.Cmd_Zapisz->isEnabled()) {
        return;
    }
    SaveFile();
    CloseIfAsked();
}

void DocumentController::SaveAs() {
    if (ToolBusy::Refuse(m_Document) || !m_Actions.MnuSaveAs->isEnabled()) {
        return;
    }
    SaveAsChosen();
    CloseIfAsked();
}

bool DocumentController::SaveFile(const QString& Target) {
    if (!m_Document.IsOpen()) {
        ShowMessage(tr("A Mistake Appeared "), m_Title, MessageBoxes::Icon::None);
        return false;
    }
    const QString name = QFileInfo(m_Document.FilePath()).fileName();
    SaveOptions options;
    // A file opened at another size than a name file's is not cut or padded unasked.
    options.AcceptResize = [this, &name](qint64 bytes) {
        return m_Services.Messages->Choose(m_Window, Questions::SaveOddSize(name, bytes), m_Title,
                                           Questions::SaveOddSizeButtons()) == 0;
    };
    LockWaitPanel lockWait(m_Window, name); // another program's lock is waited for in sight
    options.Waiting = lockWait.Waiter();
    const auto save = [this, &Target, &options] {
        return Target.isEmpty() ? m_Document.Save(options) : m_Document.SaveAs(Target, options);
    };
    SaveResult saved = save();
    if (saved.Result == SaveResult::Outcome::ChangedOnDisk) {
        switch (m_Services.Messages->Choose(m_Window, Questions::ChangedOnDisk(name), m_Title,
                                            Questions::ChangedOnDiskButtons())) {
        case Questions::Overwrite:
            options.OverwriteChanged = true;
            saved = save();
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
    m_Document.ClearWorkFolder();
    emit Saved();
    m_Notes->OddSize(m_Document.OddSize());
    UpdateCaption();
    ShowMessage(tr("Save File"), m_Title, MessageBoxes::Icon::None,
                Questions::Written(m_Document.FilePath(), saved));
    return true;
}

bool DocumentController::SaveAsChosen() {
    const QString target = m_Services.Files->SavePath(
        m_Window, tr("Save As"), m_Document.FilePath(), FileTypes::NameFileFilter());
    return !target.isEmpty() && SaveFile(FileTypes::NameFileTarget(target));
}

bool DocumentController::MayClose() {
    if (m_Document.ToolBusy()) {
        // The tool is still working on the files: close once it has finished.
        m_CloseWhenIdle = true;
        return false;
    }
    if (!MaybeSave()) {
        return false;
    }
    m_Document.ClearWorkFolder();
    return true;
}

} // namespace voxtrel

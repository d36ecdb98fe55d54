#include "app/frmMain.h"

#include "app/AboutMenu.h"
#include "app/Artwork.h"
#include "app/CompareMarks.h"
#include "app/DocumentController.h"
#include "app/EventHook.h"
#include "app/ListCommands.h"
#include "app/MainMenus.h"
#include "app/NameEditor.h"
#include "app/NameList.h"
#include "app/StatusNotes.h"
#include "app/ToolProgress.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QMimeData>
#include <QResizeEvent>
#include <QStatusBar>
#include <QTimer>

namespace voxtrel {
namespace {

QString resolveAppPath(const QString& given) {
    QString path = given.isEmpty() ? QCoreApplication::applicationDirPath() : given;
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

} // namespace

frmMain::frmMain(AppServices services, QString appPath, QWidget* parent)
    : QMainWindow(parent), m_Services(services.WithDefaults()), m_AppPath(resolveAppPath(appPath)),
      m_StartFolder(QDir::currentPath()), m_Settings(m_Services.SettingsFile),
      m_Document(m_AppPath, WorkFolder::SharedWorkFolder(m_AppPath)) {
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
    BuildControls();
    setAcceptDrops(true);

    // Each controller runs its own flows and owns its menu entries; the window places the
    // entries and tells the controllers of one another.
    m_Progress = new ToolProgress(&m_Document, this, AppTitle);
    m_List = new NameList(m_Controls.List1, m_Controls.txtSearch, m_Controls.Filter, m_Document,
                          statusBar(), this);
    m_Compare = new CompareMarks(this, AppTitle, m_List, m_Document, m_Services, statusBar());
    m_Editor = new NameEditor(this, m_Document, m_List, m_Controls.txt0, m_Controls.Label1,
                              m_Controls.txtSearch, m_Notes.get(), statusBar());
    m_ListCommands = new ListCommands(this, AppTitle, m_Document, m_Services);
    m_Files = new DocumentController(this, AppTitle, m_Document, m_Services, m_Settings,
                                     m_StartFolder, m_Controls.cmdQSave, m_Notes.get());
    m_About = new AboutMenu(this, AppTitle, m_Services);
    MainMenus::Build(menuBar(), m_Files->Actions(), m_ListCommands->Actions(), m_Compare->Actions(),
                     m_Editor->Actions(), m_List->Actions(), m_About->Actions());

    connect(m_Files, &DocumentController::FileOpened, m_List, &NameList::Fill);
    connect(m_Files, &DocumentController::FileOpened, m_Compare, &CompareMarks::FileOpened);
    connect(m_Files, &DocumentController::FileOpened, m_ListCommands, &ListCommands::FileOpened);
    connect(m_Files, &DocumentController::FileOpened, m_Editor, &NameEditor::FileOpened);
    connect(m_Files, &DocumentController::Saved, m_List, &NameList::ShowAll);
    restoreGeometry(m_Settings.Geometry());
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
    m_Notes = std::make_unique<StatusNotes>(statusBar());
    m_Controls.List1->setFocus();
}

qint32 frmMain::SelIndex() const {
    return m_Editor->SelIndex();
}

void frmMain::MnuFileOpen_Click() {
    m_Files->Open();
}

void frmMain::Cmd_Zapisz_Click() {
    m_Files->Save();
}

void frmMain::MnuSaveAs_Click() {
    m_Files->SaveAs();
}

void frmMain::OpenFile(const QString& Path) {
    m_Files->OpenFile(Path);
}

void frmMain::TellRecovered(const QStringList& Notes) {
    m_Files->TellRecovered(Notes);
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!m_Files->MayClose()) {
        event->ignore();
        return;
    }
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
    QTimer::singleShot(0, this, [this, path] { OpenFile(path); });
}

} // namespace voxtrel

#include "app/frmMain.h"

#include "app/Artwork.h"
#include "app/Links.h"
#include "app/NameValidator.h"
#include "app/Search.h"
#include "app/ToolProgress.h"
#include "controls/button_xp/Button_XP.h"
#include "controls/button_xp/MemoryPropertyBag.h"
#include "names/NameFileLayout.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>

namespace voxtrel {
namespace {

QString resolveAppPath(const QString& given) {
    QString path = given.isEmpty() ? QCoreApplication::applicationDirPath() : given;
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

QFont namedFont(const QString& family, double points, bool bold) {
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

const QString CsvFilter = QStringLiteral("Name lists (*.csv);;All files (*)");
const QString NameFileFilter = QStringLiteral("Name files (*.bin);;All files (*)");

const QString Label2Text = QStringLiteral("1)Other Version-unnamed_1845.bin\n\n"
                                          "2)English Version-unnamed_1846.bin\n\n"
                                          "3)Other Version-unnamed_1847.bin\n\n"
                                          "4)Other Version-unnamed_1848.bin\n\n"
                                          "5)Other Version-unnamed_1849.bin\n\n"
                                          "6)Other Version-unnamed_1850.bin\n\n"
                                          "7)Other Version-unnamed_1852.bin\n\n"
                                          "8)Other Version-unnamed_1853.bin\n\n"
                                          "9)Other Version-unnamed_1854.bin");

} // namespace

frmMain::frmMain(AppServices services, QString appPath, QWidget* parent)
    : QMainWindow(parent), m_Services(services.withDefaults()), m_AppPath(resolveAppPath(appPath)),
      m_StartFolder(QDir::currentPath()),
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
    setFont(namedFont(QStringLiteral("MS Sans Serif"), 8.25, false));
    BuildMenus();
    BuildControls();

    setAcceptDrops(true);
    m_Progress = new ToolProgress(&m_Document, this, AppTitle);
    connect(&m_Document, &NameDocument::NameChanged, this, &frmMain::Document_NameChanged);
    connect(&m_Document, &NameDocument::ModifiedChanged, this, &QWidget::setWindowModified);
    connect(&m_Document, &NameDocument::EncodingChanged, this, &frmMain::Document_EncodingChanged);
    // While the tool works on the names, undo and redo wait as renames do.
    connect(&m_Document, &NameDocument::ToolRunningChanged, this, [this](bool running) {
        MnuUndo->setEnabled(!running && m_Document.UndoStack()->canUndo());
        MnuRedo->setEnabled(!running && m_Document.UndoStack()->canRedo());
    });
}

frmMain::~frmMain() {
    // The controls go first: the Quick Save button paints through m_ButtonHost, which, as a
    // member, would otherwise be gone when the base class closes the window and moves the
    // focus away from the button.
    delete takeCentralWidget();
}

void frmMain::BuildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(763, 387);
    client->setAutoFillBackground(true);
    QPalette white = client->palette();
    white.setColor(QPalette::Window, Qt::white);
    client->setPalette(white);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize); // no resizing

    Image1 = new QLabel(client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(216, 32, 541, 41);
    Image1->setPixmap(QPixmap::fromImage(Artwork::Banner(541, 41)));

    Image2 = new QLabel(client);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(488, 160, 265, 184);
    Image2->setPixmap(QPixmap::fromImage(Artwork::Pitch(265, 184)));

    List1 = new QListWidget(client);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(8, 8, 201, 342);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setUniformItemSizes(true);
    List1->setStyleSheet(
        QStringLiteral("QListWidget#List1:focus { border: 1px dotted palette(text); }"));

    txtSearch = new QLineEdit(client);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setGeometry(8, 360, 201, 19);
    txtSearch->setText(QStringLiteral("Search..."));
    txtSearch->installEventFilter(this);

    txt0 = new QLineEdit(client);
    txt0->setObjectName(QStringLiteral("txt0"));
    txt0->setGeometry(216, 8, 537, 19);
    txt0->setMaxLength(58);
    txt0->setValidator(new NameValidator(
        [this]() -> const CodePage& { return m_Document.Encoding(); },
        [this](const QStringList& refused, const QString& kept) {
            // Something of a paste came in when the field grows.
            const bool restKept = kept.size() > m_ShownName.size();
            const CodePage& page = m_Document.Encoding();
            QStringList quoted;
            for (const QString& c : refused) {
                quoted << QStringLiteral("'%1'").arg(c);
            }
            statusBar()->showMessage(
                QStringLiteral("%1 cannot be stored in the %2 (%3) code page%4")
                    .arg(quoted.join(QStringLiteral(", ")), page.Title(), page.Name(),
                         restKept ? QStringLiteral("; the rest was kept.") : QStringLiteral(".")),
                8000);
        },
        txt0));
    connect(txt0, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_ShownName = text;
        ShowNameLength();
    });
    m_NameLength = new QLabel(this);
    m_NameLength->setObjectName(QStringLiteral("NameLength"));
    m_NameLength->setMinimumWidth(
        m_NameLength->fontMetrics().horizontalAdvance(QStringLiteral("58 of 58")) + 12);
    m_NameLength->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_NameLength->setContentsMargins(0, 0, 6, 0); // clear of the window's edge
    statusBar()->addPermanentWidget(m_NameLength);
    m_OddSize = new QLabel(this);
    m_OddSize->setObjectName(QStringLiteral("OddSize"));
    statusBar()->addPermanentWidget(m_OddSize);
    m_OddSize->hide();
    statusBar()->setSizeGripEnabled(false); // the window has a fixed size
    m_NameLength->hide();
    txt0->setEnabled(false);
    txt0->installEventFilter(this);

    m_ButtonHost =
        std::make_unique<FormButtonHost>(this, QStringLiteral("cmdQSave"), m_Services.Links.get());
    cmdQSave = new Button_XP(client, m_ButtonHost.get(), m_Services.Button);
    cmdQSave->setObjectName(QStringLiteral("cmdQSave"));
    cmdQSave->setGeometry(488, 88, 265, 25);
    cmdQSave->installEventFilter(this);
    {
        // The button's designed properties, loaded as the container loads them.
        MemoryPropertyBag designed;
        StdFontData font;
        font.Name = QStringLiteral("MS Sans Serif");
        font.Size = 8.25;
        designed.set(QStringLiteral("Caption"), QStringLiteral("Quick Save"));
        designed.set(QStringLiteral("ButtonStyle"), QVariant::fromValue<qint32>(3));
        designed.set(QStringLiteral("Font"), QVariant::fromValue(font));
        designed.set(QStringLiteral("MousePointer"), QVariant::fromValue<qint16>(99));
        designed.set(QStringLiteral("MouseIcon"),
                     QVariant::fromValue(
                         ButtonPicture::fromImage(Artwork::HandPointer(), Artwork::HandHotSpot())));
        designed.set(QStringLiteral("Enabled"), QVariant::fromValue<qint16>(0));
        cmdQSave->ReadProperties(designed);
    }

    Label1 = new QLabel(client);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(528, 40);
    Label1->setFont(namedFont(QStringLiteral("Arial"), 12, true));
    Label1->setAttribute(Qt::WA_TranslucentBackground);
    Label1->setTextFormat(Qt::PlainText);
    SetLabel1(QStringLiteral("Name."));

    Frame1 = new QGroupBox(QStringLiteral("File dt0f.img"), client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(216, 80, 265, 305);
    Frame1->setAutoFillBackground(true);
    Frame1->setPalette(white);

    Label2 = new QLabel(Label2Text, Frame1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->move(8, 24);
    Label2->setFont(namedFont(QStringLiteral("MS Sans Serif"), 9.75, true));
    Label2->adjustSize();

    setTabOrder(List1, txtSearch);
    setTabOrder(txtSearch, txt0);
    setTabOrder(txt0, cmdQSave);
    List1->setFocus();

    // The selection, not the keyboard cursor: focusing the list moves its cursor to the first
    // line without selecting it, and that must not bind the name field to a record.
    connect(List1, &QListWidget::itemSelectionChanged, this, [this] { List1_Click(); });
    connect(txt0, &QLineEdit::textChanged, this, [this] { txt_Change(); });
    connect(txtSearch, &QLineEdit::textChanged, this, [this] { txtSearch_Change(); });
    connect(cmdQSave, &Button_XP::Click, this, &frmMain::Cmd_Zapisz_Click);
}

void frmMain::BuildMenus() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Menu"));
    menu->setObjectName(QStringLiteral("Menu"));
    MnuFileOpen = menu->addAction(QStringLiteral("&Open"));
    MnuFileOpen->setObjectName(QStringLiteral("MnuFileOpen"));
    MnuFileOpen->setShortcut(QKeySequence::Open);
    menu->addSeparator()->setObjectName(QStringLiteral("Sep"));
    Cmd_Zapisz = menu->addAction(QStringLiteral("&Save"));
    Cmd_Zapisz->setObjectName(QStringLiteral("Cmd_Zapisz"));
    Cmd_Zapisz->setShortcut(QKeySequence::Save);
    Cmd_Zapisz->setEnabled(false);
    MnuSaveAs = menu->addAction(QStringLiteral("Save &As..."));
    MnuSaveAs->setObjectName(QStringLiteral("MnuSaveAs"));
    MnuSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    MnuSaveAs->setEnabled(false);
    connect(MnuSaveAs, &QAction::triggered, this, &frmMain::MnuSaveAs_Click);
    menu->addSeparator()->setObjectName(QStringLiteral("SepNames"));
    MnuExportNames = menu->addAction(QStringLiteral("&Export names..."));
    MnuExportNames->setObjectName(QStringLiteral("MnuExportNames"));
    MnuExportNames->setEnabled(false);
    MnuImportNames = menu->addAction(QStringLiteral("&Import names..."));
    MnuImportNames->setObjectName(QStringLiteral("MnuImportNames"));
    MnuImportNames->setEnabled(false);
    menu->addSeparator()->setObjectName(QStringLiteral("SepEncoding"));
    // The code page of the names, for the language version of the file: the platform the
    // files come from read them in its own, so the user chooses it here for this run.
    QMenu* encoding = menu->addMenu(QStringLiteral("E&ncoding"));
    encoding->setObjectName(QStringLiteral("Encoding"));
    auto* pages = new QActionGroup(this);
    for (const CodePage* page : CodePage::All()) {
        QAction* a =
            encoding->addAction(QStringLiteral("%1 (%2)").arg(page->Title(), page->Name()));
        a->setObjectName(page->Name());
        a->setCheckable(true);
        a->setChecked(page == &m_Document.Encoding());
        pages->addAction(a);
        connect(a, &QAction::triggered, this, [this, page] { m_Document.SetEncoding(*page); });
    }
    menu->addSeparator()->setObjectName(QStringLiteral("SepQuit"));
    QAction* quit = menu->addAction(QStringLiteral("&Quit"));
    quit->setObjectName(QStringLiteral("MnuQuit"));
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    connect(MnuFileOpen, &QAction::triggered, this, &frmMain::MnuFileOpen_Click);
    connect(Cmd_Zapisz, &QAction::triggered, this, &frmMain::Cmd_Zapisz_Click);
    connect(MnuExportNames, &QAction::triggered, this, &frmMain::MnuExportNames_Click);
    connect(MnuImportNames, &QAction::triggered, this, &frmMain::MnuImportNames_Click);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("Edit"));
    MnuUndo = m_Document.UndoStack()->createUndoAction(this, QStringLiteral("&Undo"));
    MnuUndo->setObjectName(QStringLiteral("MnuUndo"));
    MnuUndo->setShortcut(QKeySequence::Undo);
    MnuRedo = m_Document.UndoStack()->createRedoAction(this, QStringLiteral("&Redo"));
    MnuRedo->setObjectName(QStringLiteral("MnuRedo"));
    MnuRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addAction(MnuUndo);
    edit->addAction(MnuRedo);
    edit->addSeparator();
    MnuRevertName = edit->addAction(QStringLiteral("Re&vert name"));
    MnuRevertName->setObjectName(QStringLiteral("MnuRevertName"));
    MnuRevertName->setEnabled(false);
    connect(MnuRevertName, &QAction::triggered, this, &frmMain::MnuRevertName_Click);
    edit->addSeparator();
    QAction* find = edit->addAction(QStringLiteral("&Find"));
    find->setObjectName(QStringLiteral("MnuFind"));
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, this, [this] {
        txtSearch->setFocus(Qt::ShortcutFocusReason);
        Search::Select_All(txtSearch);
    });

    QMenu* about = menuBar()->addMenu(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("About"));
    QMenu* visit = about->addMenu(QStringLiteral("&Visit"));
    visit->setObjectName(QStringLiteral("Visit"));
    auto link = [this, visit](const char* name, const QString& caption, const QString& url) {
        QAction* a = visit->addAction(caption);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, [this, url] {
            if (!m_Services.Links->Open(QUrl(url), this)) {
                // Shown, so that the address can be copied into a browser by hand.
                ShowMessage(
                    QStringLiteral("No web browser could be opened for this page:\n%1").arg(url),
                    AppTitle, MessageBoxes::Icon::Information);
            }
        });
        return a;
    };
    link("cmdSiteHome", Links::SiteHomeCaption, Links::SiteHomeUrl);
    visit->addSeparator()->setObjectName(QStringLiteral("Sep2"));
    link("cmdPartnerSite", Links::PartnerCaption, Links::PartnerUrl);
    visit->addSeparator()->setObjectName(QStringLiteral("Sep3"));
    link("cmdAuthorPage", Links::AuthorCaption, Links::AuthorUrl);
    about->addSeparator()->setObjectName(QStringLiteral("Sep5"));
    QAction* copyright = about->addAction(QStringLiteral("&Copyright"));
    copyright->setObjectName(QStringLiteral("Copyright"));
    connect(copyright, &QAction::triggered, this,
            [this] { ShowMessage(Links::Credit, AppTitle, MessageBoxes::Icon::Information); });
}

void frmMain::ShowMessage(const QString& text, const QString& title, MessageBoxes::Icon icon,
                          const QString& detail) {
    m_Services.Messages->Show(this, text, title, icon, detail);
}

void frmMain::ShowFailure(const QString& text) {
    ShowMessage(text, AppTitle, MessageBoxes::Icon::Warning);
}

void frmMain::SetLabel1(const QString& text) {
    Label1->setText(text);
    Label1->adjustSize();
}

void frmMain::SetEditing(bool enabled) {
    // A file without records has no name to edit.
    txt0->setEnabled(enabled && m_Document.Table().Count() > 0);
    MnuRevertName->setEnabled(txt0->isEnabled());
    Cmd_Zapisz->setEnabled(enabled);
    MnuSaveAs->setEnabled(enabled);
    MnuExportNames->setEnabled(enabled);
    MnuImportNames->setEnabled(enabled);
    if (cmdQSave->Enabled() != enabled) {
        cmdQSave->setEnabled(enabled);
    }
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
        this, QStringLiteral("Otwórz plik buttów"), m_AppPath,
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
        const QLocale english(QLocale::English);
        return m_Services.Messages->AskYesNo(
            this,
            QStringLiteral(
                "%1 is %2 bytes when decompressed; a name file is %3 bytes. Open it anyway?")
                .arg(name, english.toString(bytes), english.toString(layout::FileSize)),
            AppTitle);
    };
    const OpenResult opened = m_Document.Open(path, name, askSize);
    switch (opened.Result) {
    case OpenResult::Outcome::Opened:
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
    const Baza& table = m_Document.Table();
    m_Filling = true;
    List1->clear();
    List1->setUpdatesEnabled(false);
    QStringList names;
    names.reserve(table.Count());
    for (qint32 i = 0; i < table.Count(); ++i) {
        names << table.Get_Nazwa(i);
    }
    List1->addItems(names);
    List1->setUpdatesEnabled(true);
    // Nothing shown for the former file may be typed into this one: the field, the label
    // and SelIndex show record 0 of the new file, or nothing when it has none.
    m_SelIndex = 0;
    txt0->clear();
    SetLabel1(QString());
    m_Filling = false;
    SetEditing(true);
    UpdateCaption();
    ShowOddSize();
    if (table.Count() > 0) {
        List1->setCurrentRow(0); // through the selection handler
    }
}

void frmMain::UpdateCaption() {
    setWindowTitle(m_Document.IsOpen() ? QFileInfo(m_Document.FilePath()).fileName() +
                                             QStringLiteral("[*] - ") + AppTitle
                                       : AppTitle);
    setWindowModified(m_Document.IsModified());
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
    if (RefuseWhileBusy() || !Cmd_Zapisz->isEnabled()) {
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
    SaveOptions options;
    // A file opened at another size than a name file's is not cut or padded unasked.
    options.AcceptResize = [this](qint64 bytes) {
        const QLocale english(QLocale::English);
        const qint64 difference = bytes - layout::FileSize;
        const QString change =
            difference > 0
                ? QStringLiteral("the last %1 bytes are left out").arg(english.toString(difference))
                : QStringLiteral("%1 bytes are added").arg(english.toString(-difference));
        return m_Services.Messages->Choose(
                   this,
                   QStringLiteral("%1 decompressed to %2 bytes; a name file is %3 bytes. Saving "
                                  "writes a %3-byte name file: %4. Save?")
                       .arg(QFileInfo(m_Document.FilePath()).fileName(),
                            english.toString(bytes), english.toString(layout::FileSize), change),
                   AppTitle, {QStringLiteral("&Save"), QStringLiteral("Cancel")}) == 0;
    };
    SaveResult saved =
        target.isEmpty() ? m_Document.Save(options) : m_Document.Save_As(target, options);
    if (saved.Result == SaveResult::Outcome::ChangedOnDisk) {
        const int answer = m_Services.Messages->Choose(
            this,
            QStringLiteral("%1 was changed on disk since it was opened. Overwrite it, or cancel "
                           "and keep both?")
                .arg(QFileInfo(m_Document.FilePath()).fileName()),
            AppTitle,
            {QStringLiteral("&Overwrite"), QStringLiteral("Save &As..."), QStringLiteral("Cancel")});
        if (answer == 1) {
            return SaveAsChosen();
        }
        if (answer != 0) {
            return false;
        }
        options.OverwriteChanged = true;
        saved = target.isEmpty() ? m_Document.Save(options) : m_Document.Save_As(target, options);
    }
    if (saved.Result == SaveResult::Outcome::Declined) {
        return false;
    }
    if (!saved.Ok()) {
        ShowFailure(saved.Result == SaveResult::Outcome::Rescued
                        ? QStringLiteral("The file was not saved.\n%1").arg(saved.Reason)
                    : saved.Result == SaveResult::Outcome::ChangedOnDisk
                        ? QStringLiteral("The file was not saved: it changed on disk again.")
                        : QStringLiteral("The file was not saved; it is unchanged.\n%1")
                              .arg(saved.Reason));
        return false;
    }
    Clear_Temp();
    MarkAllLines(); // nothing is renamed since the save
    ShowOddSize();
    const QString how = saved.HowWritten();
    ShowMessage(QStringLiteral("Save File"), AppTitle, MessageBoxes::Icon::None,
                QStringLiteral("Written to %1%2")
                    .arg(QDir::toNativeSeparators(m_Document.FilePath()),
                         how.isEmpty() ? QString() : QStringLiteral(", ") + how + '.'));
    return true;
}

void frmMain::ShowOddSize() {
    const qint64 odd = m_Document.OddSize();
    m_OddSize->setText(odd == 0 ? QString()
                                : QStringLiteral("Not a name file's size: %1 bytes")
                                      .arg(QLocale(QLocale::English).toString(odd)));
    m_OddSize->setVisible(odd != 0);
}

void frmMain::MnuExportNames_Click() {
    if (RefuseWhileBusy() || !MnuExportNames->isEnabled()) {
        return;
    }
    const QFileInfo chosen(m_Document.FilePath());
    const QString suggested =
        chosen.dir().filePath(chosen.completeBaseName() + QStringLiteral(".csv"));
    const QString target =
        m_Services.Files->SavePath(this, QStringLiteral("Export names"), suggested, CsvFilter);
    if (target.isEmpty()) {
        return;
    }
    const SaveResult exported = m_Document.Export_Csv(target);
    if (!exported.Ok()) {
        ShowFailure(QStringLiteral("The names were not exported:\n%1").arg(exported.Reason));
        return;
    }
    ShowMessage(
        QStringLiteral("%1 names exported to \"%2\".").arg(m_Document.Table().Count()).arg(target),
        AppTitle, MessageBoxes::Icon::Information);
}

void frmMain::MnuImportNames_Click() {
    if (RefuseWhileBusy() || !MnuImportNames->isEnabled()) {
        return;
    }
    const QString source =
        m_Services.Files->OpenPath(this, QStringLiteral("Import names"),
                                   QFileInfo(m_Document.FilePath()).absolutePath(), CsvFilter);
    if (source.isEmpty()) {
        return;
    }
    const ListCheck checked = m_Document.Check_List(source);
    if (!checked.Ok()) {
        ShowFailure(checked.Reason);
        return;
    }
    const NameChanges& changes = checked.Changes;
    m_Importing = true;
    const bool imported = m_Document.Import(changes);
    m_Importing = false;
    if (!imported) {
        QApplication::beep(); // the tool is working on the names
        return;
    }
    ShowMessage(
        changes.isEmpty()
            ? QStringLiteral("The name list changes no name.")
            : QStringLiteral("%1 names changed. Save writes them to the file.").arg(changes.size()),
        AppTitle, MessageBoxes::Icon::Information);
}

void frmMain::MnuSaveAs_Click() {
    if (RefuseWhileBusy() || !MnuSaveAs->isEnabled()) {
        return;
    }
    SaveAsChosen();
    CloseIfAsked();
}

bool frmMain::SaveAsChosen() {
    const QString target = m_Services.Files->SavePath(this, QStringLiteral("Save As"),
                                                      m_Document.FilePath(), NameFileFilter);
    if (target.isEmpty() || !SaveFile(target)) {
        return false;
    }
    UpdateCaption(); // the window edits the new file from now on
    return true;
}

void frmMain::MnuRevertName_Click() {
    if (RefuseWhileBusy() || !txt0->isEnabled()) {
        return;
    }
    m_Document.Rename(m_SelIndex, m_Document.SavedName(m_SelIndex), true);
}

void frmMain::Clear_Temp() {
    m_Document.Clear_Work_Folder();
}

void frmMain::List1_Click() {
    const QList<QListWidgetItem*> selected = List1->selectedItems();
    const int row = selected.isEmpty() ? -1 : List1->row(selected.front());
    if (row < 0) {
        return;
    }
    m_Filling = true;
    m_SelIndex = row;
    txt0->setText(m_Document.Table().Get_Nazwa(m_SelIndex));
    SetLabel1(txt0->text());
    m_Filling = false;
}

void frmMain::txt_Change() {
    if (m_Filling) {
        return;
    }
    const QString text = txt0->text().left(58);
    m_Typing = true;
    const bool renamed = m_Document.Rename(m_SelIndex, text);
    m_Typing = false;
    if (!renamed) {
        if (m_Document.ToolBusy()) {
            // The tool is working on the names: the field goes back to the record's name.
            QApplication::beep();
            m_Filling = true;
            txt0->setText(m_Document.Table().Get_Nazwa(m_SelIndex));
            m_Filling = false;
        }
        return;
    }
    SetLabel1(txt0->text());
    // The line of the record that was renamed: past the end that is the last one.
    const int line = std::clamp(m_SelIndex, 0, List1->count() - 1);
    if (line >= 0 && List1->item(line)->text() != text) {
        List1->item(line)->setText(text);
    }
}

void frmMain::Document_NameChanged(qint32 index) {
    // Renames from anywhere (typing, an import) reach the list line, and the name field and
    // label when they show that record.
    const QString name = m_Document.Table().Get_Nazwa(index);
    if (index < List1->count() && List1->item(index)->text() != name) {
        List1->item(index)->setText(name);
    }
    MarkLine(index);
    if (!m_Typing && !m_Importing && index < List1->count()) {
        // An undo, a redo or a revert shows the record it changes.
        List1->setCurrentRow(index);
    }
    const int shown = std::clamp(m_SelIndex, 0, std::max(0, List1->count() - 1));
    if (index == shown && txt0->isEnabled() && txt0->text() != name) {
        m_Filling = true;
        txt0->setText(name);
        SetLabel1(name);
        m_Filling = false;
    }
}

void frmMain::Document_EncodingChanged() {
    // The same bytes, read again: every line, and the field and label of the record shown.
    const Baza& table = m_Document.Table();
    for (qint32 i = 0; i < List1->count(); ++i) {
        List1->item(i)->setText(table.Get_Nazwa(i));
    }
    MarkAllLines();
    if (txt0->isEnabled()) {
        m_Filling = true;
        txt0->setText(table.Get_Nazwa(m_SelIndex));
        SetLabel1(txt0->text());
        m_Filling = false;
    }
    const CodePage& page = m_Document.Encoding();
    statusBar()->showMessage(
        QStringLiteral("Names shown in %1 (%2).").arg(page.Name(), page.Title()));
}

void frmMain::MarkLine(qint32 index) {
    if (index >= List1->count()) {
        return;
    }
    const bool renamed = m_Document.Table().Get_Nazwa(index) != m_Document.SavedName(index);
    QListWidgetItem* item = List1->item(index);
    if (item->font().bold() != renamed) {
        QFont font = item->font();
        font.setBold(renamed);
        item->setFont(font);
    }
}

void frmMain::MarkAllLines() {
    for (qint32 i = 0; i < List1->count(); ++i) {
        MarkLine(i);
    }
}

void frmMain::txtSearch_Change() {
    const bool found = Search::Find_Prefix(List1, txtSearch->text());
    SetSearchFound(found || txtSearch->text().isEmpty());
}

void frmMain::FindNext(bool forward) {
    SetSearchFound(Search::Find_Next(List1, txtSearch->text(), forward) >= 0);
}

void frmMain::SetSearchFound(bool found) {
    QPalette palette = txtSearch->palette();
    const QColor base =
        found ? QApplication::palette(txtSearch).color(QPalette::Base) : QColor(255, 218, 218);
    if (palette.color(QPalette::Base) != base) {
        palette.setColor(QPalette::Base, base);
        txtSearch->setPalette(palette);
    }
    if (!found) {
        statusBar()->showMessage(QStringLiteral("No name contains '%1'").arg(txtSearch->text()));
    } else if (statusBar()->currentMessage().startsWith(QStringLiteral("No name contains"))) {
        statusBar()->clearMessage();
    }
}

void frmMain::ShowNameLength() {
    m_NameLength->setText(QStringLiteral("%1 of 58").arg(txt0->text().size()));
    m_NameLength->setVisible(txt0->hasFocus());
}

void frmMain::txtSearch_KeyUp(int key) {
    if (key == Qt::Key_Up) {
        Search::Move_Selection(List1, txtSearch, 1);
    } else if (key == Qt::Key_Down) {
        Search::Move_Selection(List1, txtSearch, 2);
    }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == txt0 || watched == txtSearch) && event->type() == QEvent::ShortcutOverride) {
        // Undo and redo belong to the document wherever the focus is: the line edits'
        // own undo must not claim the keys.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
            MnuRedo->shortcuts().contains(QKeySequence(key->keyCombination()))) {
            return true;
        }
    }
    if (watched == txtSearch) {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                key->key() == Qt::Key_F3) {
                FindNext(!(key->modifiers() & Qt::ShiftModifier));
                return true;
            }
        }
        if (event->type() == QEvent::FocusIn) {
            // After the click that brought the focus has placed the cursor.
            QTimer::singleShot(0, txtSearch, [this] { Search::Select_All(txtSearch); });
        } else if (event->type() == QEvent::KeyRelease) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (!key->isAutoRepeat()) {
                txtSearch_KeyUp(key->key());
            }
        }
    } else if (watched == txt0 &&
               (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        QTimer::singleShot(0, this, &frmMain::ShowNameLength);
    } else if (watched == txt0 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (txt0->text().size() >= 58 && !txt0->hasSelectedText() && !key->text().isEmpty() &&
            key->text().front().isPrint()) {
            statusBar()->showMessage(QStringLiteral("A name holds at most 58 characters."), 5000);
        }
    } else if (watched == cmdQSave &&
               (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        // Enter clicks the focused Quick Save, as Space does.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            QKeyEvent space(key->type(), Qt::Key_Space, key->modifiers() & ~Qt::KeypadModifier,
                            QStringLiteral(" "), key->isAutoRepeat());
            QCoreApplication::sendEvent(cmdQSave, &space);
            return true;
        }
    } else if (watched == txt0 && event->type() == QEvent::MouseButtonPress && txt0->isEnabled()) {
        SetLabel1(txt0->text());
    }
    return QMainWindow::eventFilter(watched, event);
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

#include "app/frmMain.h"

#include "app/Artwork.h"
#include "app/Links.h"
#include "app/NameValidator.h"
#include "app/Search.h"
#include "controls/button_xp/Button_XP.h"
#include "controls/button_xp/MemoryPropertyBag.h"
#include "document/NameCsv.h"
#include "tools/Scn_Process.h"
#include "tools/ToolCommands.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QSaveFile>
#include <QTimer>

namespace voxtrel {
namespace {

QString resolveAppPath(const QString& given) {
    return ToolCommands::With_Separator(given.isEmpty() ? QCoreApplication::applicationDirPath() : given);
}

QFont namedFont(const QString& family, double points, bool bold) {
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

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
      m_Document(m_AppPath, ToolCommands::Work_Folder(m_AppPath)) {
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

    connect(&m_Document, &NameDocument::NameChanged, this, &frmMain::Document_NameChanged);
    connect(&m_Document, &NameDocument::ToolRunningChanged, this, [](bool running) {
        if (running) {
            QApplication::setOverrideCursor(Qt::BusyCursor);
        } else {
            QApplication::restoreOverrideCursor();
        }
    });
}

frmMain::~frmMain() = default;

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

    txtSearch = new QLineEdit(client);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setGeometry(8, 360, 201, 19);
    txtSearch->setText(QStringLiteral("Search..."));
    txtSearch->installEventFilter(this);

    txt0 = new QLineEdit(client);
    txt0->setObjectName(QStringLiteral("txt0"));
    txt0->setGeometry(216, 8, 537, 19);
    txt0->setMaxLength(58);
    txt0->setValidator(new NameValidator(txt0));
    txt0->setEnabled(false);
    txt0->installEventFilter(this);

    m_ButtonHost =
        std::make_unique<FormButtonHost>(this, QStringLiteral("cmdQSave"), m_Services.Links.get());
    cmdQSave = new Button_XP(client, m_ButtonHost.get(), m_Services.Button);
    cmdQSave->setObjectName(QStringLiteral("cmdQSave"));
    cmdQSave->setGeometry(488, 88, 265, 25);
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
    QMenu* menu = menuBar()->addMenu(QStringLiteral("Menu"));
    menu->setObjectName(QStringLiteral("Menu"));
    MnuFileOpen = menu->addAction(QStringLiteral("Open"));
    MnuFileOpen->setObjectName(QStringLiteral("MnuFileOpen"));
    MnuFileOpen->setShortcut(QKeySequence::Open);
    menu->addSeparator()->setObjectName(QStringLiteral("Sep"));
    Cmd_Zapisz = menu->addAction(QStringLiteral("Save"));
    Cmd_Zapisz->setObjectName(QStringLiteral("Cmd_Zapisz"));
    Cmd_Zapisz->setShortcut(QKeySequence::Save);
    Cmd_Zapisz->setEnabled(false);
    menu->addSeparator()->setObjectName(QStringLiteral("SepNames"));
    MnuExportNames = menu->addAction(QStringLiteral("Export names..."));
    MnuExportNames->setObjectName(QStringLiteral("MnuExportNames"));
    MnuExportNames->setEnabled(false);
    MnuImportNames = menu->addAction(QStringLiteral("Import names..."));
    MnuImportNames->setObjectName(QStringLiteral("MnuImportNames"));
    MnuImportNames->setEnabled(false);
    connect(MnuFileOpen, &QAction::triggered, this, &frmMain::MnuFileOpen_Click);
    connect(Cmd_Zapisz, &QAction::triggered, this, &frmMain::Cmd_Zapisz_Click);
    connect(MnuExportNames, &QAction::triggered, this, &frmMain::MnuExportNames_Click);
    connect(MnuImportNames, &QAction::triggered, this, &frmMain::MnuImportNames_Click);

    QMenu* about = menuBar()->addMenu(QStringLiteral("About"));
    about->setObjectName(QStringLiteral("About"));
    QMenu* visit = about->addMenu(QStringLiteral("Visit"));
    visit->setObjectName(QStringLiteral("Visit"));
    auto link = [this, visit](const char* name, const QString& caption, const QString& url) {
        QAction* a = visit->addAction(caption);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this,
                [this, url] { m_Services.Links->Open(QUrl(url), this); });
        return a;
    };
    link("cmdSiteHome", Links::SiteHomeCaption, Links::SiteHomeUrl);
    visit->addSeparator()->setObjectName(QStringLiteral("Sep2"));
    link("cmdPartnerSite", Links::PartnerCaption, Links::PartnerUrl);
    visit->addSeparator()->setObjectName(QStringLiteral("Sep3"));
    link("cmdAuthorPage", Links::AuthorCaption, Links::AuthorUrl);
    about->addSeparator()->setObjectName(QStringLiteral("Sep5"));
    QAction* copyright = about->addAction(QStringLiteral("Copyright"));
    copyright->setObjectName(QStringLiteral("Copyright"));
    connect(copyright, &QAction::triggered, this,
            [this] { ShowMessage(Links::Credit, AppTitle, MessageBoxes::Icon::Information); });
}

void frmMain::ShowMessage(const QString& text, const QString& title, MessageBoxes::Icon icon) {
    m_Services.Messages->Show(this, text, title, icon);
}

void frmMain::ShowFailure(const QString& text) {
    ShowMessage(text, AppTitle, MessageBoxes::Icon::Warning);
}

void frmMain::SetLabel1(const QString& text) {
    Label1->setText(text);
    Label1->adjustSize();
}

void frmMain::SetEditing(bool enabled) {
    txt0->setEnabled(enabled);
    Cmd_Zapisz->setEnabled(enabled);
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
    if (!Baza::File_Exists(path)) {
        ShowMessage(QStringLiteral("A Mistake Appeared "), AppTitle, MessageBoxes::Icon::None);
        return;
    }

    QString error;
    const bool opened = m_Document.Open(path, error, name);
    List1->clear();
    if (!opened) {
        // Nothing of the list matches a file any more: nothing can be saved until a load succeeds.
        SetEditing(false);
        ShowFailure(error);
    } else {
        const Baza& table = m_Document.Table();
        List1->setUpdatesEnabled(false);
        QStringList names;
        names.reserve(table.Count());
        for (qint32 i = 0; i < table.Count(); ++i) {
            names << table.Get_Nazwa(i);
        }
        List1->addItems(names);
        List1->setUpdatesEnabled(true);
        SetEditing(true);
    }
    CloseIfAsked();
}

void frmMain::Cmd_Zapisz_Click() {
    if (RefuseWhileBusy() || !Cmd_Zapisz->isEnabled()) {
        return;
    }
    if (!m_Document.IsOpen()) {
        ShowMessage(QStringLiteral("A Mistake Appeared "), AppTitle, MessageBoxes::Icon::None);
        return;
    }
    QString error;
    if (m_Document.Save(error)) {
        Clear_Temp();
        ShowMessage(QStringLiteral("Save File"), AppTitle, MessageBoxes::Icon::None);
    } else {
        ShowFailure(QStringLiteral("The file was not saved; it is unchanged.\n%1").arg(error));
    }
    CloseIfAsked();
}

void frmMain::MnuExportNames_Click() {
    if (RefuseWhileBusy() || !MnuExportNames->isEnabled()) {
        return;
    }
    const QFileInfo chosen(m_Document.FilePath());
    const QString suggested =
        chosen.dir().filePath(chosen.completeBaseName() + QStringLiteral(".csv"));
    const QString target =
        m_Services.NameLists->SavePath(this, QStringLiteral("Export names"), suggested);
    if (target.isEmpty()) {
        return;
    }
    const QByteArray csv = NameCsv::Write(m_Document.Table());
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(csv) != csv.size() || !out.commit()) {
        ShowFailure(QStringLiteral("The names were not exported:\n\"%1\" cannot be written: %2")
                        .arg(target, out.errorString()));
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
    const QString source = m_Services.NameLists->OpenPath(
        this, QStringLiteral("Import names"), QFileInfo(m_Document.FilePath()).absolutePath());
    if (source.isEmpty()) {
        return;
    }
    QByteArray csv;
    NameChanges changes;
    QString error;
    if (!NameCsv::Read_File(source, csv, error) ||
        !NameCsv::Check(csv, m_Document.Table(), changes, error) ||
        !m_Document.Import(changes, error)) {
        ShowFailure(error);
        return;
    }
    ShowMessage(
        changes.isEmpty()
            ? QStringLiteral("The name list changes no name.")
            : QStringLiteral("%1 names changed. Save writes them to the file.").arg(changes.size()),
        AppTitle, MessageBoxes::Icon::Information);
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
    if (!m_Document.Rename(m_SelIndex, text)) {
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
    const int shown = std::clamp(m_SelIndex, 0, std::max(0, List1->count() - 1));
    if (index == shown && txt0->isEnabled() && txt0->text() != name) {
        m_Filling = true;
        txt0->setText(name);
        SetLabel1(name);
        m_Filling = false;
    }
}

void frmMain::txtSearch_Change() {
    Search::Find_Prefix(List1, txtSearch->text());
}

void frmMain::txtSearch_KeyUp(int key) {
    if (key == Qt::Key_Up) {
        Search::Move_Selection(List1, txtSearch, 1);
    } else if (key == Qt::Key_Down) {
        Search::Move_Selection(List1, txtSearch, 2);
    }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtSearch) {
        if (event->type() == QEvent::FocusIn) {
            // After the click that brought the focus has placed the cursor.
            QTimer::singleShot(0, txtSearch, [this] { Search::Select_All(txtSearch); });
        } else if (event->type() == QEvent::KeyRelease) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (!key->isAutoRepeat()) {
                txtSearch_KeyUp(key->key());
            }
        }
    } else if (watched == txt0 && event->type() == QEvent::MouseButtonPress) {
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
    Clear_Temp();
    event->accept();
}

} // namespace voxtrel

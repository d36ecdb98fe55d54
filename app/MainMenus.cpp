#include "app/MainMenus.h"

#include "app/Links.h"
#include "names/CodePage.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

namespace voxtrel {
namespace {

QAction* entry(QMenu* menu, const QString& text, const char* name, bool enabled = true) {
    QAction* a = menu->addAction(text);
    a->setObjectName(QLatin1String(name));
    a->setEnabled(enabled);
    return a;
}

void separator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

} // namespace

MainMenus MainMenus::Build(QMenuBar* Bar, QObject* Owner, QUndoStack* Undo,
                           const CodePage& Current) {
    MainMenus m;
    QMenu* menu = Bar->addMenu(QStringLiteral("&Menu"));
    menu->setObjectName(QStringLiteral("Menu"));
    m.MnuFileOpen = entry(menu, QStringLiteral("&Open"), "MnuFileOpen");
    m.MnuFileOpen->setShortcut(QKeySequence::Open);
    separator(menu, "Sep");
    m.Cmd_Zapisz = entry(menu, QStringLiteral("&Save"), "Cmd_Zapisz", false);
    m.Cmd_Zapisz->setShortcut(QKeySequence::Save);
    m.MnuSaveAs = entry(menu, QStringLiteral("Save &As..."), "MnuSaveAs", false);
    m.MnuSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    separator(menu, "SepNames");
    m.MnuExportNames = entry(menu, QStringLiteral("&Export names..."), "MnuExportNames", false);
    m.MnuImportNames = entry(menu, QStringLiteral("&Import names..."), "MnuImportNames", false);
    m.MnuCompare = entry(menu, QStringLiteral("&Compare with file..."), "MnuCompare", false);
    m.MnuExportDifferences =
        entry(menu, QStringLiteral("Export &differences..."), "MnuExportDifferences", false);
    separator(menu, "SepEncoding");
    // The code page of the names, for the language version of the file: the platform the
    // files come from read them in its own, so the user chooses it here for this run.
    QMenu* encoding = menu->addMenu(QStringLiteral("E&ncoding"));
    encoding->setObjectName(QStringLiteral("Encoding"));
    auto* pages = new QActionGroup(Owner);
    for (const CodePage* page : CodePage::All()) {
        QAction* a =
            encoding->addAction(QStringLiteral("%1 (%2)").arg(page->Title(), page->Name()));
        a->setObjectName(page->Name());
        a->setCheckable(true);
        a->setChecked(page == &Current);
        pages->addAction(a);
        m.Encodings.append({a, page});
    }
    separator(menu, "SepQuit");
    m.MnuQuit = entry(menu, QStringLiteral("&Quit"), "MnuQuit");
    m.MnuQuit->setShortcut(QKeySequence::Quit);

    QMenu* edit = Bar->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("Edit"));
    m.MnuUndo = Undo->createUndoAction(Owner, QStringLiteral("&Undo"));
    m.MnuUndo->setObjectName(QStringLiteral("MnuUndo"));
    m.MnuUndo->setShortcut(QKeySequence::Undo);
    m.MnuRedo = Undo->createRedoAction(Owner, QStringLiteral("&Redo"));
    m.MnuRedo->setObjectName(QStringLiteral("MnuRedo"));
    m.MnuRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addAction(m.MnuUndo);
    edit->addAction(m.MnuRedo);
    edit->addSeparator();
    m.MnuRevertName = entry(edit, QStringLiteral("Re&vert name"), "MnuRevertName", false);
    edit->addSeparator();
    m.MnuFind = entry(edit, QStringLiteral("&Find"), "MnuFind");
    m.MnuFind->setShortcut(QKeySequence::Find);
    m.MnuFilter = entry(edit, QStringLiteral("Fi&lter names"), "MnuFilter");
    m.MnuFilter->setCheckable(true);
    m.MnuFilter->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    m.MnuNextDifference = entry(edit, QStringLiteral("Next &difference"), "MnuNextDifference");
    m.MnuNextDifference->setShortcut(QKeySequence(Qt::Key_F7));
    m.MnuPreviousDifference =
        entry(edit, QStringLiteral("Previous difference"), "MnuPreviousDifference");
    m.MnuPreviousDifference->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F7));

    QMenu* about = Bar->addMenu(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("About"));
    QMenu* visit = about->addMenu(QStringLiteral("&Visit"));
    visit->setObjectName(QStringLiteral("Visit"));
    m.Links.append({entry(visit, Links::SiteHomeCaption, "cmdSiteHome"), Links::SiteHomeUrl});
    separator(visit, "Sep2");
    m.Links.append({entry(visit, Links::PartnerCaption, "cmdPartnerSite"), Links::PartnerUrl});
    separator(visit, "Sep3");
    m.Links.append({entry(visit, Links::AuthorCaption, "cmdAuthorPage"), Links::AuthorUrl});
    separator(about, "Sep5");
    m.Copyright = entry(about, QStringLiteral("&Copyright"), "Copyright");
    return m;
}

} // namespace voxtrel

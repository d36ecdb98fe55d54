#include "app/MainMenus.h"

#include <QCoreApplication>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace voxtrel::MainMenus {
namespace {

QMenu* menu(QMenuBar* bar, const QString& text, const char* name) {
    QMenu* m = bar->addMenu(text);
    m->setObjectName(QLatin1String(name));
    return m;
}

void separator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

} // namespace

void Build(QMenuBar* Bar, const DocumentController::Entries& File,
           const ListCommands::Entries& Lists, const CompareMarks::Entries& Compare,
           QAction* ApplyToFiles, const NameEditor::Entries& Edit, const NameList::Entries& Search,
           const AboutMenu::Entries& About) {
    QMenu* first = menu(Bar, QCoreApplication::translate("voxtrel::MainMenus", "&Menu"), "Menu");
    first->addAction(File.MnuFileOpen);
    separator(first, "Sep");
    first->addActions({File.Cmd_Zapisz, File.MnuSaveAs});
    separator(first, "SepNames");
    first->addActions({Lists.MnuExportNames, Lists.MnuImportNames, Compare.MnuCompare,
                       Compare.MnuExportDifferences, ApplyToFiles});
    separator(first, "SepEncoding");
    QMenu* encoding =
        first->addMenu(QCoreApplication::translate("voxtrel::MainMenus", "E&ncoding"));
    encoding->setObjectName(QStringLiteral("Encoding"));
    for (const auto& [action, page] : File.Encodings) {
        encoding->addAction(action);
    }
    separator(first, "SepQuit");
    first->addAction(File.MnuQuit);

    QMenu* edit = menu(Bar, QCoreApplication::translate("voxtrel::MainMenus", "&Edit"), "Edit");
    edit->addActions({Edit.MnuUndo, Edit.MnuRedo});
    edit->addSeparator();
    edit->addAction(Edit.MnuRevertName);
    edit->addSeparator();
    edit->addActions({Search.MnuFind, Search.MnuFilter, Compare.MnuNextDifference,
                      Compare.MnuPreviousDifference});

    QMenu* about = menu(Bar, QCoreApplication::translate("voxtrel::MainMenus", "&About"), "About");
    QMenu* visit = about->addMenu(QCoreApplication::translate("voxtrel::MainMenus", "&Visit"));
    visit->setObjectName(QStringLiteral("Visit"));
    visit->addAction(About.cmdSiteHome);
    separator(visit, "Sep2");
    visit->addAction(About.cmdPartnerSite);
    separator(visit, "Sep3");
    visit->addAction(About.cmdAuthorPage);
    separator(about, "Sep5");
    about->addAction(About.Copyright);

    // F10 opens the first menu (Qt gives the key no meaning here); Alt and a menu's letter
    // open that menu.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), Bar->window());
    f10->setObjectName(QStringLiteral("MenuKey"));
    QObject::connect(f10, &QShortcut::activated, Bar,
                     [Bar, first] { Bar->setActiveAction(first->menuAction()); });
}

} // namespace voxtrel::MainMenus

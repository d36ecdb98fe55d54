#include "app/ListCommands.h"

#include "app/MenuEntry.h"
#include "app/ToolBusy.h"
#include "document/FileTypes.h"
#include "document/ImportPlan.h"
#include "document/NameDocument.h"
#include "document/NameLists.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QWidget>
#include <utility>

namespace voxtrel {

ListCommands::ListCommands(QWidget* Window, QString Title, NameDocument& Document,
                           const AppServices& Services)
    : QObject(Window), m_Window(Window), m_Title(std::move(Title)), m_Document(Document),
      m_Services(Services), m_Actions{MenuEntry(this, tr("&Export names..."), "MnuExportNames", {},
                                                false),
                                      MenuEntry(this, tr("&Import names..."), "MnuImportNames", {},
                                                false)} {
    connect(m_Actions.MnuExportNames, &QAction::triggered, this, [this] {
        if (!ToolBusy::Refuse(m_Document) && m_Actions.MnuExportNames->isEnabled()) {
            Export();
        }
    });
    connect(m_Actions.MnuImportNames, &QAction::triggered, this, [this] {
        if (!ToolBusy::Refuse(m_Document) && m_Actions.MnuImportNames->isEnabled()) {
            Import();
        }
    });
}

void ListCommands::FileOpened() {
    m_Actions.MnuExportNames->setEnabled(true);
    m_Actions.MnuImportNames->setEnabled(true);
}

void ListCommands::Export() {
    const QString chosen = m_Services.Files->SavePath(
        m_Window, tr("Export names"),
        FileTypes::Beside(m_Document.FilePath(), QStringLiteral(".xlsx")),
        FileTypes::ListWriteFilter());
    if (chosen.isEmpty()) {
        return;
    }
    const QString target = FileTypes::ListTarget(chosen);
    const SaveResult exported = m_Document.ExportList(target, NameLists::FormatFor(target));
    if (!exported.Ok()) {
        m_Services.Messages->Show(m_Window,
                                  tr("The names were not exported:\n%1").arg(exported.Reason),
                                  m_Title, MessageBoxes::Icon::Warning);
        return;
    }
    m_Services.Messages->Show(
        m_Window, tr("%1 names exported to \"%2\".").arg(m_Document.Table().Count()).arg(target),
        m_Title, MessageBoxes::Icon::Information);
}

void ListCommands::Import() {
    const QString source = m_Services.Files->OpenPath(
        m_Window, tr("Import names"), QFileInfo(m_Document.FilePath()).absolutePath(),
        FileTypes::ListReadFilter());
    if (source.isEmpty()) {
        return;
    }
    // Characters the code page cannot hold are offered with their Latin forms, which the
    // preview applies only when asked.
    // The same rule as every import: conflicts refused; names a spreadsheet seems to have
    // converted go to the preview, which marks each and asks.
    ImportOptions options;
    options.DamageAsked = true;
    const FileCheck checked = ImportPlan::Judge(m_Document.CheckList(source, true), options);
    if (!checked.Passes()) {
        m_Services.Messages->Show(m_Window, checked.Reason, m_Title, MessageBoxes::Icon::Warning);
        return;
    }
    if (checked.Changes.isEmpty()) {
        m_Services.Messages->Show(m_Window, tr("The name list changes no name."), m_Title,
                                  MessageBoxes::Icon::Information);
        return;
    }
    // Nothing changes before the user has seen every rename.
    if (!m_Services.Preview->Confirm(m_Window, m_Title, checked.Changes, checked.Notes)) {
        return;
    }
    if (!m_Document.Import(checked.Changes).Ok()) {
        QApplication::beep(); // the tool is working on the names
        return;
    }
    m_Services.Messages->Show(m_Window,
                              tr("%n names changed. Save writes them to the file.", nullptr,
                                 static_cast<int>(checked.Changes.size())),
                              m_Title, MessageBoxes::Icon::Information);
}

} // namespace voxtrel

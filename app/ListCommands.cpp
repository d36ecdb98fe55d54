#include "app/ListCommands.h"

#include "document/NameDocument.h"
#include "document/NameLists.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace voxtrel {
namespace {

const QString ExportFilter = QStringLiteral("Workbooks (*.xlsx);;CSV lists (*.csv);;All files (*)");
const QString ImportFilter = QStringLiteral("Name lists (*.xlsx *.csv);;All files (*)");

} // namespace

void ListCommands::Export() {
    const QFileInfo chosen(m_Document.FilePath());
    const QString suggested =
        chosen.dir().filePath(chosen.completeBaseName() + QStringLiteral(".xlsx"));
    QString target = m_Services.Files->SavePath(m_Window, QStringLiteral("Export names"), suggested,
                                                ExportFilter);
    if (target.isEmpty()) {
        return;
    }
    if (QFileInfo(target).suffix().isEmpty()) {
        target += QStringLiteral(".xlsx"); // a workbook unless asked otherwise
    }
    const SaveResult exported = m_Document.Export_List(target, NameLists::FormatFor(target));
    if (!exported.Ok()) {
        m_Services.Messages->Show(
            m_Window, QStringLiteral("The names were not exported:\n%1").arg(exported.Reason),
            m_Title, MessageBoxes::Icon::Warning);
        return;
    }
    m_Services.Messages->Show(
        m_Window,
        QStringLiteral("%1 names exported to \"%2\".").arg(m_Document.Table().Count()).arg(target),
        m_Title, MessageBoxes::Icon::Information);
}

void ListCommands::Import() {
    const QString source =
        m_Services.Files->OpenPath(m_Window, QStringLiteral("Import names"),
                                   QFileInfo(m_Document.FilePath()).absolutePath(), ImportFilter);
    if (source.isEmpty()) {
        return;
    }
    // Characters the code page cannot hold are offered with their Latin forms, which the
    // preview applies only when asked.
    const ListCheck checked = m_Document.Check_List(source, true);
    if (!checked.Ok()) {
        m_Services.Messages->Show(m_Window, checked.Reason, m_Title, MessageBoxes::Icon::Warning);
        return;
    }
    if (checked.Changes.isEmpty()) {
        m_Services.Messages->Show(m_Window, QStringLiteral("The name list changes no name."),
                                  m_Title, MessageBoxes::Icon::Information);
        return;
    }
    // Nothing changes before the user has seen every rename.
    if (!m_Services.Preview->Confirm(m_Window, m_Title, checked.Changes)) {
        return;
    }
    m_Importing = true;
    const bool imported = m_Document.Import(checked.Changes);
    m_Importing = false;
    if (!imported) {
        QApplication::beep(); // the tool is working on the names
        return;
    }
    m_Services.Messages->Show(m_Window,
                              QStringLiteral("%1 names changed. Save writes them to the file.")
                                  .arg(checked.Changes.size()),
                              m_Title, MessageBoxes::Icon::Information);
}

} // namespace voxtrel

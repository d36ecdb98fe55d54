#include "app/ListCommands.h"

#include "document/NameDocument.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace voxtrel {
namespace {

const QString CsvFilter = QStringLiteral("Name lists (*.csv);;All files (*)");

} // namespace

void ListCommands::Export() {
    const QFileInfo chosen(m_Document.FilePath());
    const QString suggested =
        chosen.dir().filePath(chosen.completeBaseName() + QStringLiteral(".csv"));
    const QString target =
        m_Services.Files->SavePath(m_Window, QStringLiteral("Export names"), suggested, CsvFilter);
    if (target.isEmpty()) {
        return;
    }
    const SaveResult exported = m_Document.Export_Csv(target);
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
                                   QFileInfo(m_Document.FilePath()).absolutePath(), CsvFilter);
    if (source.isEmpty()) {
        return;
    }
    const ListCheck checked = m_Document.Check_List(source);
    if (!checked.Ok()) {
        m_Services.Messages->Show(m_Window, checked.Reason, m_Title, MessageBoxes::Icon::Warning);
        return;
    }
    m_Importing = true;
    const bool imported = m_Document.Import(checked.Changes);
    m_Importing = false;
    if (!imported) {
        QApplication::beep(); // the tool is working on the names
        return;
    }
    const qsizetype count = checked.Changes.size();
    m_Services.Messages->Show(
        m_Window,
        count == 0 ? QStringLiteral("The name list changes no name.")
                   : QStringLiteral("%1 names changed. Save writes them to the file.").arg(count),
        m_Title, MessageBoxes::Icon::Information);
}

} // namespace voxtrel

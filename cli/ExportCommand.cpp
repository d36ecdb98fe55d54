#include "cli/ExportCommand.h"

#include "document/NameDocument.h"
#include "document/NameLists.h"
#include "document/NativePath.h"

#include <QCoreApplication>
#include <QTextStream>

namespace voxtrel::cli {

ExportCommand::ExportCommand()
    : Command(
          QStringLiteral("export"),
          QCoreApplication::translate("voxtrel::ExportCommand", "Write FILE's names as a list."),
          QCoreApplication::translate(
              "voxtrel::ExportCommand",
              "Writes the names of the compressed name file FILE as a list: a "
              "header row \"index,name\", then one row per name. OUT.xlsx is a "
              "workbook for spreadsheets, its names in a column formatted as "
              "Text; anything else is CSV (UTF-8), for scripts, diffs and "
              "version control.")) {
    AddArgument(QStringLiteral("FILE"),
                QCoreApplication::translate("voxtrel::ExportCommand", "The compressed name file."));
    setNeeds(QCoreApplication::translate("voxtrel::ExportCommand", "a name file"));
    AddOutputOptions(QStringLiteral("list"));
    AddEncodingOption(QStringLiteral("FILE"));
}

int ExportCommand::Execute(const QCommandLineParser& Parser, QTextStream& Out, QTextStream& Err) {
    const QString file = Parser.positionalArguments().at(1);
    const std::optional<Output> output = OutputOf(Parser, Err);
    if (!output) {
        return UsageError;
    }
    NameDocument document(QCoreApplication::applicationDirPath());
    const OpenResult opened = OpenNameFile(document, file, Parser, Err);
    if (!opened.Ok()) {
        Err << NativePath::Shown(opened.Reason) << Qt::endl;
        return Failed;
    }
    Out.flush();
    const SaveResult written = document.ExportList(output->Target, output->As);
    if (!written.Ok()) {
        Err << NativePath::Shown(written.Reason) << Qt::endl;
        return Failed;
    }
    return Done;
}

} // namespace voxtrel::cli

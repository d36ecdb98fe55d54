#include "cli/ExportCommand.h"

#include "document/NameDocument.h"
#include "document/NameLists.h"
#include "document/NativePath.h"

#include <QCoreApplication>
#include <QTextStream>

namespace voxtrel::cli {

ExportCommand::ExportCommand()
    : Command(QStringLiteral("export"), QStringLiteral("Write FILE's names as a list."),
              QStringLiteral("Writes the names of the compressed name file FILE as a list: a "
                             "header row \"index,name\", then one row per name. OUT.xlsx is a "
                             "workbook for spreadsheets, its names in a column formatted as "
                             "Text; anything else is CSV (UTF-8), for scripts, diffs and "
                             "version control.")) {
    AddArgument(QStringLiteral("FILE"), QStringLiteral("The compressed name file."));
    AddOption({{QStringLiteral("o"), QStringLiteral("output")},
               QStringLiteral("Write the list to OUT instead of standard output (-). A FIFO or "
                              "a device is written as a stream; FILE itself is refused."),
               QStringLiteral("OUT")});
    AddOption({QStringLiteral("format"),
               QStringLiteral("xlsx or csv; without it, chosen by OUT's extension (CSV for "
                              "standard output)."),
               QStringLiteral("FORMAT")});
    AddEncodingOption();
}

int ExportCommand::Execute(const QCommandLineParser& Parser, QTextStream& Out, QTextStream& Err) {
    const QString file = Parser.positionalArguments().at(1);
    const QString target = Parser.isSet(QStringLiteral("output"))
                               ? Parser.value(QStringLiteral("output"))
                               : QStringLiteral("-");
    NameLists::Format format = NameLists::FormatFor(target);
    if (Parser.isSet(QStringLiteral("format")) &&
        !NameLists::FormatNamed(Parser.value(QStringLiteral("format")), format)) {
        Err << QCoreApplication::applicationName() << ": --format takes xlsx or csv, not \""
            << Parser.value(QStringLiteral("format")) << "\"." << Qt::endl;
        return UsageError;
    }
    NameDocument document(QCoreApplication::applicationDirPath());
    const OpenResult opened = Open_Name_File(document, file, Parser);
    if (!opened.Ok()) {
        Err << NativePath::Shown(opened.Reason) << Qt::endl;
        return Failed;
    }
    Out.flush();
    const SaveResult written = document.Export_List(target, format);
    if (!written.Ok()) {
        Err << NativePath::Shown(written.Reason) << Qt::endl;
        return Failed;
    }
    return Done;
}

} // namespace voxtrel::cli

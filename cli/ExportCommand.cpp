#include "cli/ExportCommand.h"

#include "document/NameCsv.h"
#include "document/NameDocument.h"
#include "document/NativePath.h"

#include <QCoreApplication>
#include <QTextStream>

namespace voxtrel::cli {

ExportCommand::ExportCommand()
    : Command(QStringLiteral("export"), QStringLiteral("Write FILE's names as CSV."),
              QStringLiteral("Writes the names of the compressed name file FILE as CSV: "
                             "a header row \"index,name\", then one row per name.")) {
    AddArgument(QStringLiteral("FILE"), QStringLiteral("The compressed name file."));
    AddOption({{QStringLiteral("o"), QStringLiteral("output")},
               QStringLiteral("Write the CSV to OUT.csv instead of standard output (-). A FIFO "
                              "or a device is written as a stream; FILE itself is refused."),
               QStringLiteral("OUT.csv")});
    AddEncodingOption();
}

int ExportCommand::Execute(const QCommandLineParser& Parser, QTextStream& Out, QTextStream& Err) {
    const QString file = Parser.positionalArguments().at(1);
    NameDocument document(QCoreApplication::applicationDirPath());
    const OpenResult opened = Open_Name_File(document, file, Parser);
    if (!opened.Ok()) {
        Err << NativePath::Shown(opened.Reason) << Qt::endl;
        return Failed;
    }
    Out.flush();
    const QString target = Parser.isSet(QStringLiteral("output"))
                               ? Parser.value(QStringLiteral("output"))
                               : QStringLiteral("-");
    const SaveResult written = document.Export_Csv(target);
    if (!written.Ok()) {
        Err << NativePath::Shown(written.Reason) << Qt::endl;
        return Failed;
    }
    return Done;
}

} // namespace voxtrel::cli

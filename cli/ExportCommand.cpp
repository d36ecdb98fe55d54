#include "cli/ExportCommand.h"

#include "document/NameCsv.h"
#include "document/NameDocument.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

namespace voxtrel::cli {

ExportCommand::ExportCommand()
    : Command(QStringLiteral("export"), QStringLiteral("Write FILE's names as CSV."),
              QStringLiteral("Writes the names of the compressed name file FILE as CSV: "
                             "a header row \"index,name\", then one row per name.")) {
    AddArgument(QStringLiteral("FILE"), QStringLiteral("The compressed name file."));
    AddOption({{QStringLiteral("o"), QStringLiteral("output")},
               QStringLiteral("Write the CSV to OUT.csv instead of standard output."),
               QStringLiteral("OUT.csv")});
    AddEncodingOption();
}

int ExportCommand::Execute(const QCommandLineParser& Parser, QTextStream& Out, QTextStream& Err) {
    const QString file = Parser.positionalArguments().at(1);
    NameDocument document(QCoreApplication::applicationDirPath());
    QString error;
    if (!Open_Name_File(document, file, Parser, error)) {
        Err << error << Qt::endl;
        return Failed;
    }
    const QByteArray csv = NameCsv::Write(document.Table());

    if (!Parser.isSet(QStringLiteral("output"))) {
        Out.flush();
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly) || out.write(csv) != csv.size() ||
            !out.flush()) {
            Err << "The names could not be written to standard output: " << out.errorString()
                << Qt::endl;
            return Failed;
        }
        return Done;
    }
    const QString target = Parser.value(QStringLiteral("output"));
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(csv) != csv.size() || !out.commit()) {
        Err << "\"" << target << "\" cannot be written: " << out.errorString() << Qt::endl;
        return Failed;
    }
    return Done;
}

} // namespace voxtrel::cli

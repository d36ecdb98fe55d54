#include "cli/ImportCommand.h"

#include "document/NameCsv.h"
#include "document/NameDocument.h"

#include <QCoreApplication>
#include <QTextStream>

namespace voxtrel::cli {

ImportCommand::ImportCommand()
    : Command(QStringLiteral("import"),
              QStringLiteral("Rename the names NAMES.csv lists, and save FILE."),
              QStringLiteral("Renames the names that NAMES.csv lists and saves FILE in place. "
                             "Every row is checked "
                             "first: if any is wrong, nothing changes.")) {
    AddArgument(QStringLiteral("FILE"), QStringLiteral("The compressed name file to change."));
    AddArgument(QStringLiteral("NAMES.csv"),
                QStringLiteral(
                    "The names: a header row \"index,name\", then any of the rows of an export."));
    AddOption(
        {QStringLiteral("dry-run"), QStringLiteral("Print what would change, and write nothing.")});
    AddEncodingOption();
}

int ImportCommand::Execute(const QCommandLineParser& Parser, QTextStream& Out, QTextStream& Err) {
    const QString file = Parser.positionalArguments().at(1);
    const QString list = Parser.positionalArguments().at(2);
    QString error;
    QByteArray csv;
    if (!NameCsv::Read_File(list, csv, error)) {
        Err << error << Qt::endl;
        return Failed;
    }
    NameDocument document(QCoreApplication::applicationDirPath());
    // A file that does not decompress to a name file is not rewritten as one.
    if (!Open_Name_File(document, file, Parser, error)) {
        Err << error << Qt::endl;
        return Failed;
    }
    NameChanges changes;
    if (!NameCsv::Check(csv, document.Table(), changes, error)) {
        Err << error << Qt::endl;
        return Failed;
    }
    for (const NameChange& c : changes) {
        Out << c.Index << ": " << c.OldName << " -> " << c.NewName << '\n';
    }
    if (changes.isEmpty()) {
        Out << "No name changes; " << file << " was not written." << Qt::endl;
        return Done;
    }
    if (Parser.isSet(QStringLiteral("dry-run"))) {
        Out << changes.size() << (changes.size() == 1 ? " name" : " names")
            << " would change; dry run, nothing was written." << Qt::endl;
        return Done;
    }
    if (!document.Import(changes, error) || !document.Save(error)) {
        Out.flush();
        Err << file
            << (document.Rescued_Copy().isEmpty() ? " was not saved; it is unchanged.\n"
                                                  : " was not saved.\n")
            << error << Qt::endl;
        return Failed;
    }
    Out << changes.size() << (changes.size() == 1 ? " name" : " names") << " changed; " << file
        << (document.Written_In_Place()
                ? " saved, in place: its folder takes no new file beside it."
                : " saved.")
        << Qt::endl;
    return Done;
}

} // namespace voxtrel::cli

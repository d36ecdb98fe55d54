#include "cli/DiffCommand.h"

#include "document/NameDocument.h"
#include "document/NameLists.h"
#include "document/NativePath.h"

#include <QCoreApplication>
#include <QTextStream>

namespace voxtrel::cli {

DiffCommand::DiffCommand()
    : Command(QStringLiteral("diff"),
              QCoreApplication::translate("voxtrel::DiffCommand",
                                          "Write the names that differ as a patch."),
              QCoreApplication::translate(
                  "voxtrel::DiffCommand",
                  "Compares the name files OLD and NEW and writes one row per record "
                  "whose name differs: its index, NEW's name and OLD's (column "
                  "\"was\"), in index order. Apply the patch to other files with "
                  "import or apply: a row changes a name only where it is still "
                  "OLD's; a name that was empty in OLD has an empty \"was\", which guards an "
                  "empty name. Says on standard error how many differ.")) {
    AddArgument(QStringLiteral("OLD"),
                QCoreApplication::translate("voxtrel::DiffCommand",
                                            "The name file as it was, such as the "
                                            "game's own."));
    AddArgument(
        QStringLiteral("NEW"),
        QCoreApplication::translate("voxtrel::DiffCommand", "The name file with the renames."));
    setNeeds(
        QCoreApplication::translate("voxtrel::DiffCommand", "two name files, the old and the new"));
    AddOutputOptions(QStringLiteral("patch"));
    AddEncodingOption(QCoreApplication::translate("voxtrel::DiffCommand", "OLD and NEW"));
}

int DiffCommand::Execute(const QCommandLineParser& Parser, QTextStream& Out, QTextStream& Err) {
    const QString oldFile = Parser.positionalArguments().at(1);
    const QString newFile = Parser.positionalArguments().at(2);
    const std::optional<Output> output = OutputOf(Parser, Err);
    if (!output) {
        return UsageError;
    }
    NameDocument before(QCoreApplication::applicationDirPath());
    NameDocument after(QCoreApplication::applicationDirPath());
    for (auto [document, file] : {std::pair{&before, oldFile}, std::pair{&after, newFile}}) {
        const OpenResult opened = OpenNameFile(*document, file, Parser, Err);
        if (!opened.Ok()) {
            Err << NativePath::Shown(opened.Reason) << Qt::endl;
            return Failed;
        }
    }
    const NameChanges differ = NameLists::Differences(before.Table(), after.Table());
    Out.flush();
    const SaveResult written = after.ExportPatch(output->Target, differ, output->As, oldFile);
    if (!written.Ok()) {
        Err << NativePath::Shown(written.Reason) << Qt::endl;
        return Failed;
    }
    Err << Names(differ.size()) << (differ.size() == 1 ? " differs." : " differ.") << Qt::endl;
    return Done;
}

} // namespace voxtrel::cli

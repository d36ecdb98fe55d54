#include "cli/ImportCommand.h"

#include "document/ImportPlan.h"
#include "document/NameLists.h"
#include "document/NativePath.h"

#include <QCoreApplication>
#include <QTextStream>

namespace voxtrel::cli {

ImportCommand::ImportCommand()
    : Command(QStringLiteral("import"),
              QCoreApplication::translate("voxtrel::ImportCommand",
                                          "Rename the names a list holds, and save FILE."),
              QCoreApplication::translate(
                  "voxtrel::ImportCommand",
                  "Renames the names that the list NAMES holds and saves FILE where "
                  "it is. Every row is checked first: if any is wrong, nothing "
                  "changes.")) {
    AddArgument(QStringLiteral("FILE"),
                QCoreApplication::translate("voxtrel::ImportCommand",
                                            "The compressed name file to change."));
    AddArgument(QStringLiteral("NAMES"),
                QCoreApplication::translate(
                    "voxtrel::ImportCommand",
                    "The list: a header row \"index,name\", then any of the rows of "
                    "an export (a patch adds a column \"was\": a row applies only where the name "
                    "is still what it was; an empty \"was\" guards an empty name, so such a row "
                    "applies only where the name is empty), as a workbook (.xlsx, its first "
                    "visible sheet) or as CSV (UTF-8, or UTF-16 with its mark; fields between "
                    "commas, semicolons or tabs). - reads it from standard input. Rows whose new "
                    "name looks like what a spreadsheet makes of the name (\"0123\" as \"123\", "
                    "\"00:30\" as \"12:30:00 AM\") are refused unless --force."));
    setNeeds(QCoreApplication::translate("voxtrel::ImportCommand", "a name file and a list"));
    AddOption({QStringLiteral("dry-run"),
               QCoreApplication::translate("voxtrel::ImportCommand",
                                           "Print what would change, and write nothing.")});
    AddOption({QStringLiteral("overwrite-changed"),
               QCoreApplication::translate(
                   "voxtrel::ImportCommand",
                   "Save FILE even if another program changed it while it was being "
                   "read; without it, such a file is left as the other program "
                   "wrote it and the import fails.")});
    AddListOptions();
    AddEncodingOption(QStringLiteral("FILE"));
}

int ImportCommand::Execute(const QCommandLineParser& Parser, QTextStream& Out, QTextStream& Err) {
    const QString file = Parser.positionalArguments().at(1);
    const QString shown = NativePath::Shown(file); // as messages show it
    const Result<QByteArray> list = NameLists::Load(Parser.positionalArguments().at(2));
    if (!list.Ok()) {
        Err << NativePath::Shown(list.Reason()) << Qt::endl;
        return Failed;
    }
    const std::optional<QList<ImportTarget>> targets = Targets({file}, Parser, Err);
    if (!targets) {
        return UsageError;
    }
    // A file that does not decompress to a name file is not rewritten as one.
    ImportPlan plan(QCoreApplication::applicationDirPath());
    const FileCheck checked = plan.Check(list.Value(), *targets, Options(Parser)).constFirst();
    for (const QString& note : checked.Notes) {
        Err << note << Qt::endl;
    }
    PrintLikely(checked, Err);
    const bool dryRun = Parser.isSet(QStringLiteral("dry-run"));
    // A dry run shows the renames of a file it could not write all the same.
    if (!checked.Passes() && !(dryRun && checked.Result == FileCheck::Outcome::ReadOnly)) {
        PrintRefusal(checked, Err, false);
        return Failed;
    }
    const NameChanges& changes = checked.Changes;
    for (const QString& replaced : checked.Replaced()) {
        Out << replaced << '\n';
    }
    for (const NameChange& c : changes) {
        Out << c.Index << ": " << c.OldName << " -> " << c.NewName << '\n';
    }
    if (changes.isEmpty()) {
        Out << QCoreApplication::translate("voxtrel::ImportCommand",
                                           "No name changes; %1 was not written.")
                   .arg(shown)
            << Qt::endl;
        return Done;
    }
    if (dryRun) {
        PrintRefusal(checked, Err, false);
        Out << QCoreApplication::translate("voxtrel::ImportCommand",
                                           "%1 would change; dry run, nothing was written.")
                   .arg(Names(changes.size()))
            << Qt::endl;
        return Done;
    }
    const ImportWrite written = plan.Write();
    const SaveResult& saved = written.Saves.constFirst().second;
    if (!saved.Ok()) {
        Out.flush();
        Err << NativePath::Shown(saved.FailureText(file)) << Qt::endl;
        return Failed;
    }
    const QString how = saved.HowWritten();
    Out << QCoreApplication::translate("voxtrel::ImportCommand", "%1 changed; %2 saved%3.")
               .arg(Names(changes.size()), shown,
                    how.isEmpty() ? QString() : QStringLiteral(", ") + how)
        << Qt::endl;
    return Done;
}

} // namespace voxtrel::cli

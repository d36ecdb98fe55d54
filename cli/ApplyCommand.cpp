#include "cli/ApplyCommand.h"

#include "document/ImportPlan.h"
#include "document/NameLists.h"
#include "document/NativePath.h"

#include <QCoreApplication>
#include <QTextStream>
#include <algorithm>

namespace voxtrel::cli {

ApplyCommand::ApplyCommand()
    : Command(QStringLiteral("apply"),
              QCoreApplication::translate("voxtrel::ApplyCommand",
                                          "Apply one list to several name files."),
              QCoreApplication::translate(
                  "voxtrel::ApplyCommand",
                  "Applies the list or patch LIST to every FILE, such as all ten language "
                  "versions, each in its own code page. Every file is opened and checked first "
                  "(readable, a name file, the list, its conflicts, the code page, writable, not "
                  "the same file twice); only when all pass is any written, each by the "
                  "journalled save, else nothing is written and every refusal is named. Should a "
                  "save fail after the checks passed, each file is as it was or fully written, "
                  "and the last line says which were written and which were not. Exits 0 only "
                  "when every file was saved or had nothing to change.")) {
    AddArgument(QStringLiteral("LIST"),
                QCoreApplication::translate(
                    "voxtrel::ApplyCommand",
                    "The list or patch, a workbook or CSV as import takes it; - reads "
                    "standard input."));
    AddFilesArgument(
        QStringLiteral("FILE"),
        QCoreApplication::translate("voxtrel::ApplyCommand", "The compressed name files."));
    setNeeds(
        QCoreApplication::translate("voxtrel::ApplyCommand", "a list and one name file or more"));
    AddOption({QStringLiteral("dry-run"),
               QCoreApplication::translate(
                   "voxtrel::ApplyCommand",
                   "Print, for each file, its code page, the names that would change, "
                   "the conflicts and the characters replaced, and write nothing.")});
    AddListOptions();
    AddEncodingOption(QCoreApplication::translate(
        "voxtrel::ApplyCommand", "each FILE without --encoding-of or a remembered one"));
    AddEncodingOfOption();
}

int ApplyCommand::Execute(const QCommandLineParser& Parser, QTextStream& Out, QTextStream& Err) {
    const QStringList files = Parser.positionalArguments().mid(2);
    const std::optional<QList<ImportTarget>> targets = Targets(files, Parser, Err);
    if (!targets) {
        return UsageError;
    }
    const Result<QByteArray> list = NameLists::Load(Parser.positionalArguments().at(1));
    if (!list.Ok()) {
        Err << NativePath::Shown(list.Reason()) << Qt::endl;
        return Failed;
    }
    // Everything is checked before anything is written.
    ImportPlan plan(QCoreApplication::applicationDirPath());
    const QList<FileCheck>& checks = plan.Check(list.Value(), *targets, Options(Parser));
    QStringList notes; // the same list for every file: its notes said once
    for (const FileCheck& check : checks) {
        for (const QString& note : check.Notes) {
            if (!notes.contains(note)) {
                notes << note;
                Err << note << Qt::endl;
            }
        }
        PrintLikely(check, Err);
        PrintRefusal(check, Err, true);
    }
    const bool dryRun = Parser.isSet(QStringLiteral("dry-run"));
    for (const FileCheck& check : checks) {
        // A file not read as a name file has nothing to show beyond its refusal.
        const bool read = check.Result != FileCheck::Outcome::Unopened &&
                          check.Result != FileCheck::Outcome::Duplicate;
        if (!read || (!check.Passes() && !dryRun)) {
            continue;
        }
        const QString shown = NativePath::Shown(check.File);
        for (const QString& replaced : check.Replaced()) {
            Out << shown << ": " << replaced << '\n';
        }
        if (dryRun) {
            const qsizetype replaced = check.Replaced().size();
            const qsizetype conflicts = check.Conflicts;
            Out << QCoreApplication::translate(
                       "voxtrel::ApplyCommand",
                       "%1 (%2): %3 would change, %4, %5 with characters replaced")
                       .arg(shown, check.Encoding, Names(check.Changes.size()),
                            conflicts == 1
                                ? QCoreApplication::translate("voxtrel::ApplyCommand",
                                                              "%n conflict", nullptr, 1)
                                : QCoreApplication::translate("voxtrel::ApplyCommand",
                                                              "%n conflicts", nullptr, conflicts),
                            Names(replaced))
                << (check.Passes()
                        ? QStringLiteral(".")
                        : QCoreApplication::translate("voxtrel::ApplyCommand", "; refused."))
                << Qt::endl;
        }
    }
    if (!plan.Passes()) {
        Err << QCoreApplication::translate("voxtrel::ApplyCommand", "Nothing was written.")
            << Qt::endl;
        return Failed;
    }
    if (dryRun) {
        Out << QCoreApplication::translate("voxtrel::ApplyCommand", "Dry run: nothing was written.")
            << Qt::endl;
        return Done;
    }
    const ImportWrite written = plan.Write();
    for (qsizetype i = 0; i < checks.size(); ++i) {
        const FileCheck& check = checks[i];
        const QString shown = NativePath::Shown(check.File);
        const auto save = std::find_if(written.Saves.begin(), written.Saves.end(),
                                       [&](const auto& s) { return s.first == check.File; });
        if (save == written.Saves.end()) {
            Out << QCoreApplication::translate("voxtrel::ApplyCommand",
                                               "%1 (%2): no name changes; not written.")
                       .arg(shown, check.Encoding)
                << Qt::endl;
        } else if (save->second.Ok()) {
            Out << QCoreApplication::translate("voxtrel::ApplyCommand",
                                               "%1 (%2): %3 changed; saved.")
                       .arg(shown, check.Encoding, Names(check.Changes.size()))
                << Qt::endl;
        } else {
            Out.flush();
            Err << NativePath::Shown(save->second.FailureText(check.File)) << Qt::endl;
        }
    }
    if (!written.Ok()) {
        const auto shownAll = [](const QStringList& Files) {
            QStringList shown;
            for (const QString& f : Files) {
                shown << NativePath::Shown(f);
            }
            return shown.isEmpty() ? QCoreApplication::translate("voxtrel::ApplyCommand", "none")
                                   : shown.join(", ");
        };
        Err << QCoreApplication::translate("voxtrel::ApplyCommand", "Written: %1. Not written: %2.")
                   .arg(shownAll(written.Written), shownAll(written.NotWritten))
            << Qt::endl;
        return Failed;
    }
    return Done;
}

} // namespace voxtrel::cli

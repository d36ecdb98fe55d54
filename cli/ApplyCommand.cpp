#include "cli/ApplyCommand.h"

#include "document/NameDocument.h"
#include "document/NameLists.h"
#include "document/NativePath.h"

#include <QCoreApplication>
#include <QTextStream>
#include <memory>
#include <vector>

namespace voxtrel::cli {

ApplyCommand::ApplyCommand()
    : Command(QStringLiteral("apply"), QStringLiteral("Apply one list to several name files."),
              QStringLiteral(
                  "Applies the list or patch LIST to every FILE, such as all ten language "
                  "versions. Every file is opened and checked first (the list, its conflicts, "
                  "the code page); only when all pass is any written, each by the verified "
                  "save. The files are independent: should one fail to save after others were "
                  "saved, those stay saved, and the last line says which were written and which "
                  "were not. Exits 0 only when every file was saved or had nothing to "
                  "change.")) {
    AddArgument(QStringLiteral("LIST"),
                QStringLiteral("The list or patch, a workbook or CSV as import takes it; - reads "
                               "standard input."));
    AddFilesArgument(QStringLiteral("FILE"), QStringLiteral("The compressed name files."));
    setNeeds(QStringLiteral("a list and one name file or more"));
    AddListOptions();
    AddEncodingOption(QStringLiteral("each FILE"));
}

int ApplyCommand::Execute(const QCommandLineParser& Parser, QTextStream& Out, QTextStream& Err) {
    const QStringList files = Parser.positionalArguments().mid(2);
    const Result<QByteArray> list = NameLists::Load(Parser.positionalArguments().at(1));
    if (!list.Ok()) {
        Err << NativePath::Shown(list.Reason()) << Qt::endl;
        return Failed;
    }
    // Everything is checked before anything is written.
    struct Target {
        QString File;
        std::unique_ptr<NameDocument> Document;
        NameChanges Changes;
    };
    std::vector<Target> targets;
    bool allPass = true;
    for (const QString& file : files) {
        auto document = std::make_unique<NameDocument>(QCoreApplication::applicationDirPath());
        const OpenResult opened = OpenNameFile(*document, file, Parser, Err);
        if (!opened.Ok()) {
            Err << NativePath::Shown(file) << ": " << NativePath::Shown(opened.Reason) << Qt::endl;
            allPass = false;
            continue;
        }
        const ListCheck checked = NameLists::Check(list.Value(), document->Table(),
                                                   Parser.isSet(QStringLiteral("transliterate")));
        if (targets.empty() && allPass) {
            PrintNotes(checked, Err); // the same list for every file: said once
        }
        if (!Applicable(checked, Parser, Err, file)) {
            allPass = false;
            continue;
        }
        targets.push_back({file, std::move(document), checked.Changes});
    }
    if (!allPass) {
        Err << "Nothing was written." << Qt::endl;
        return Failed;
    }
    QStringList written;
    QStringList notWritten;
    for (Target& target : targets) {
        const QString shown = NativePath::Shown(target.File);
        if (target.Changes.isEmpty()) {
            Out << shown << ": no name changes; not written." << Qt::endl;
            continue;
        }
        if (const Result<qsizetype> imported = target.Document->Import(target.Changes);
            !imported.Ok()) {
            Out.flush();
            Err << shown << ": " << imported.Reason() << Qt::endl;
            notWritten << shown;
            continue;
        }
        const SaveResult saved = target.Document->Save();
        if (saved.Ok()) {
            Out << shown << ": " << Names(target.Changes.size()) << " changed; saved." << Qt::endl;
            written << shown;
        } else {
            Out.flush();
            Err << NativePath::Shown(saved.FailureText(target.File)) << Qt::endl;
            notWritten << shown;
        }
    }
    if (!notWritten.isEmpty()) {
        Err << "Written: " << (written.isEmpty() ? QStringLiteral("none") : written.join(", "))
            << ". Not written: " << notWritten.join(", ") << "." << Qt::endl;
        return Failed;
    }
    return Done;
}

} // namespace voxtrel::cli

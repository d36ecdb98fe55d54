// voxtrel-names: a name file's names out as a list and back in, and the names two files
// differ in as a patch, with no window.
#include "cli/ApplyCommand.h"
#include "cli/DiffCommand.h"
#include "cli/ExportCommand.h"
#include "cli/ImportCommand.h"
#include "document/NativePath.h"
#include "document/UiLanguage.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>
#include <vector>

using namespace voxtrel::cli;

namespace {

QString overview(const std::vector<std::unique_ptr<Command>>& commands) {
    QString text = QCoreApplication::translate(
        "voxtrel::NamesMain",
        "Usage: voxtrel-names <command> [options]\n"
        "Takes the names of a compressed name file out as a list, puts them back, and\n"
        "shares renames between files as patches.\n\n"
        "Commands:\n");
    for (const auto& c : commands) {
        text += QCoreApplication::translate("voxtrel::NamesMain", "  %1  %2\n")
                    .arg(c->Name(), -8)
                    .arg(c->Summary());
    }
    text += QCoreApplication::translate(
        "voxtrel::NamesMain",
        "\nRun \"voxtrel-names <command> --help\" for a command's options, and\n"
        "\"man voxtrel-names\" for the list formats and examples.\n"
        "Exit codes: 0 done; 1 failed: nothing was written, except after a double\n"
        "fault (an in-place write and the write-back of the former bytes both failed),\n"
        "where the message names the copy of the former bytes it kept, and for apply,\n"
        "whose last line names the files that were saved and those that were not;\n"
        "2 a usage error.\n");
    return text;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("voxtrel-names"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VOXTREL_VERSION));
    voxtrel::UiLanguage::Install(); // before any help or message is built
    QTextStream out(stdout);
    QTextStream err(stderr);

    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(std::make_unique<ExportCommand>());
    commands.push_back(std::make_unique<ImportCommand>());
    commands.push_back(std::make_unique<DiffCommand>());
    commands.push_back(std::make_unique<ApplyCommand>());

    // The arguments from their bytes: a file name that is not UTF-8 still names its file.
    QStringList args;
    for (int i = 0; i < argc; ++i) {
        args << voxtrel::NativePath::FromBytes(QByteArray(argv[i]));
    }
    const QString first = args.value(1);
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        out << overview(commands) << Qt::flush;
        return Done;
    }
    if (first == QLatin1String("--version") || first == QLatin1String("-v")) {
        out << "voxtrel-names " << QCoreApplication::applicationVersion() << Qt::endl;
        return Done;
    }
    for (const auto& c : commands) {
        if (c->Name() == first) {
            return c->Run(args.mid(1), out, err);
        }
    }
    err << (first.isEmpty() ? QCoreApplication::translate("voxtrel::NamesMain",
                                                          "voxtrel-names: no command given.\n")
                            : QCoreApplication::translate(
                                  "voxtrel::NamesMain", "voxtrel-names: unknown command \"%1\".\n")
                                  .arg(first))
        << overview(commands) << Qt::flush;
    return UsageError;
}

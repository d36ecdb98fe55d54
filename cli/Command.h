#pragma once

#include "document/ImportPlan.h"
#include "document/ListCheck.h"
#include "document/NameLists.h"
#include "document/OpenResult.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

class QTextStream;

namespace voxtrel {
class CodePage;
class NameDocument;
} // namespace voxtrel

namespace voxtrel::cli {

// The exit codes of voxtrel-names.
enum ExitCode { Done = 0, Failed = 1, UsageError = 2 };

// One subcommand of voxtrel-names: its name, what it does, and its options and arguments
// for QCommandLineParser.
class Command {
public:
    // summary: one line for the list of commands; description: the command's help text.
    Command(QString name, QString summary, QString description);
    virtual ~Command() = default;
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

    QString Name() const { return m_Name; }
    QString Summary() const { return m_Summary; }

    // Arguments: the subcommand's name, then its options and arguments. Out is standard
    // output, Err standard error.
    int Run(const QStringList& Arguments, QTextStream& Out, QTextStream& Err);

    // The code pages that --encoding accepts, and the one it chose.
    static QStringList Encodings();
    static const CodePage& Encoding(const QCommandLineParser& Parser);

    // Opens File into Document in the code page --encoding chose. A file that does not
    // decompress to a name file is refused: its names would be none, or nonsense.
    // A file of another size than a name file's is Declined, with the sizes as its reason.
    // What recovering cut saves did first is said on Err, a line each.
    static OpenResult OpenNameFile(NameDocument& Document, const QString& File,
                                   const QCommandLineParser& Parser, QTextStream& Err);

    // The files a list goes into, each with its code page: --encoding-of FILE=ENCODING
    // (FILE as given or its bare name), else the one the editor remembers for its bare name,
    // else --encoding, else windows-1252. None after a usage error, said on Err.
    [[nodiscard]] static std::optional<QList<ImportTarget>>
    Targets(const QStringList& Files, const QCommandLineParser& Parser, QTextStream& Err);
    // --force, --transliterate and --overwrite-changed.
    [[nodiscard]] static ImportOptions Options(const QCommandLineParser& Parser);
    // Why a file was not passed, on Err; Named puts the file's name first.
    static void PrintRefusal(const FileCheck& Check, QTextStream& Err, bool Named);
    // The warning that a file's names suggest another code page, on Err.
    static void PrintLikely(const FileCheck& Check, QTextStream& Err);
    // "1 name" or "3 names".
    static QString Names(qsizetype Count);

    // Where a list goes and in which format, from -o and --format; none after a usage error
    // (an unknown --format, or an extension that is neither .csv nor .xlsx without --format),
    // said on Err.
    struct Output {
        QString Target; // "-": standard output
        NameLists::Format As = NameLists::Format::Csv;
    };
    [[nodiscard]] static std::optional<Output> OutputOf(const QCommandLineParser& Parser,
                                                        QTextStream& Err);

protected:
    // Adds -o and --format, for the commands that write lists; What names what they write.
    void AddOutputOptions(const QString& What);
    // Adds --force and --transliterate, for the commands that apply lists.
    void AddListOptions();
    // Positional arguments, by name, that the command needs.
    void AddArgument(const QString& name, const QString& description);
    // The last argument, which takes one file or more.
    void AddFilesArgument(const QString& name, const QString& description);
    void AddOption(const QCommandLineOption& option);
    // Adds --encoding, for the names in Files ("FILE", "OLD and NEW").
    void AddEncodingOption(const QString& Files);
    // Adds --encoding-of, for the commands that take several name files.
    void AddEncodingOfOption();
    // What the arguments are, in words, for the message that some are missing: "a name file".
    void setNeeds(const QString& Needs) { m_Needs = Needs; }
    // Runs the command once the arguments have been parsed and counted.
    virtual int Execute(const QCommandLineParser& Parser, QTextStream& Out, QTextStream& Err) = 0;

private:
    QString m_Name;
    QString m_Summary;
    QString m_Needs;
    QStringList m_Arguments;
    bool m_MoreFiles = false; // the last argument may be given again and again
    QCommandLineParser m_Parser;
};

} // namespace voxtrel::cli

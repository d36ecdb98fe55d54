#include "cli/Command.h"

#include "document/NameDocument.h"
#include "document/NameFileSize.h"
#include "document/NativePath.h"
#include "names/CodePage.h"

#include <QCoreApplication>
#include <QTextStream>

namespace voxtrel::cli {

Command::Command(QString name, QString summary, QString description)
    : m_Name(std::move(name)), m_Summary(std::move(summary)) {
    m_Parser.setApplicationDescription(description);
    m_Parser.addHelpOption();
    m_Parser.addPositionalArgument(m_Name, QStringLiteral("The command."), m_Name);
}

QStringList Command::Encodings() {
    QStringList names;
    for (const CodePage* page : CodePage::All()) {
        names << page->Name();
    }
    return names;
}

const CodePage& Command::Encoding(const QCommandLineParser& Parser) {
    const CodePage* page = CodePage::Find(Parser.value(QStringLiteral("encoding")));
    return page ? *page : CodePage::Western(); // Run has refused unknown names already
}

OpenResult Command::OpenNameFile(NameDocument& Document, const QString& File,
                                 const QCommandLineParser& Parser, QTextStream& Err) {
    qint64 size = 0;
    const auto nameFileSize = [&size](qint64 bytes) {
        size = bytes;
        return false;
    };
    OpenResult opened = Document.Open(File, {}, nameFileSize);
    for (const QString& note : opened.Notes) { // cut saves, recovered first
        Err << note << Qt::endl;
    }
    if (opened.Result == OpenResult::Outcome::Declined) {
        opened.Reason = NameFileSize::WrongSize(File, size);
    }
    if (opened.Ok()) {
        Document.setEncoding(Encoding(Parser));
    }
    return opened;
}

bool Command::Applicable(const ListCheck& Checked, const QCommandLineParser& Parser,
                         QTextStream& Err, const QString& File) {
    const bool force = Parser.isSet(QStringLiteral("force"));
    const QString where =
        File.isEmpty() ? QString() : NativePath::Shown(File) + QStringLiteral(": ");
    if (!Checked.Ok() && !(Checked.Result == ListCheck::Outcome::Conflict && force)) {
        Err << where << NativePath::Shown(Checked.Reason)
            << (Checked.Result == ListCheck::Outcome::Conflict
                    ? QStringLiteral("\n--force applies them all the same.")
                    : QString())
            << Qt::endl;
        return false;
    }
    // Names a spreadsheet seems to have converted go in only when asked for.
    if (Checked.Damaged() && !force) {
        Err << where << NativePath::Shown(Checked.Damage)
            << QStringLiteral("\n--force applies them all the same.") << Qt::endl;
        return false;
    }
    return true;
}

void Command::PrintNotes(const ListCheck& Checked, QTextStream& Err, const QString& File) {
    for (const QString& note : Checked.Notes) {
        Err << (File.isEmpty() ? QString() : NativePath::Shown(File) + QStringLiteral(": ")) << note
            << Qt::endl;
    }
}

void Command::PrintChanges(const ListCheck& Checked, QTextStream& Out) {
    for (const QString& replaced : Checked.Replacements) {
        Out << replaced << '\n';
    }
    for (const NameChange& c : Checked.Changes) {
        Out << c.Index << ": " << c.OldName << " -> " << c.NewName << '\n';
    }
}

QString Command::Names(qsizetype Count) {
    return QStringLiteral("%1 %2").arg(Count).arg(Count == 1 ? QStringLiteral("name")
                                                             : QStringLiteral("names"));
}

std::optional<Command::Output> Command::OutputOf(const QCommandLineParser& Parser,
                                                 QTextStream& Err) {
    Output out;
    out.Target = Parser.isSet(QStringLiteral("output")) ? Parser.value(QStringLiteral("output"))
                                                        : QStringLiteral("-");
    out.As = NameLists::FormatFor(out.Target);
    const QString program = QCoreApplication::applicationName();
    if (Parser.isSet(QStringLiteral("format"))) {
        const std::optional<NameLists::Format> named =
            NameLists::FormatNamed(Parser.value(QStringLiteral("format")));
        if (!named) {
            Err << program << ": --format takes xlsx or csv, not \""
                << Parser.value(QStringLiteral("format")) << "\"." << Qt::endl;
            return std::nullopt;
        }
        out.As = *named;
        return out;
    }
    // A name whose extension asks for another format gets no CSV in disguise.
    if (!NameLists::KnownTarget(out.Target)) {
        Err << program << ": \"" << NativePath::Shown(out.Target)
            << "\" has an extension this program does not write. The formats are .csv, .xlsx "
               "and - (CSV on standard output); --format csv or --format xlsx writes that "
               "format whatever the name."
            << Qt::endl;
        return std::nullopt;
    }
    return out;
}

void Command::AddOutputOptions(const QString& What) {
    AddOption({{QStringLiteral("o"), QStringLiteral("output")},
               QStringLiteral("Write the %1 to OUT instead of standard output (-): OUT.xlsx a "
                              "workbook, OUT.csv (or a name without an extension) CSV; any other "
                              "extension is refused unless --format says which to write. A "
                              "FIFO or a device is written as a stream; a name file read is "
                              "refused.")
                   .arg(What),
               QStringLiteral("OUT")});
    AddOption({QStringLiteral("format"),
               QStringLiteral("xlsx or csv; without it, chosen by OUT's extension (CSV for "
                              "standard output)."),
               QStringLiteral("FORMAT")});
}

void Command::AddListOptions() {
    AddOption({QStringLiteral("force"),
               QStringLiteral("Apply a patch's rows whose name is not what its \"was\" column "
                              "says (a conflict), and rows whose new name looks like what a "
                              "spreadsheet made of the name (\"0123\" as \"123\"), all the "
                              "same. It does not write over a file that changed while it was "
                              "being read.")});
    AddOption({QStringLiteral("transliterate"),
               QStringLiteral("Replace each character the code page cannot hold by its Latin "
                              "letters (a Polish L with a stroke by L, a Cyrillic letter by its "
                              "transliteration), listing every replacement, instead of refusing "
                              "the list.")});
}

void Command::AddFilesArgument(const QString& name, const QString& description) {
    m_MoreFiles = true;
    m_Arguments << name;
    m_Parser.addPositionalArgument(name, description, name + QStringLiteral("..."));
}

void Command::AddArgument(const QString& name, const QString& description) {
    m_Arguments << name;
    m_Parser.addPositionalArgument(name, description);
}

void Command::AddOption(const QCommandLineOption& option) {
    m_Parser.addOption(option);
}

void Command::AddEncodingOption(const QString& Files) {
    AddOption({QStringLiteral("encoding"),
               QStringLiteral("The code page of the names in %1, for the language version: %2. "
                              "The default is windows-1252.")
                   .arg(Files, Encodings().join(", ")),
               QStringLiteral("NAME"), QStringLiteral("windows-1252")});
}

namespace {

// Text wrapped at spaces into lines of at most 79 characters.
QString Wrapped(const QString& Text) {
    constexpr qsizetype Width = 79;
    QString out;
    qsizetype lineLength = 0;
    for (const QString& word : Text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (lineLength > 0 && lineLength + 1 + word.size() > Width) {
            out += QLatin1Char('\n');
            lineLength = 0;
        } else if (lineLength > 0) {
            out += QLatin1Char(' ');
            ++lineLength;
        }
        out += word;
        lineLength += word.size();
    }
    return out;
}

} // namespace

int Command::Run(const QStringList& Arguments, QTextStream& Out, QTextStream& Err) {
    const QString program = QCoreApplication::applicationName();
    const QString usage =
        QStringLiteral("Run \"%1 %2 --help\" for its usage.").arg(program, m_Name);
    if (!m_Parser.parse(QStringList{program} + Arguments)) {
        Err << program << ": " << m_Parser.errorText() << '\n' << usage << Qt::endl;
        return UsageError;
    }
    // --help-all is the parser's own; a command has no options beyond those --help lists.
    if (m_Parser.isSet(QStringLiteral("help")) || m_Parser.isSet(QStringLiteral("help-all"))) {
        // The parser's usage line starts with the path the program was started by; the
        // program's name is what a user types.
        QString help = m_Parser.helpText();
        const QString start = QStringLiteral("Usage: ");
        const qsizetype end = help.indexOf(QStringLiteral(" [options]"));
        if (help.startsWith(start) && end > 0) {
            help.replace(start.size(), end - start.size(), program);
        }
        // The description comes as one line; the options' texts are wrapped to 80 columns.
        const QString description = m_Parser.applicationDescription();
        help.replace(help.indexOf(description), description.size(), Wrapped(description));
        Out << help << Qt::flush;
        return Done;
    }
    const QStringList given = m_Parser.positionalArguments().mid(1); // after the command's name
    if (given.size() != m_Arguments.size() && !(m_MoreFiles && given.size() > m_Arguments.size())) {
        const QString synopsis =
            QStringList{program, m_Name, m_Arguments.join(QLatin1Char(' '))}.join(
                QLatin1Char(' ')) +
            (m_MoreFiles ? QStringLiteral("...") : QString());
        Err << program << ": " << m_Name
            << (given.size() < m_Arguments.size() ? " needs " : " takes only ") << m_Needs << ": "
            << synopsis << '\n'
            << usage << Qt::endl;
        return UsageError;
    }
    const QStringList optionNames = m_Parser.optionNames();
    if (optionNames.contains(QStringLiteral("encoding"))) {
        const QString encoding = m_Parser.value(QStringLiteral("encoding"));
        if (CodePage::Find(encoding) == nullptr) {
            Err << program << ": unknown encoding \"" << encoding
                << "\". Supported: " << Encodings().join(", ") << Qt::endl;
            return UsageError;
        }
    }
    return Execute(m_Parser, Out, Err);
}

} // namespace voxtrel::cli

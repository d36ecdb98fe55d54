#include "cli/Command.h"

#include "document/NameDocument.h"
#include "document/NameFileSize.h"
#include "document/NativePath.h"
#include "document/RememberedEncodings.h"
#include "names/CodePage.h"

#include <QFileInfo>
#include <QHash>
#include <algorithm>

#include <QCoreApplication>
#include <QTextStream>

namespace voxtrel::cli {

Command::Command(QString name, QString summary, QString description)
    : m_Name(std::move(name)), m_Summary(std::move(summary)) {
    m_Parser.setApplicationDescription(description);
    m_Parser.addHelpOption();
    m_Parser.addPositionalArgument(
        m_Name, QCoreApplication::translate("voxtrel::Command", "The command."), m_Name);
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

std::optional<QList<ImportTarget>>
Command::Targets(const QStringList& Files, const QCommandLineParser& Parser, QTextStream& Err) {
    const QString program = QCoreApplication::applicationName();
    QHash<QString, const CodePage*> given; // by FILE as given
    const QStringList pairs = Parser.optionNames().contains(QStringLiteral("encoding-of"))
                                  ? Parser.values(QStringLiteral("encoding-of"))
                                  : QStringList();
    for (const QString& pair : pairs) {
        const qsizetype at = pair.lastIndexOf(QLatin1Char('='));
        const CodePage* page = at > 0 ? CodePage::Find(pair.mid(at + 1)) : nullptr;
        const QString file = pair.left(at);
        const bool known = std::any_of(Files.begin(), Files.end(), [&](const QString& f) {
            return f == file || QFileInfo(f).fileName() == file;
        });
        if (page == nullptr || !known) {
            Err << QCoreApplication::translate(
                       "voxtrel::Command", "%1: --encoding-of takes FILE=ENCODING, FILE one of the "
                                           "files given (or its bare name) and ENCODING one "
                                           "of %2; not \"%3\".")
                       .arg(program, Encodings().join(", "), pair)
                << Qt::endl;
            return std::nullopt;
        }
        given.insert(file, page);
    }
    QList<ImportTarget> targets;
    for (const QString& file : Files) {
        const CodePage* page = given.value(file, given.value(QFileInfo(file).fileName()));
        if (page == nullptr) {
            const std::optional<QString> remembered = RememberedEncodings::For(file);
            page = remembered ? CodePage::Find(*remembered) : nullptr;
        }
        targets << ImportTarget{file, page ? page : &Encoding(Parser)};
    }
    return targets;
}

ImportOptions Command::Options(const QCommandLineParser& Parser) {
    ImportOptions options;
    options.Force = Parser.isSet(QStringLiteral("force"));
    options.Transliterate = Parser.isSet(QStringLiteral("transliterate"));
    options.OverwriteChanged = Parser.optionNames().contains(QStringLiteral("overwrite-changed"));
    return options;
}

void Command::PrintRefusal(const FileCheck& Check, QTextStream& Err, bool Named) {
    if (Check.Passes()) {
        return;
    }
    const bool forcible =
        Check.Result == FileCheck::Outcome::Conflict || Check.Result == FileCheck::Outcome::Damaged;
    Err << (Named ? NativePath::Shown(Check.File) + QStringLiteral(": ") : QString())
        << NativePath::Shown(Check.Reason)
        << (forcible ? QCoreApplication::translate("voxtrel::Command",
                                                   "\n--force applies them all the same.")
                     : QString())
        << Qt::endl;
}

void Command::PrintLikely(const FileCheck& Check, QTextStream& Err) {
    if (Check.Likely) {
        Err << QCoreApplication::translate("voxtrel::Command",
                                           "Warning: %1: its names read as %2 look unlikely; it is "
                                           "more likely %3 (--encoding-of %4=%3).")
                   .arg(NativePath::Shown(Check.File), Check.Encoding, *Check.Likely,
                        QFileInfo(Check.File).fileName())
            << Qt::endl;
    }
}

QString Command::Names(qsizetype Count) {
    // English tells one from many here; a translation has all its plural forms in each.
    const int count = static_cast<int>(Count);
    return Count == 1 ? QCoreApplication::translate("voxtrel::Command", "%n name", nullptr, count)
                      : QCoreApplication::translate("voxtrel::Command", "%n names", nullptr, count);
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
            Err << QCoreApplication::translate("voxtrel::Command",
                                               "%1: --format takes xlsx or csv, not \"%2\".")
                       .arg(program, Parser.value(QStringLiteral("format")))
                << Qt::endl;
            return std::nullopt;
        }
        out.As = *named;
        return out;
    }
    // A name whose extension asks for another format gets no CSV in disguise.
    if (!NameLists::KnownTarget(out.Target)) {
        Err << QCoreApplication::translate(
                   "voxtrel::Command", "%1: \"%2\" has an extension this program does not write. "
                                       "The formats are .csv, .xlsx and - (CSV on standard "
                                       "output); --format csv or --format xlsx writes that "
                                       "format whatever the name.")
                   .arg(program, NativePath::Shown(out.Target))
            << Qt::endl;
        return std::nullopt;
    }
    return out;
}

void Command::AddOutputOptions(const QString& What) {
    AddOption({{QStringLiteral("o"), QStringLiteral("output")},
               QCoreApplication::translate(
                   "voxtrel::Command",
                   "Write the %1 to OUT instead of standard output (-): OUT.xlsx a "
                   "workbook, OUT.csv (or a name without an extension) CSV; any other "
                   "extension is refused unless --format says which to write. A "
                   "FIFO or a device is written as a stream; a name file read is "
                   "refused.")
                   .arg(What),
               QStringLiteral("OUT")});
    AddOption(
        {QStringLiteral("format"),
         QCoreApplication::translate("voxtrel::Command",
                                     "xlsx or csv; without it, chosen by OUT's extension (CSV for "
                                     "standard output)."),
         QStringLiteral("FORMAT")});
}

void Command::AddListOptions() {
    AddOption(
        {QStringLiteral("force"),
         QCoreApplication::translate(
             "voxtrel::Command", "Apply a patch's rows whose name is not what its \"was\" column "
                                 "says (a conflict), and rows whose new name looks like what a "
                                 "spreadsheet made of the name (\"0123\" as \"123\"), all the "
                                 "same. It does not write over a file that changed while it was "
                                 "being read.")});
    AddOption(
        {QStringLiteral("transliterate"),
         QCoreApplication::translate(
             "voxtrel::Command", "Replace each character the code page cannot hold by its Latin "
                                 "letters (a Polish L with a stroke by L, a Cyrillic letter by its "
                                 "transliteration), listing every replacement, instead of refusing "
                                 "the list.")});
}

void Command::AddEncodingOfOption() {
    AddOption(
        {QStringLiteral("encoding-of"),
         QCoreApplication::translate(
             "voxtrel::Command", "The code page of one FILE (as given, or its bare name); may be "
                                 "given again for each. A FILE without one takes the code page the "
                                 "editor last used for its name, then --encoding."),
         QStringLiteral("FILE=ENCODING")});
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
    AddOption(
        {QStringLiteral("encoding"),
         QCoreApplication::translate(
             "voxtrel::Command", "The code page of the names in %1, for the language version: %2. "
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
        QCoreApplication::translate("voxtrel::Command", "Run \"%1 %2 --help\" for its usage.")
            .arg(program, m_Name);
    if (!m_Parser.parse(QStringList{program} + Arguments)) {
        Err << program << ": " << m_Parser.errorText() << '\n' << usage << Qt::endl;
        return UsageError;
    }
    // --help-all is the parser's own; a command has no options beyond those --help lists.
    if (m_Parser.isSet(QStringLiteral("help")) || m_Parser.isSet(QStringLiteral("help-all"))) {
        // The parser's usage line starts with the path the program was started by; the
        // program's name is what a user types.
        QString help = m_Parser.helpText();
        // The parser's own words, in the language its translation speaks.
        const char* parserContext = "QCommandLineParser";
        const char* usageText = "Usage: %1";
        const char* optionsText = "[options]";
        const QString start = QCoreApplication::translate(parserContext, usageText).arg(QString());
        const qsizetype end = help.indexOf(QLatin1Char(' ') +
                                           QCoreApplication::translate(parserContext, optionsText));
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
        Err << (given.size() < m_Arguments.size()
                    ? QCoreApplication::translate("voxtrel::Command", "%1: %2 needs %3: %4")
                    : QCoreApplication::translate("voxtrel::Command", "%1: %2 takes only %3: %4"))
                   .arg(program, m_Name, m_Needs, synopsis)
            << '\n'
            << usage << Qt::endl;
        return UsageError;
    }
    const QStringList optionNames = m_Parser.optionNames();
    if (optionNames.contains(QStringLiteral("encoding"))) {
        const QString encoding = m_Parser.value(QStringLiteral("encoding"));
        if (CodePage::Find(encoding) == nullptr) {
            Err << QCoreApplication::translate("voxtrel::Command",
                                               "%1: unknown encoding \"%2\". Supported: %3")
                       .arg(program, encoding, Encodings().join(", "))
                << Qt::endl;
            return UsageError;
        }
    }
    return Execute(m_Parser, Out, Err);
}

} // namespace voxtrel::cli

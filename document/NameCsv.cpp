#include "document/NameCsv.h"

#include "names/Baza.h"
#include "names/CodePage.h"
#include "names/NameFileLayout.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <csv.h>

namespace voxtrel {
namespace {

const QByteArray Bom = QByteArrayLiteral("\xEF\xBB\xBF");

struct Row {
    int Line = 0;
    QList<QByteArray> Fields;
};

// Collects libcsv's fields and records, each record with the line it starts on.
struct Collector {
    QList<Row> Rows;
    Row Current;

    static void Field(void* data, size_t size, void* self) {
        static_cast<Collector*>(self)->Current.Fields.append(
            QByteArray(static_cast<const char*>(data), static_cast<qsizetype>(size)));
    }
    static void Record(int, void* self) {
        auto* c = static_cast<Collector*>(self);
        c->Rows.append(std::move(c->Current));
        c->Current = Row();
    }
};

int noSpace(unsigned char) {
    return 0;
} // spaces belong to the name: never trimmed

// Splits Csv into rows. False at the first quoting fault, with its line in Problem; the rows
// before it are still returned.
bool parse(const QByteArray& csv, QList<Row>& rows, QString& problem) {
    csv_parser parser;
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_space_func(&parser, noSpace);
    Collector collector;
    int line = 1;
    bool inRecord = false;
    bool ok = true;
    // One byte at a time, so that every record knows the line it starts on.
    for (const char c : csv) {
        if (!inRecord && c != '\r' && c != '\n') {
            inRecord = true;
            collector.Current.Line = line;
        }
        const qsizetype before = collector.Rows.size();
        if (csv_parse(&parser, &c, 1, Collector::Field, Collector::Record, &collector) != 1) {
            problem =
                QStringLiteral(
                    "line %1: a quote inside a field that is not quoted, or text after a closing "
                    "quote")
                    .arg(line);
            ok = false;
            break;
        }
        if (collector.Rows.size() != before) {
            inRecord = false; // a record ends only at a line break
        }
        if (c == '\n') {
            ++line;
        }
    }
    if (ok && csv_fini(&parser, Collector::Field, Collector::Record, &collector) != 0) {
        problem =
            QStringLiteral("line %1: a quoted field is never closed").arg(collector.Current.Line);
        ok = false;
    }
    csv_free(&parser);
    rows = std::move(collector.Rows);
    return ok;
}

bool decodeUtf8(const QByteArray& bytes, QString& text) {
    if (!QByteArrayView(bytes).isValidUtf8()) {
        return false;
    }
    text = QString::fromUtf8(bytes);
    return true;
}

QString codePoint(char32_t u) {
    return QStringLiteral("U+%1").arg(static_cast<uint>(u), 4, 16, QLatin1Char('0')).toUpper();
}

// Why Name cannot be a record's name, or empty when it can.
QString nameProblem(const QString& name, const CodePage& page) {
    const QList<uint> chars = name.toUcs4();
    for (const uint u : chars) {
        if (u == '\r' || u == '\n' || u == 0x2028 || u == 0x2029) {
            return QStringLiteral("the name holds a line break");
        }
        if (QChar::category(u) == QChar::Other_Control) {
            return QStringLiteral("the name holds the control character %1").arg(codePoint(u));
        }
    }
    if (chars.size() > layout::NameSize) {
        return QStringLiteral("the name has %1 characters; a name holds at most %2")
            .arg(chars.size())
            .arg(layout::NameSize);
    }
    for (const uint u : chars) {
        // Not fromUcs4, which takes a leading U+FEFF for a byte-order mark and drops it.
        const QString one = QChar::requiresSurrogates(u) ? QString(QChar(QChar::highSurrogate(u))) +
                                                               QChar(QChar::lowSurrogate(u))
                                                         : QString(QChar(static_cast<char16_t>(u)));
        if (!page.canEncode(one)) {
            return QStringLiteral("\"%1\" (%2) cannot be written in %3")
                .arg(one, codePoint(u), page.Name());
        }
    }
    return {};
}

// A record index: a whole number written in digits only.
bool parseIndex(const QByteArray& field, qint64& index) {
    if (field.isEmpty() || field.size() > 9) {
        return false;
    }
    for (const char c : field) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    index = field.toLongLong();
    return true;
}

// A CSV field: quoted when it holds a separator, a quote, a line break, or spaces at either
// end that a reader might trim.
QByteArray field(const QString& text) {
    QByteArray bytes = text.toUtf8();
    const bool quote = bytes.contains(',') || bytes.contains('"') || bytes.contains('\r') ||
                       bytes.contains('\n') || bytes.startsWith(' ') || bytes.endsWith(' ');
    if (!quote) {
        return bytes;
    }
    bytes.replace("\"", "\"\"");
    return '"' + bytes + '"';
}

} // namespace

QByteArray NameCsv::Write(const Baza& Table) {
    QByteArray out = Bom + QByteArrayLiteral("index,name\r\n");
    out.reserve(out.size() + Table.Count() * 24);
    for (qint32 i = 0; i < Table.Count(); ++i) {
        out += QByteArray::number(i) + ',' + field(Table.Get_Nazwa(i)) + "\r\n";
    }
    return out;
}

bool NameCsv::Read_File(const QString& Path, QByteArray& Bytes, QString& Error) {
    const QFileInfo info(Path);
    if (info.isDir()) {
        Error = QStringLiteral("\"%1\" is a folder, not a name list.").arg(Path);
        return false;
    }
    if (!info.exists()) {
        Error = QStringLiteral("The name list \"%1\" does not exist.").arg(Path);
        return false;
    }
    if (info.size() > MaxFileSize) {
        Error =
            QStringLiteral(
                "The name list \"%1\" is larger than 4 MiB; a list of 1209 names is far smaller.")
                .arg(Path);
        return false;
    }
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly)) {
        Error =
            QStringLiteral("The name list \"%1\" cannot be read: %2").arg(Path, file.errorString());
        return false;
    }
    Bytes = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError || Bytes.size() > MaxFileSize) {
        Error =
            QStringLiteral("The name list \"%1\" cannot be read: %2").arg(Path, file.errorString());
        return false;
    }
    if (Bytes.isEmpty() || Bytes == Bom) {
        Error = QStringLiteral("The name list \"%1\" is empty.").arg(Path);
        return false;
    }
    return true;
}

bool NameCsv::Check(const QByteArray& Csv, const Baza& Table, NameChanges& Changes,
                    QString& Error) {
    Changes.clear();
    QStringList problems;
    auto refuse = [&problems](int line, const QString& why) {
        problems << QStringLiteral("line %1: %2").arg(line).arg(why);
    };

    const QByteArray body = Csv.startsWith(Bom) ? Csv.mid(Bom.size()) : Csv;
    QList<Row> rows;
    QString parseProblem;
    const bool parsed = parse(body, rows, parseProblem);

    if (rows.isEmpty()) {
        if (parsed) {
            refuse(1, QStringLiteral("the header \"index,name\" is missing"));
        }
    } else if (rows.front().Fields != QList<QByteArray>{"index", "name"}) {
        refuse(rows.front().Line, QStringLiteral("the header must be \"index,name\""));
    }

    NameChanges changes;
    QHash<qint64, int> seen; // index -> line
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const Row& row = rows[r];
        if (row.Fields.size() != 2) {
            refuse(row.Line, row.Fields.size() < 2
                                 ? QStringLiteral("a column is missing (expected index,name)")
                                 : QStringLiteral("an extra column (expected index,name)"));
            continue;
        }
        qint64 index = -1;
        QString indexText;
        decodeUtf8(row.Fields[0], indexText);
        if (!parseIndex(row.Fields[0], index)) {
            refuse(
                row.Line,
                QStringLiteral("the index \"%1\" is not a whole number").arg(indexText.left(20)));
            continue;
        }
        if (index >= Table.Count()) {
            refuse(row.Line,
                   Table.Count() == 0
                       ? QStringLiteral("the index %1 is out of range: the file has no names")
                             .arg(index)
                       : QStringLiteral("the index %1 is out of range (0 to %2)")
                             .arg(index)
                             .arg(Table.Count() - 1));
            continue;
        }
        if (seen.contains(index)) {
            refuse(row.Line, QStringLiteral("the index %1 is also on line %2")
                                 .arg(index)
                                 .arg(seen.value(index)));
            continue;
        }
        seen.insert(index, row.Line);
        QString name;
        if (!decodeUtf8(row.Fields[1], name)) {
            refuse(row.Line, QStringLiteral("the name is not valid UTF-8 text"));
            continue;
        }
        const QString old = Table.Get_Nazwa(static_cast<qint32>(index));
        if (name == old) {
            continue; // changes nothing, whatever it holds
        }
        const QString why = nameProblem(name, Table.Encoding());
        if (!why.isEmpty()) {
            refuse(row.Line, why);
            continue;
        }
        changes.append({static_cast<qint32>(index), old, name, row.Line});
    }
    if (!parsed) {
        problems << parseProblem;
    }

    if (problems.isEmpty()) {
        Changes = std::move(changes);
        return true;
    }
    Error = QStringLiteral("The name list was refused; no name was changed.\n") +
            problems.mid(0, MaxReported).join(QLatin1Char('\n'));
    if (problems.size() > MaxReported) {
        Error += QStringLiteral("\n... and %1 more lines with faults.")
                     .arg(problems.size() - MaxReported);
    }
    return false;
}

} // namespace voxtrel

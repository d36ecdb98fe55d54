#include "document/NameCsv.h"

#include "document/AtomicReplace.h"
#include "names/Baza.h"
#include "names/CodePage.h"
#include "names/NameFileLayout.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <csv.h>
#include <functional>

namespace voxtrel {
namespace {

const QByteArray Bom = QByteArrayLiteral("\xEF\xBB\xBF");

struct Row {
    int Line = 0;
    QList<QByteArray> Fields;
};

// Hands each of libcsv's records to a function as it completes, with the line it starts on,
// so that a list of any shape costs memory for one row at a time.
struct Collector {
    std::function<void(const Row&)> Take;
    Row Current;
    int Count = 0; // records so far

    static void Field(void* data, size_t size, void* self) {
        auto* c = static_cast<Collector*>(self);
        if (c->Current.Fields.size() < 3) { // a row's further columns are only counted
            c->Current.Fields.append(
                QByteArray(static_cast<const char*>(data), static_cast<qsizetype>(size)));
        } else {
            c->Current.Fields.append(QByteArray());
        }
    }
    static void Record(int, void* self) {
        auto* c = static_cast<Collector*>(self);
        c->Take(c->Current);
        c->Current.Fields.clear();
        ++c->Count;
    }
};

int noSpace(unsigned char) {
    return 0;
} // spaces belong to the name: never trimmed

// Splits Csv into rows, each handed to Take. False at the first quoting fault, with its line
// in Problem. Lines end at CR, LF or CRLF alike.
bool parse(const QByteArray& csv, const std::function<void(const Row&)>& take, QString& problem) {
    csv_parser parser;
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_space_func(&parser, noSpace);
    Collector collector{take, {}, 0};
    int line = 1;
    bool inRecord = false;
    bool ok = true;
    char previous = 0;
    // One byte at a time, so that every record knows the line it starts on.
    for (const char c : csv) {
        if (!inRecord && c != '\r' && c != '\n') {
            inRecord = true;
            collector.Current.Line = line;
        }
        const int before = collector.Count;
        if (csv_parse(&parser, &c, 1, Collector::Field, Collector::Record, &collector) != 1) {
            problem =
                QStringLiteral(
                    "line %1: a quote inside a field that is not quoted, or text after a closing "
                    "quote")
                    .arg(line);
            ok = false;
            break;
        }
        if (collector.Count != before) {
            inRecord = false; // a record ends only at a line break
        }
        if (c == '\r' || (c == '\n' && previous != '\r')) {
            ++line;
        }
        previous = c;
    }
    if (ok && csv_fini(&parser, Collector::Field, Collector::Record, &collector) != 0) {
        problem =
            QStringLiteral("line %1: a quoted field is never closed").arg(collector.Current.Line);
        ok = false;
    }
    csv_free(&parser);
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

ListCheck NameCsv::Read(const QString& Path, const Baza& Table) {
    const FileRead read = ReadRegularFile(Path, MaxFileSize);
    const QString shown = Path == QLatin1String("-") ? QStringLiteral("standard input")
                                                     : QStringLiteral("\"%1\"").arg(Path);
    ListCheck check;
    check.Result = ListCheck::Outcome::Unreadable;
    if (read.Result == FileRead::Outcome::TooLarge) {
        check.Reason = QStringLiteral("The name list %1 is larger than 4 MiB; a list of 1209 "
                                      "names is far smaller.")
                           .arg(shown);
    } else if (!read.Ok()) {
        check.Reason = QStringLiteral("The name list was not read: %1").arg(read.Reason);
    } else if (read.Bytes.isEmpty() || read.Bytes == Bom) {
        check.Reason = QStringLiteral("The name list %1 is empty.").arg(shown);
    } else {
        return Check(read.Bytes, Table);
    }
    return check;
}

ListCheck NameCsv::Check(const QByteArray& Csv, const Baza& Table) {
    // Only the first faults are kept as text; the rest are counted, so that a list of a
    // million bad rows costs no more than one of twenty.
    QStringList problems;
    int faults = 0;
    auto refuse = [&problems, &faults](int line, const QString& why) {
        if (++faults <= MaxReported) {
            problems << QStringLiteral("line %1: %2").arg(line).arg(why);
        }
    };
    auto refused = [](const QString& why) {
        return ListCheck{ListCheck::Outcome::Refused,
                         {},
                         QStringLiteral("The name list was refused; no name was changed.\n") + why};
    };

    if (Csv.startsWith("\xFF\xFE") || Csv.startsWith("\xFE\xFF") ||
        (Csv.size() >= 4 && (Csv[0] == 0 || Csv[1] == 0) && (Csv[2] == 0 || Csv[3] == 0))) {
        return refused(QStringLiteral("It is UTF-16 text; save it as UTF-8 CSV and import it "
                                      "again."));
    }
    const QByteArray body = Csv.startsWith(Bom) ? Csv.mid(Bom.size()) : Csv;

    NameChanges changes;
    QHash<qint64, int> seen; // index -> line
    bool header = true;
    const auto take = [&](const Row& row) {
        if (header) {
            header = false;
            if (row.Fields != QList<QByteArray>{"index", "name"}) {
                refuse(row.Line, QStringLiteral("the header must be \"index,name\""));
            }
            return;
        }
        if (row.Fields.size() != 2) {
            refuse(row.Line, row.Fields.size() < 2
                                 ? QStringLiteral("a column is missing (expected index,name)")
                                 : QStringLiteral("an extra column (expected index,name)"));
            return;
        }
        qint64 index = -1;
        QString indexText;
        decodeUtf8(row.Fields[0], indexText);
        if (!parseIndex(row.Fields[0], index)) {
            refuse(
                row.Line,
                QStringLiteral("the index \"%1\" is not a whole number").arg(indexText.left(20)));
            return;
        }
        if (index >= Table.Count()) {
            refuse(row.Line,
                   Table.Count() == 0
                       ? QStringLiteral("the index %1 is out of range: the file has no names")
                             .arg(index)
                       : QStringLiteral("the index %1 is out of range (0 to %2)")
                             .arg(index)
                             .arg(Table.Count() - 1));
            return;
        }
        if (seen.contains(index)) {
            refuse(row.Line, QStringLiteral("the index %1 is also on line %2")
                                 .arg(index)
                                 .arg(seen.value(index)));
            return;
        }
        seen.insert(index, row.Line);
        QString name;
        if (!decodeUtf8(row.Fields[1], name)) {
            refuse(row.Line,
                   QStringLiteral("the name is not UTF-8 text; save the list as UTF-8 CSV"));
            return;
        }
        const QString old = Table.Get_Nazwa(static_cast<qint32>(index));
        if (name == old) {
            return; // changes nothing, whatever it holds
        }
        const QString why = nameProblem(name, Table.Encoding());
        if (!why.isEmpty()) {
            refuse(row.Line, why);
            return;
        }
        changes.append({static_cast<qint32>(index), old, name, row.Line});
    };
    QString parseProblem;
    const bool parsed = parse(body, take, parseProblem);
    if (header && parsed) {
        refuse(1, QStringLiteral("the header \"index,name\" is missing"));
    }
    if (!parsed) {
        ++faults;
        problems << parseProblem;
    }

    if (faults == 0) {
        return {ListCheck::Outcome::Ready, std::move(changes), {}};
    }
    QString why = problems.join(QLatin1Char('\n'));
    if (faults > problems.size()) {
        why += QStringLiteral("\n... and %1 more lines with faults.").arg(faults - problems.size());
    }
    return refused(why);
}

} // namespace voxtrel

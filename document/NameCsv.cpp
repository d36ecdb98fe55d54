#include "document/NameCsv.h"

#include <QCoreApplication>

#include "document/AtomicReplace.h"
#include "document/NameRows.h"
#include "document/Result.h"
#include "names/Baza.h"
#include "names/CodePage.h"
#include "names/NameFileLayout.h"

#include <QStringDecoder>
#include <csv.h>
#include <functional>
#include <optional>

namespace voxtrel {
namespace {

const QByteArray Bom = QByteArrayLiteral("\xEF\xBB\xBF");

// Hands each of libcsv's records to a function as it completes, with the line it starts on,
// so that a list of any shape costs memory for one row at a time.
struct Collector {
    std::function<void(const ListRow&)> Take;
    ListRow Current;
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

// Splits Csv into rows with fields between Separator, each handed to Take, up to the first
// quoting fault: that fault, with its line, if there is one. Lines end at CR, LF or CRLF alike.
std::optional<QString> parse(const QByteArray& csv, char separator,
                             const std::function<void(const ListRow&)>& take) {
    csv_parser parser;
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_space_func(&parser, noSpace);
    csv_set_delim(&parser, static_cast<unsigned char>(separator));
    Collector collector{take, {}, 0};
    int line = 1;
    bool inRecord = false;
    std::optional<QString> problem;
    char previous = 0;
    // One byte at a time, so that every record knows the line it starts on.
    for (const char c : csv) {
        if (!inRecord && c != '\r' && c != '\n') {
            inRecord = true;
            collector.Current.Row = line;
        }
        const int before = collector.Count;
        if (csv_parse(&parser, &c, 1, Collector::Field, Collector::Record, &collector) != 1) {
            problem =
                QCoreApplication::translate(
                    "voxtrel::NameCsv",
                    "line %1: a quote inside a field that is not quoted, or text after a closing "
                    "quote")
                    .arg(line);
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
    if (!problem && csv_fini(&parser, Collector::Field, Collector::Record, &collector) != 0) {
        problem = QCoreApplication::translate("voxtrel::NameCsv",
                                              "line %1: a quoted field is never closed")
                      .arg(collector.Current.Row);
    }
    csv_free(&parser);
    return problem;
}

// The line of UTF-16 Units (after the mark) on which the first unpaired surrogate stands.
int lineOfLoneSurrogate(QByteArrayView units, bool little) {
    int line = 1;
    for (qsizetype i = 0; i + 1 < units.size(); i += 2) {
        const auto unit =
            static_cast<char16_t>(little ? quint8(units[i]) | quint8(units[i + 1]) << 8
                                         : quint8(units[i + 1]) | quint8(units[i]) << 8);
        const qsizetype next = i + 2;
        const bool lowFollows =
            next + 1 < units.size() &&
            QChar::isLowSurrogate(little ? quint8(units[next]) | quint8(units[next + 1]) << 8
                                         : quint8(units[next + 1]) | quint8(units[next]) << 8);
        if (QChar::isHighSurrogate(unit) && lowFollows) {
            i += 2;
        } else if (QChar::isSurrogate(unit)) {
            break;
        } else if (unit == '\n') {
            ++line;
        }
    }
    return line;
}

// The list as UTF-8 without a mark: as it is, or from UTF-16 with a mark of either order.
// Refused, with the reason, for text of any other encoding or broken UTF-16.
Result<QByteArray> asUtf8(const QByteArray& csv) {
    if (csv.startsWith("\xFF\xFE") || csv.startsWith("\xFE\xFF")) {
        const bool little = csv.startsWith("\xFF\xFE");
        const QByteArrayView units = QByteArrayView(csv).sliced(2);
        if (units.size() % 2 != 0) {
            return Result<QByteArray>::Refused(QCoreApplication::translate(
                "voxtrel::NameCsv", "The file ends in half a UTF-16 character: it was cut short "
                                    "or is not UTF-16 text."));
        }
        QStringDecoder decoder(little ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                               QStringConverter::Flag::Stateless);
        const QString text = decoder.decode(units);
        if (decoder.hasError() || !QStringView(text).isValidUtf16()) {
            return Result<QByteArray>::Refused(
                QCoreApplication::translate(
                    "voxtrel::NameCsv", "line %1: half of a UTF-16 surrogate pair stands alone; "
                                        "the text is broken.")
                    .arg(lineOfLoneSurrogate(units, little)));
        }
        return Result<QByteArray>::Made(text.toUtf8());
    }
    const QByteArray body = csv.startsWith(Bom) ? csv.mid(Bom.size()) : csv;
    const bool nulls =
        body.size() >= 4 && (body[0] == 0 || body[1] == 0) && (body[2] == 0 || body[3] == 0);
    if (nulls) {
        return Result<QByteArray>::Refused(QCoreApplication::translate(
            "voxtrel::NameCsv", "It is UTF-16 text without a byte-order mark; save it as UTF-8 "
                                "CSV and import it again."));
    }
    if (!QByteArrayView(body).isValidUtf8()) {
        // The first line that is not: a list in a Western code page, say.
        int line = 1;
        qsizetype start = 0;
        for (qsizetype i = 0; i <= body.size(); ++i) {
            if (i == body.size() || body[i] == '\n' || body[i] == '\r') {
                if (!QByteArrayView(body).sliced(start, i - start).isValidUtf8()) {
                    break;
                }
                line += i < body.size() && !(body[i] == '\n' && i > 0 && body[i - 1] == '\r');
                start = i + 1;
            }
        }
        return Result<QByteArray>::Refused(
            QCoreApplication::translate("voxtrel::NameCsv",
                                        "line %1: it is not UTF-8 text; save it as UTF-8 CSV and "
                                        "import it again.")
                .arg(line));
    }
    return Result<QByteArray>::Made(body);
}

// The separator a spreadsheet chose, from the header line: a comma, a semicolon (lists from
// a locale whose decimal mark is a comma) or a tab ("Unicode text").
char separatorOf(const QByteArray& csv) {
    const QByteArray header = csv.left(csv.indexOf('\n')).left(200);
    for (const char candidate : {',', ';', '\t'}) {
        if (header.startsWith(QByteArray("index") + candidate)) {
            return candidate;
        }
    }
    return ',';
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

QByteArray NameCsv::WritePatch(const NameChanges& Rows) {
    QByteArray out = Bom + QByteArrayLiteral("index,name,was\r\n");
    for (const NameChange& row : Rows) {
        out += QByteArray::number(row.Index) + ',' + field(row.NewName) + ',' + field(row.Was) +
               "\r\n";
    }
    return out;
}

ListCheck NameCsv::Check(const QByteArray& Csv, const Baza& Table, bool Transliterate) {
    const Result<QByteArray> utf8 = asUtf8(Csv);
    if (!utf8.Ok()) {
        return {ListCheck::Outcome::Refused, {}, NameRows::Refused(utf8.Reason()), {}, {}, {}};
    }
    const QByteArray& body = utf8.Value();
    NameRows rows(Table, NameRows::Places::Lines, Transliterate);
    if (const std::optional<QString> problem =
            parse(body, separatorOf(body), [&rows](const ListRow& row) { rows.Take(row); })) {
        rows.Fault(*problem);
    }
    return rows.Result();
}

} // namespace voxtrel

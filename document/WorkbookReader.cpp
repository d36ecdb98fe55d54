#include "document/WorkbookReader.h"

#include <QCoreApplication>

#include "document/BoundedXml.h"
#include "document/NameRows.h"
#include "document/ZipPackage.h"
#include "names/NameFileLayout.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <optional>

namespace voxtrel {
namespace {

const QString RelationshipsNs =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");

// A cell's text is kept up to this many UTF-16 units: enough to tell a name of 58 characters
// from a longer one, never the whole of a long text.
constexpr qsizetype MaxKept = 2 * layout::NameSize + 2;
// An escape "_xHHHH_" is 7 units for one character: raw text past this is too long however
// it decodes.
constexpr qsizetype MaxRaw = 7 * (MaxKept + 1);
// Hidden rows named in the note; the rest are counted.
constexpr int MaxHiddenNamed = 10;

// The text of a cell, shared string or value as far as it was kept.
struct CellText {
    QString Text;
    bool TooLong = false;
};

// Text as the package writes it, decoded once: "_x000D_" stands for a character XML cannot
// carry, and "_x005F_" for the underscore that begins an escape written as text.
QString unescaped(QStringView raw) {
    static const QRegularExpression escape(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
    QString out;
    qsizetype from = 0;
    for (auto it = escape.globalMatch(raw); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += raw.sliced(from, m.capturedStart() - from);
        out += QChar(static_cast<char16_t>(m.capturedView(1).toUShort(nullptr, 16)));
        from = m.capturedEnd();
    }
    out += raw.sliced(from);
    return out;
}

// Adds one ST_Xstring run of raw text to a cell's text.
class TextRun {
public:
    void Add(QStringView text) {
        if (m_Raw.size() + text.size() > MaxRaw) {
            m_TooLong = true;
        } else {
            m_Raw += text;
        }
    }
    void EndInto(CellText& cell) {
        cell.TooLong = cell.TooLong || m_TooLong;
        if (!cell.TooLong) {
            cell.Text += unescaped(m_Raw);
            if (cell.Text.size() > MaxKept) {
                cell.Text.truncate(MaxKept);
                cell.TooLong = true;
            }
        }
        m_Raw.clear();
        m_TooLong = false;
    }

private:
    QString m_Raw;
    bool m_TooLong = false;
};

// The text of the element the reader is on: of every <t> within it (a shared or inline
// string, rich text runs included, phonetic hints left out) when Runs, else all of it.
CellText textOf(BoundedXml& xml, bool runs) {
    const int depth = xml.Depth();
    CellText cell;
    TextRun run;
    int inT = 0; // depth of the open <t>, 0 when none
    int inPhonetic = 0;
    for (BoundedXml::Token token = xml.Next(); token != BoundedXml::Token::Done;
         token = xml.Next()) {
        if (token == BoundedXml::Token::Start) {
            if (xml.Name() == QLatin1String("rPh") && inPhonetic == 0) {
                inPhonetic = xml.Depth();
            } else if (xml.Name() == QLatin1String("t") && inT == 0 && inPhonetic == 0) {
                inT = xml.Depth();
            }
        } else if (token == BoundedXml::Token::Text) {
            if (!runs || inT != 0) {
                run.Add(xml.Text());
            }
        } else if (xml.Depth() == depth) {
            break;
        } else if (xml.Depth() == inT) {
            run.EndInto(cell);
            inT = 0;
        } else if (xml.Depth() == inPhonetic) {
            inPhonetic = 0;
        }
    }
    if (!runs) {
        run.EndInto(cell);
    }
    return cell;
}

// Whether a text holds half a surrogate pair, as an escape such as "_xD800_" can make.
bool loneSurrogate(const QString& text) {
    return !QStringView(text).isValidUtf16();
}

// The column (0 for A) and row of a cell reference such as "B12".
std::optional<std::pair<int, int>> cellAt(QStringView ref) {
    int column = 0;
    qsizetype i = 0;
    for (; i < ref.size() && ref[i].isLetter() && ref[i].unicode() < 128; ++i) {
        column = column * 26 + (ref[i].toUpper().unicode() - 'A' + 1);
        if (column > 16384) {
            return std::nullopt;
        }
    }
    bool ok = false;
    const int row = ref.sliced(i).toInt(&ok);
    if (i == 0 || !ok || row <= 0) {
        return std::nullopt;
    }
    return std::pair{column - 1, row};
}

// "A", "B", ... "XFD" and the row: a cell's name as spreadsheets show it.
QString cellName(int column, int row) {
    QString letters;
    for (int n = column + 1; n > 0; n = (n - 1) / 26) {
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    }
    return letters + QString::number(row);
}

struct Sheet {
    QString Name;
    QString Id;
    bool Hidden = false;
};

// The workbook's sheets in order, or the reason they could not be read.
struct Sheets {
    QList<Sheet> All;
    QString Problem;
};

Sheets sheetsOf(const QByteArray& workbook, BoundedXml::Budget& budget) {
    BoundedXml xml(workbook, budget);
    Sheets sheets;
    for (BoundedXml::Token token = xml.Next(); token != BoundedXml::Token::Done;
         token = xml.Next()) {
        if (token == BoundedXml::Token::Start && xml.Name() == QLatin1String("sheet") &&
            sheets.All.size() < ZipPackage::MaxParts) {
            const QStringView state = xml.Attribute(QStringLiteral("state"));
            sheets.All << Sheet{xml.Attribute(QStringLiteral("name")).left(100).toString(),
                                xml.Attribute(RelationshipsNs, QStringLiteral("id")).toString(),
                                state == QLatin1String("hidden") ||
                                    state == QLatin1String("veryHidden")};
        }
    }
    sheets.Problem = xml.Problem();
    return sheets;
}

// Where the package keeps the sheet of relationship Id and the shared strings.
struct Targets {
    QString Sheet;
    QString Shared = QStringLiteral("xl/sharedStrings.xml");
    QString Problem;
};

Targets targetsOf(const QByteArray& relationships, const QString& id, BoundedXml::Budget& budget) {
    const auto inPackage = [](const QString& target) {
        return target.startsWith(QLatin1Char('/')) ? target.mid(1) : QStringLiteral("xl/") + target;
    };
    BoundedXml xml(relationships, budget);
    Targets targets;
    for (BoundedXml::Token token = xml.Next(); token != BoundedXml::Token::Done;
         token = xml.Next()) {
        if (token != BoundedXml::Token::Start || xml.Name() != QLatin1String("Relationship")) {
            continue;
        }
        const QString target = xml.Attribute(QStringLiteral("Target")).toString();
        if (xml.Attribute(QStringLiteral("Id")) == id && targets.Sheet.isEmpty()) {
            targets.Sheet = inPackage(target);
        } else if (xml.Attribute(QStringLiteral("Type")).endsWith(u"/sharedStrings")) {
            targets.Shared = inPackage(target);
        }
    }
    targets.Problem = xml.Problem();
    return targets;
}

struct SharedStrings {
    QList<CellText> All;
    QString Problem;
};

SharedStrings sharedOf(const QByteArray& part, BoundedXml::Budget& budget) {
    BoundedXml xml(part, budget);
    SharedStrings shared;
    for (BoundedXml::Token token = xml.Next(); token != BoundedXml::Token::Done;
         token = xml.Next()) {
        if (token == BoundedXml::Token::Start && xml.Name() == QLatin1String("si")) {
            if (shared.All.size() == WorkbookReader::MaxSharedStrings) {
                shared.Problem = QCoreApplication::translate("voxtrel::WorkbookReader",
                                                             "it holds more than %1 shared strings")
                                     .arg(WorkbookReader::MaxSharedStrings);
                return shared;
            }
            shared.All << textOf(xml, true);
        }
    }
    shared.Problem = xml.Problem();
    return shared;
}

// The rows of one sheet, each handed to Rows as it ends.
class SheetRows {
public:
    SheetRows(NameRows& Rows, const QList<CellText>& Shared) : m_Rows(Rows), m_Shared(Shared) {}

    // Why the sheet could not be read to its end; empty when it was.
    QString Read(const QByteArray& Part, BoundedXml::Budget& Budget) {
        BoundedXml xml(Part, Budget);
        for (BoundedXml::Token token = xml.Next(); token != BoundedXml::Token::Done;
             token = xml.Next()) {
            if (token != BoundedXml::Token::Start) {
                continue;
            }
            if (xml.Name() == QLatin1String("row")) {
                EndRow();
                const QStringView r = xml.Attribute(QStringLiteral("r"));
                m_RowNumber = r.isEmpty() ? m_RowNumber + 1 : r.toInt();
                m_Row = ListRow{m_RowNumber, {}, ListRow::Cell::Text, false};
                m_InRow = true;
                m_RowFault = false;
                const QStringView hidden = xml.Attribute(QStringLiteral("hidden"));
                if (hidden == QLatin1String("1") || hidden == QLatin1String("true")) {
                    if (m_Hidden.size() < MaxHiddenNamed) {
                        m_Hidden << QString::number(m_RowNumber);
                    }
                    ++m_HiddenCount;
                }
            } else if (xml.Name() == QLatin1String("c") && m_InRow) {
                if (const QString problem = Cell(xml); !problem.isEmpty()) {
                    return problem;
                }
            }
        }
        EndRow();
        if (m_HiddenCount > 0) {
            m_Rows.Note(
                QCoreApplication::translate("voxtrel::WorkbookReader", "%1 hidden %2 read: %3%4.")
                    .arg(m_HiddenCount)
                    .arg(m_HiddenCount == 1
                             ? QCoreApplication::translate("voxtrel::WorkbookReader", "row was")
                             : QCoreApplication::translate("voxtrel::WorkbookReader", "rows were"))
                    .arg(m_Hidden.join(QStringLiteral(", ")))
                    .arg(m_HiddenCount > m_Hidden.size() ? QStringLiteral(", ...") : QString()));
        }
        return xml.Problem();
    }

private:
    void EndRow() {
        if (m_InRow && !m_Row.Fields.isEmpty() && !m_RowFault) {
            while (m_Row.Fields.size() > 2 && m_Row.Fields.back().isEmpty()) {
                m_Row.Fields.removeLast();
            }
            m_Rows.Take(m_Row);
        }
        m_InRow = false;
    }

    void Refuse(int column, int row, const QString& why) {
        m_Rows.Fault(QStringLiteral("%1: %2").arg(cellName(column, row), why));
        m_RowFault = true;
    }

    // Reads the cell the reader is on into the row; a problem that ends the reading.
    QString Cell(BoundedXml& xml) {
        const int depth = xml.Depth();
        int column = static_cast<int>(m_Row.Fields.size());
        int row = m_RowNumber;
        if (const QStringView r = xml.Attribute(QStringLiteral("r")); !r.isEmpty()) {
            const auto at = cellAt(r);
            if (!at) {
                return QCoreApplication::translate("voxtrel::WorkbookReader",
                                                   "a cell has no place");
            }
            column = at->first;
            row = at->second;
        }
        const QString type = xml.Attribute(QStringLiteral("t")).toString();
        CellText value;
        bool formula = false;
        bool inlineText = false;
        for (BoundedXml::Token token = xml.Next(); token != BoundedXml::Token::Done;
             token = xml.Next()) {
            if (token == BoundedXml::Token::End && xml.Depth() == depth) {
                break;
            }
            if (token != BoundedXml::Token::Start || xml.Depth() != depth + 1) {
                continue;
            }
            if (xml.Name() == QLatin1String("v")) {
                value = textOf(xml, false);
            } else if (xml.Name() == QLatin1String("is")) {
                value = textOf(xml, true);
                inlineText = true;
            } else if (xml.Name() == QLatin1String("f")) {
                formula = true;
                if (!xml.SkipTo(depth + 1)) {
                    break;
                }
            }
        }
        ListRow::Cell kind = ListRow::Cell::Text;
        if (formula) {
            kind = ListRow::Cell::Formula;
        } else if (type == QLatin1String("s")) {
            bool ok = false;
            const qsizetype index = value.Text.toLongLong(&ok);
            if (!ok || value.TooLong || index < 0 || index >= m_Shared.size()) {
                Refuse(column, row,
                       QCoreApplication::translate(
                           "voxtrel::WorkbookReader",
                           "the cell points to shared string \"%1\", which the "
                           "workbook does not hold (it holds %2)")
                           .arg(value.Text.left(20))
                           .arg(m_Shared.size()));
                return {};
            }
            value = m_Shared[index];
        } else if (type == QLatin1String("e")) {
            kind = ListRow::Cell::Error;
        } else if (type == QLatin1String("b")) {
            kind = ListRow::Cell::Boolean;
        } else if (type == QLatin1String("d")) {
            kind = ListRow::Cell::Date;
        } else if (!inlineText && type != QLatin1String("str") &&
                   type != QLatin1String("inlineStr") && !value.Text.isEmpty()) {
            kind = ListRow::Cell::Number; // a number, or a date stored as one
        }
        if (loneSurrogate(value.Text)) {
            Refuse(column, row,
                   QCoreApplication::translate(
                       "voxtrel::WorkbookReader",
                       "the text holds half of a surrogate pair; it is broken"));
            return {};
        }
        if (column == 0 && kind == ListRow::Cell::Number) {
            const double number = value.Text.toDouble();
            // Compared within range first: a larger number has no whole value to cast to.
            if (number >= 0 && number < 1e9 && number == std::floor(number)) {
                value.Text = QString::number(qint64(number)); // an index typed as a number
            }
            kind = ListRow::Cell::Text;
        }
        if (column >= 2 && value.Text.isEmpty()) {
            return {}; // an empty cell past the name is no column
        }
        // A patch's former name is the third column; any further one is one too many, and
        // is never read as the third.
        column = std::min(column, 3);
        while (m_Row.Fields.size() < column) {
            m_Row.Fields.append(QByteArray());
        }
        const QByteArray text = value.Text.toUtf8();
        if (m_Row.Fields.size() == column) {
            m_Row.Fields.append(text);
        } else if (!text.isEmpty()) {
            m_Row.Fields[column] = text;
        }
        if (column == 1) {
            m_Row.NameCell = kind;
            m_Row.NameTooLong = value.TooLong;
        }
        return {};
    }

    NameRows& m_Rows;
    const QList<CellText>& m_Shared;
    ListRow m_Row;
    bool m_InRow = false;
    bool m_RowFault = false;
    int m_RowNumber = 0;
    QStringList m_Hidden;
    int m_HiddenCount = 0;
};

} // namespace

ListCheck WorkbookReader::Check(const QByteArray& Zip, const Baza& Table, bool Transliterate) {
    const auto refused = [](const QString& why) {
        return ListCheck{ListCheck::Outcome::Refused,
                         {},
                         NameRows::Refused(QCoreApplication::translate(
                                               "voxtrel::WorkbookReader",
                                               "It is not a workbook this editor can read: %1.")
                                               .arg(why)),
                         {},
                         {},
                         {}};
    };
    const ZipPackage::Opened opened = ZipPackage::Open(Zip);
    if (!opened.Package) {
        return refused(opened.Reason);
    }
    const ZipPackage& package = *opened.Package;
    BoundedXml::Budget budget{MaxText};

    const ZipPackage::Part workbook = package.Read(QStringLiteral("xl/workbook.xml"));
    if (!workbook.Ok()) {
        return refused(workbook.Reason);
    }
    const Sheets sheets = sheetsOf(workbook.Bytes, budget);
    if (!sheets.Problem.isEmpty()) {
        return refused(sheets.Problem);
    }
    // The sheet the user sees first: hidden ones are passed over.
    const auto shown = std::find_if(sheets.All.begin(), sheets.All.end(),
                                    [](const Sheet& sheet) { return !sheet.Hidden; });
    if (shown == sheets.All.end()) {
        return refused(
            sheets.All.isEmpty()
                ? QCoreApplication::translate("voxtrel::WorkbookReader", "it has no sheet")
                : QCoreApplication::translate("voxtrel::WorkbookReader", "every sheet is hidden"));
    }
    const ZipPackage::Part relationships =
        package.Read(QStringLiteral("xl/_rels/workbook.xml.rels"));
    if (!relationships.Ok()) {
        return refused(relationships.Reason);
    }
    const Targets targets = targetsOf(relationships.Bytes, shown->Id, budget);
    if (!targets.Problem.isEmpty()) {
        return refused(targets.Problem);
    }
    if (targets.Sheet.isEmpty()) {
        return refused(
            QCoreApplication::translate("voxtrel::WorkbookReader", "the sheet \"%1\" is missing")
                .arg(shown->Name));
    }

    SharedStrings shared;
    if (package.Has(targets.Shared)) {
        const ZipPackage::Part part = package.Read(targets.Shared);
        if (!part.Ok()) {
            return refused(part.Reason);
        }
        shared = sharedOf(part.Bytes, budget);
        if (!shared.Problem.isEmpty()) {
            return refused(shared.Problem);
        }
    }

    NameRows rows(Table, NameRows::Places::Cells, Transliterate);
    if (sheets.All.size() > 1) {
        rows.Note(QCoreApplication::translate(
                      "voxtrel::WorkbookReader",
                      "Read the sheet \"%1\", the first visible one of %2 sheets.")
                      .arg(shown->Name)
                      .arg(sheets.All.size()));
    }
    const ZipPackage::Part sheet = package.Read(targets.Sheet);
    if (!sheet.Ok()) {
        return refused(sheet.Reason);
    }
    SheetRows reader(rows, shared.All);
    if (const QString problem = reader.Read(sheet.Bytes, budget); !problem.isEmpty()) {
        return refused(problem);
    }
    return rows.Result();
}

} // namespace voxtrel

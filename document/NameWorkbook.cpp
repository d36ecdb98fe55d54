#include "document/NameWorkbook.h"

#include "document/NameRows.h"
#include "names/Baza.h"
#include "names/NameFileLayout.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QXmlStreamReader>
#include <algorithm>
#include <xlsxwriter.h>
#include <zip.h>

namespace voxtrel {
namespace {

const QString RelationshipsNs =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");

// The parts of a package, each unpacked only up to the size limit. Problem says why one could
// not be; empty while all could.
class Package {
public:
    explicit Package(const QByteArray& Bytes) {
        zip_error_t error;
        zip_error_init(&error);
        zip_source_t* source =
            zip_source_buffer_create(Bytes.constData(), zip_uint64_t(Bytes.size()), 0, &error);
        m_Zip = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
        if (m_Zip == nullptr) {
            if (source) {
                zip_source_free(source);
            }
            Problem = QStringLiteral("the package cannot be opened");
        } else if (zip_get_num_entries(m_Zip, 0) > NameWorkbook::MaxParts) {
            Problem =
                QStringLiteral("the package has more than %1 parts").arg(NameWorkbook::MaxParts);
        }
        zip_error_fini(&error);
    }
    ~Package() {
        if (m_Zip) {
            zip_discard(m_Zip);
        }
    }
    Package(const Package&) = delete;
    Package& operator=(const Package&) = delete;

    bool Has(const QString& Name) const {
        return m_Zip && zip_name_locate(m_Zip, Name.toUtf8().constData(), 0) >= 0;
    }

    QByteArray Part(const QString& Name) {
        if (!Problem.isEmpty()) {
            return {};
        }
        const QByteArray name = Name.toUtf8();
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat(m_Zip, name.constData(), 0, &stat) != 0) {
            return {};
        }
        if ((stat.valid & ZIP_STAT_SIZE) && stat.size > zip_uint64_t(NameWorkbook::MaxPartSize)) {
            return TooLarge(Name);
        }
        zip_file_t* file = zip_fopen(m_Zip, name.constData(), 0);
        if (file == nullptr) {
            Problem = QStringLiteral("the part %1 cannot be unpacked").arg(Name);
            return {};
        }
        // The size in the header is the packer's word only: what is unpacked is counted.
        QByteArray bytes;
        char buffer[65536];
        zip_int64_t got = 0;
        while ((got = zip_fread(file, buffer, sizeof buffer)) > 0) {
            if (bytes.size() + got > NameWorkbook::MaxPartSize) {
                zip_fclose(file);
                return TooLarge(Name);
            }
            bytes.append(buffer, qsizetype(got));
        }
        zip_fclose(file);
        if (got < 0) {
            Problem = QStringLiteral("the part %1 cannot be unpacked").arg(Name);
            return {};
        }
        return bytes;
    }

    QString Problem;

private:
    QByteArray TooLarge(const QString& Name) {
        Problem = QStringLiteral("the part %1 is larger than %2 MiB when unpacked")
                      .arg(Name)
                      .arg(NameWorkbook::MaxPartSize / (1024 * 1024));
        return {};
    }

    zip_t* m_Zip = nullptr;
};

// Reads on to the next start element; false at the end, or at a DTD, which is refused: no
// entity a part declares is ever expanded.
bool nextElement(QXmlStreamReader& xml, QString& problem) {
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::DTD) {
            problem = QStringLiteral("its XML declares entities, which a workbook never needs");
            return false;
        }
        if (token == QXmlStreamReader::StartElement) {
            return true;
        }
    }
    if (xml.hasError() && problem.isEmpty()) {
        problem = QStringLiteral("its XML is broken: %1").arg(xml.errorString());
    }
    return false;
}

// Text as the package writes it: "_x000D_" stands for a character XML cannot carry.
QString unescaped(QString text) {
    static const QRegularExpression escape(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
    if (!text.contains(QLatin1String("_x"))) {
        return text;
    }
    QString out;
    qsizetype from = 0;
    for (auto it = escape.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(text).sliced(from, m.capturedStart() - from);
        out += QChar(static_cast<char16_t>(m.captured(1).toUShort(nullptr, 16)));
        from = m.capturedEnd();
    }
    out += QStringView(text).sliced(from);
    return out;
}

// The text of every <t> inside the element the reader is on (a shared string or an inline
// one, rich text runs included; phonetic hints left out).
QString textOf(QXmlStreamReader& xml) {
    QString text;
    int depth = 1;
    bool phonetic = false;
    while (depth > 0 && !xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            if (xml.name() == QLatin1String("rPh")) {
                phonetic = true;
            } else if (xml.name() == QLatin1String("t") && !phonetic) {
                text += unescaped(xml.readElementText());
                --depth;
            }
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            if (xml.name() == QLatin1String("rPh")) {
                phonetic = false;
            }
            break;
        default:
            break;
        }
    }
    return text;
}

// The column (0 for A) and row of a cell reference such as "B12".
bool cellAt(QStringView ref, int& column, int& row) {
    column = 0;
    qsizetype i = 0;
    for (; i < ref.size() && ref[i].isLetter(); ++i) {
        column = column * 26 + (ref[i].toUpper().unicode() - 'A' + 1);
        if (column > 16384) {
            return false;
        }
    }
    bool ok = false;
    row = ref.sliced(i).toInt(&ok);
    column -= 1;
    return i > 0 && ok && column >= 0 && row > 0;
}

} // namespace

NameWorkbook::Written NameWorkbook::Write(const Baza& Table, const QString& Folder) {
    NameChanges rows;
    rows.reserve(Table.Count());
    for (qint32 i = 0; i < Table.Count(); ++i) {
        NameChange row;
        row.Index = i;
        row.NewName = Table.Get_Nazwa(i);
        rows << row;
    }
    return WriteRows(rows, false, Folder);
}

NameWorkbook::Written NameWorkbook::Write_Patch(const NameChanges& Rows, const QString& Folder) {
    return WriteRows(Rows, true, Folder);
}

NameWorkbook::Written NameWorkbook::WriteRows(const NameChanges& Rows, bool WithWas,
                                              const QString& Folder) {
    QTemporaryFile file(Folder + QStringLiteral("names-XXXXXX.xlsx"));
    if (!file.open()) {
        return {{},
                QStringLiteral("No workbook can be made in the working folder: %1")
                    .arg(file.errorString())};
    }
    file.close();
    const QByteArray path = QFile::encodeName(file.fileName());
    QByteArray temp = QFile::encodeName(Folder);
    lxw_workbook_options options{};
    options.tmpdir = temp.data();
    lxw_workbook* book = workbook_new_opt(path.constData(), &options);
    if (book == nullptr) {
        return {{}, QStringLiteral("No workbook can be made in the working folder.")};
    }
    lxw_worksheet* sheet = workbook_add_worksheet(book, "names");
    lxw_format* text = workbook_add_format(book);
    format_set_num_format(text, "@"); // Text: typed names stay text too
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    worksheet_set_column(sheet, 0, 0, 8, nullptr);
    // Wide enough for a name of 58 characters.
    worksheet_set_column(sheet, 1, WithWas ? 2 : 1, double(layout::NameSize) + 4, text);
    worksheet_freeze_panes(sheet, 1, 0);
    worksheet_write_string(sheet, 0, 0, "index", bold);
    worksheet_write_string(sheet, 0, 1, "name", bold);
    if (WithWas) {
        worksheet_write_string(sheet, 0, 2, "was", bold);
    }
    lxw_row_t at = 1;
    for (const NameChange& row : Rows) {
        worksheet_write_number(sheet, at, 0, row.Index, nullptr);
        worksheet_write_string(sheet, at, 1, row.NewName.toUtf8().constData(), text);
        if (WithWas) {
            worksheet_write_string(sheet, at, 2, row.Was.toUtf8().constData(), text);
        }
        ++at;
    }
    const lxw_error closed = workbook_close(book);
    if (closed != LXW_NO_ERROR) {
        return {{},
                QStringLiteral("The workbook could not be written: %1")
                    .arg(QString::fromUtf8(lxw_strerror(closed)))};
    }
    QFile written(file.fileName());
    if (!written.open(QIODevice::ReadOnly)) {
        return {
            {},
            QStringLiteral("The workbook could not be read back: %1").arg(written.errorString())};
    }
    return {written.readAll(), {}};
}

ListCheck NameWorkbook::Check(const QByteArray& Zip, const Baza& Table, bool Transliterate) {
    const auto refused = [](const QString& why) {
        return ListCheck{ListCheck::Outcome::Refused,
                         {},
                         NameRows::Refused(QStringLiteral("It is not a workbook this editor can "
                                                          "read: %1.")
                                               .arg(why)),
                         {}};
    };
    Package package(Zip);
    if (!package.Problem.isEmpty()) {
        return refused(package.Problem);
    }
    QString problem;

    // The first sheet, by the workbook's list and its relationships.
    QString sheetId;
    {
        QXmlStreamReader xml(package.Part(QStringLiteral("xl/workbook.xml")));
        while (sheetId.isEmpty() && nextElement(xml, problem)) {
            if (xml.name() == QLatin1String("sheet")) {
                sheetId = xml.attributes().value(RelationshipsNs, QStringLiteral("id")).toString();
            }
        }
    }
    QString sheetPath;
    {
        QXmlStreamReader xml(package.Part(QStringLiteral("xl/_rels/workbook.xml.rels")));
        while (sheetPath.isEmpty() && !sheetId.isEmpty() && nextElement(xml, problem)) {
            if (xml.name() == QLatin1String("Relationship") &&
                xml.attributes().value(QStringLiteral("Id")) == sheetId) {
                const QString target = xml.attributes().value(QStringLiteral("Target")).toString();
                sheetPath = target.startsWith(QLatin1Char('/')) ? target.mid(1)
                                                                : QStringLiteral("xl/") + target;
            }
        }
    }
    if (!package.Problem.isEmpty() || !problem.isEmpty()) {
        return refused(package.Problem.isEmpty() ? problem : package.Problem);
    }
    if (sheetPath.isEmpty()) {
        return refused(QStringLiteral("it has no sheet"));
    }
    QStringList shared;
    if (package.Has(QStringLiteral("xl/sharedStrings.xml"))) {
        QXmlStreamReader xml(package.Part(QStringLiteral("xl/sharedStrings.xml")));
        while (nextElement(xml, problem)) {
            if (xml.name() == QLatin1String("si")) {
                shared << textOf(xml);
            }
        }
    }
    if (!package.Problem.isEmpty() || !problem.isEmpty()) {
        return refused(package.Problem.isEmpty() ? problem : package.Problem);
    }

    NameRows rows(Table, NameRows::Places::Cells, Transliterate);
    QXmlStreamReader xml(package.Part(sheetPath));
    ListRow row;
    bool inRow = false;
    const auto endRow = [&] {
        if (inRow && !row.Fields.isEmpty()) {
            while (!row.Fields.isEmpty() && row.Fields.back().isEmpty() && row.Fields.size() > 2) {
                row.Fields.removeLast();
            }
            rows.Take(row);
        }
        inRow = false;
    };
    int rowNumber = 0;
    while (nextElement(xml, problem)) {
        if (xml.name() == QLatin1String("row")) {
            endRow();
            const QStringView r = xml.attributes().value(QStringLiteral("r"));
            rowNumber = r.isEmpty() ? rowNumber + 1 : r.toInt();
            row = ListRow{rowNumber, {}, ListRow::Cell::Text};
            inRow = true;
        } else if (xml.name() == QLatin1String("c") && inRow) {
            const QXmlStreamAttributes attributes = xml.attributes();
            int column = static_cast<int>(row.Fields.size());
            int at = rowNumber;
            if (attributes.hasAttribute(QStringLiteral("r")) &&
                !cellAt(attributes.value(QStringLiteral("r")), column, at)) {
                return refused(QStringLiteral("a cell has no place"));
            }
            const QString type = attributes.value(QStringLiteral("t")).toString();
            QString value;
            bool formula = false;
            bool inlineText = false;
            int depth = 1;
            while (depth > 0 && !xml.atEnd()) {
                const QXmlStreamReader::TokenType token = xml.readNext();
                if (token == QXmlStreamReader::StartElement) {
                    if (xml.name() == QLatin1String("v")) {
                        value = xml.readElementText();
                    } else if (xml.name() == QLatin1String("f")) {
                        formula = true;
                        xml.skipCurrentElement();
                    } else if (xml.name() == QLatin1String("is")) {
                        value = textOf(xml);
                        inlineText = true;
                    } else {
                        ++depth;
                    }
                } else if (token == QXmlStreamReader::EndElement) {
                    --depth;
                }
            }
            ListRow::Cell kind = ListRow::Cell::Text;
            if (formula) {
                kind = ListRow::Cell::Formula;
            } else if (type == QLatin1String("s")) {
                const int index = value.toInt();
                value = index >= 0 && index < shared.size() ? shared[index] : QString();
            } else if (type == QLatin1String("e")) {
                kind = ListRow::Cell::Error;
            } else if (type == QLatin1String("b")) {
                kind = ListRow::Cell::Boolean;
            } else if (type == QLatin1String("d")) {
                kind = ListRow::Cell::Date;
            } else if (!inlineText && type != QLatin1String("str") &&
                       type != QLatin1String("inlineStr") && !value.isEmpty()) {
                kind = ListRow::Cell::Number; // a number, or a date stored as one
            }
            if (column == 0 && kind == ListRow::Cell::Number) {
                const double number = value.toDouble();
                if (number == double(qint64(number)) && number >= 0) {
                    value = QString::number(qint64(number)); // an index typed as a number
                }
                kind = ListRow::Cell::Text;
            }
            if (column >= 2 && value.isEmpty()) {
                continue; // an empty cell past the name is no column
            }
            // A patch's former name is the third column; any further one is one too many.
            column = std::min(column, 3);
            while (row.Fields.size() < column) {
                row.Fields.append(QByteArray());
            }
            const QByteArray text = unescaped(value).toUtf8();
            if (row.Fields.size() == column) {
                row.Fields.append(text);
            } else if (!text.isEmpty()) {
                row.Fields[column] = text;
            }
            if (column == 1) {
                row.NameCell =
                    value.isEmpty() && kind == ListRow::Cell::Number ? ListRow::Cell::Text : kind;
            }
        }
    }
    endRow();
    if (!package.Problem.isEmpty() || !problem.isEmpty()) {
        return refused(package.Problem.isEmpty() ? problem : package.Problem);
    }
    return rows.Result();
}

} // namespace voxtrel

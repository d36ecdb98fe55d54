#include "document/NameWorkbook.h"
#include "document/Result.h"

#include <QCoreApplication>

#include "document/WorkbookReader.h"
#include "names/Baza.h"
#include "names/NameFileLayout.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <optional>
#include <xlsxwriter.h>
#include <zip.h>

namespace voxtrel {
namespace {

// Text as the package must carry it: a name that holds an escape's shape ("_x0041_") gets
// its underscore escaped ("_x005F_x0041_"), so that a reader decodes it back to itself. The
// writing library escapes only the control characters, which a name never holds.
QByteArray escaped(const QString& text) {
    static const QRegularExpression shape(QStringLiteral("_(x[0-9A-Fa-f]{4}_)"));
    QString out = text;
    out.replace(shape, QStringLiteral("_x005F_\\1"));
    return out.toUtf8();
}

// The writing library leaves out an empty string, or writes a cell without a value: an
// empty name or former name becomes an empty text cell of its own, so that every reader sees
// the row say that the name is empty. Path is the closed workbook, rewritten in place; what
// kept it from being so, if anything.
std::optional<QString> emptyCellsAsText(const QByteArray& path) {
    int error = 0;
    zip_t* zip = zip_open(path.constData(), 0, &error);
    if (zip == nullptr) {
        return QCoreApplication::translate("voxtrel::NameWorkbook",
                                           "the written workbook cannot be opened again");
    }
    const char* sheet = "xl/worksheets/sheet1.xml";
    zip_stat_t stat;
    zip_stat_init(&stat);
    zip_file_t* file = zip_stat(zip, sheet, 0, &stat) == 0 ? zip_fopen(zip, sheet, 0) : nullptr;
    QByteArray xml(file ? qsizetype(stat.size) : 0, Qt::Uninitialized);
    const bool read = file && zip_fread(file, xml.data(), stat.size) == zip_int64_t(stat.size);
    if (file) {
        zip_fclose(file);
    }
    if (!read) {
        zip_discard(zip);
        return QCoreApplication::translate("voxtrel::NameWorkbook",
                                           "the written sheet cannot be read again");
    }
    static const QRegularExpression blank(QStringLiteral(R"re(<c r="([BC]\d+)" s="(\d+)"/>)re"));
    QString text = QString::fromUtf8(xml);
    text.replace(blank,
                 QStringLiteral(R"re(<c r="\1" s="\2" t="inlineStr"><is><t></t></is></c>)re"));
    // Kept alive until zip_close has written it.
    const QByteArray changed = text.toUtf8();
    zip_source_t* source =
        zip_source_buffer(zip, changed.constData(), zip_uint64_t(changed.size()), 0);
    if (source == nullptr || zip_file_add(zip, sheet, source, ZIP_FL_OVERWRITE) < 0) {
        if (source) {
            zip_source_free(source);
        }
        zip_discard(zip);
        return QCoreApplication::translate("voxtrel::NameWorkbook",
                                           "the written sheet cannot be replaced");
    }
    if (zip_close(zip) != 0) {
        zip_discard(zip);
        return QCoreApplication::translate("voxtrel::NameWorkbook",
                                           "the written workbook cannot be closed");
    }
    return std::nullopt;
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

NameWorkbook::Written NameWorkbook::WritePatch(const NameChanges& Rows, const QString& Folder) {
    return WriteRows(Rows, true, Folder);
}

NameWorkbook::Written NameWorkbook::WriteRows(const NameChanges& Rows, bool WithWas,
                                              const QString& Folder) {
    QTemporaryFile file(Folder + QStringLiteral("names-XXXXXX.xlsx"));
    if (!file.open()) {
        return Written::Refused(
            QCoreApplication::translate("voxtrel::NameWorkbook",
                                        "No workbook can be made in the working folder: %1")
                .arg(file.errorString()));
    }
    file.close();
    const QByteArray path = QFile::encodeName(file.fileName());
    QByteArray temp = QFile::encodeName(Folder);
    lxw_workbook_options options{};
    options.tmpdir = temp.data();
    lxw_workbook* book = workbook_new_opt(path.constData(), &options);
    if (book == nullptr) {
        return Written::Refused(QCoreApplication::translate(
            "voxtrel::NameWorkbook", "No workbook can be made in the working folder."));
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
        worksheet_write_string(sheet, at, 1, escaped(row.NewName).constData(), text);
        if (WithWas) {
            worksheet_write_string(sheet, at, 2, escaped(row.Was).constData(), text);
        }
        ++at;
    }
    const lxw_error closed = workbook_close(book);
    if (closed != LXW_NO_ERROR) {
        return Written::Refused(QCoreApplication::translate("voxtrel::NameWorkbook",
                                                            "The workbook could not be written: %1")
                                    .arg(QString::fromUtf8(lxw_strerror(closed))));
    }
    if (const std::optional<QString> problem = emptyCellsAsText(path)) {
        return Written::Refused(
            QCoreApplication::translate("voxtrel::NameWorkbook",
                                        "The workbook could not be written: %1.")
                .arg(*problem));
    }
    QFile written(file.fileName());
    if (!written.open(QIODevice::ReadOnly)) {
        return Written::Refused(
            QCoreApplication::translate("voxtrel::NameWorkbook",
                                        "The workbook could not be read back: %1")
                .arg(written.errorString()));
    }
    return Written::Made(written.readAll());
}

ListCheck NameWorkbook::Check(const QByteArray& Zip, const Baza& Table, bool Transliterate) {
    return WorkbookReader::Check(Zip, Table, Transliterate);
}

} // namespace voxtrel

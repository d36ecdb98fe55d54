#include "document/NameLists.h"

#include "document/AtomicReplace.h"
#include "document/NameCsv.h"
#include "document/NameWorkbook.h"

namespace voxtrel::NameLists {

Format FormatFor(const QString& Path) {
    return Path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive) ? Format::Xlsx : Format::Csv;
}

bool FormatNamed(const QString& Word, Format& Chosen) {
    if (Word.compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0) {
        Chosen = Format::Xlsx;
        return true;
    }
    if (Word.compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0) {
        Chosen = Format::Csv;
        return true;
    }
    return false;
}

ListCheck Read(const QString& Path, const Baza& Table) {
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
    } else if (read.Bytes.isEmpty() || read.Bytes == "\xEF\xBB\xBF") {
        check.Reason = QStringLiteral("The name list %1 is empty.").arg(shown);
    } else {
        // By what it holds, not by its name: a workbook saved as names.csv is still one.
        return NameWorkbook::IsWorkbook(read.Bytes) ? NameWorkbook::Check(read.Bytes, Table)
                                                    : NameCsv::Check(read.Bytes, Table);
    }
    return check;
}

Written Write(const Baza& Table, Format As, const QString& WorkFolder) {
    if (As == Format::Csv) {
        return {NameCsv::Write(Table), {}};
    }
    const NameWorkbook::Written book = NameWorkbook::Write(Table, WorkFolder);
    return {book.Bytes, book.Reason};
}

} // namespace voxtrel::NameLists

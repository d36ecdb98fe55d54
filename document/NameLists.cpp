#include "document/NameLists.h"

#include <QCoreApplication>

#include "document/AtomicReplace.h"
#include "document/ListFormats.h"
#include "names/Baza.h"

#include <QFileInfo>
#include <algorithm>

namespace voxtrel::NameLists {

Format FormatFor(const QString& Path) {
    return Path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive) ? Format::Xlsx : Format::Csv;
}

bool KnownTarget(const QString& Path) {
    const QString suffix = QFileInfo(Path).suffix();
    return Path == QLatin1String("-") || suffix.isEmpty() ||
           suffix.compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0 ||
           suffix.compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0;
}

std::optional<Format> FormatNamed(const QString& Word) {
    if (Word.compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0) {
        return Format::Xlsx;
    }
    if (Word.compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0) {
        return Format::Csv;
    }
    return std::nullopt;
}

Result<QByteArray> Load(const QString& Path) {
    const FileRead read = ReadRegularFile(Path, MaxFileSize);
    const QString shown = Path == QLatin1String("-")
                              ? QCoreApplication::translate("voxtrel::NameLists", "standard input")
                              : QStringLiteral("\"%1\"").arg(Path);
    if (read.Result == FileRead::Outcome::TooLarge) {
        return Result<QByteArray>::Refused(
            QCoreApplication::translate(
                "voxtrel::NameLists", "The name list %1 is larger than 4 MiB; a list of 1209 names "
                                      "is far smaller.")
                .arg(shown));
    }
    if (!read.Ok()) {
        return Result<QByteArray>::Refused(
            QCoreApplication::translate("voxtrel::NameLists", "The name list was not read: %1")
                .arg(read.Reason));
    }
    if (read.Bytes.isEmpty() || read.Bytes == "\xEF\xBB\xBF") {
        return Result<QByteArray>::Refused(
            QCoreApplication::translate("voxtrel::NameLists", "The name list %1 is empty.")
                .arg(shown));
    }
    return Result<QByteArray>::Made(read.Bytes);
}

ListCheck Check(const QByteArray& Bytes, const Baza& Table, bool Transliterate) {
    const ListFormats::Found formats = ListFormats::Find();
    if (!formats.Formats) {
        return {ListCheck::Outcome::Unreadable, {}, formats.Reason, {}, {}, {}};
    }
    // By what it holds, not by its name: a workbook saved as names.csv is still one.
    return formats.Formats->Check(Bytes, Table, Transliterate);
}

ListCheck Read(const QString& Path, const Baza& Table, bool Transliterate) {
    const Result<QByteArray> list = Load(Path);
    if (!list.Ok()) {
        return {ListCheck::Outcome::Unreadable, {}, list.Reason(), {}, {}, {}};
    }
    return Check(list.Value(), Table, Transliterate);
}

Written Write(const Baza& Table, Format As, const QString& WorkFolder) {
    const ListFormats::Found formats = ListFormats::Find();
    if (!formats.Formats) {
        return Written::Refused(formats.Reason);
    }
    return formats.Formats->Write(Table, As == Format::Xlsx, WorkFolder);
}

Written WritePatch(const NameChanges& Rows, Format As, const QString& WorkFolder) {
    const ListFormats::Found formats = ListFormats::Find();
    if (!formats.Formats) {
        return Written::Refused(formats.Reason);
    }
    return formats.Formats->WritePatch(Rows, As == Format::Xlsx, WorkFolder);
}

std::optional<QString> LikelyEncoding(const Baza& Table, const CodePage& Chosen) {
    const ListFormats::Found formats = ListFormats::Find();
    if (!formats.Formats) {
        return std::nullopt; // nothing better is known
    }
    return formats.Formats->LikelyEncoding(Table, Chosen);
}

NameChanges Differences(const Baza& Old, const Baza& New) {
    NameChanges differ;
    for (qint32 i = 0; i < std::min(Old.Count(), New.Count()); ++i) {
        if (Old.GetNazwaBytes(i) != New.GetNazwaBytes(i)) {
            NameChange change;
            change.Index = i;
            change.OldName = Old.Get_Nazwa(i);
            change.NewName = New.Get_Nazwa(i);
            change.Was = change.OldName;
            change.HasWas = true;
            differ << change;
        }
    }
    return differ;
}

} // namespace voxtrel::NameLists

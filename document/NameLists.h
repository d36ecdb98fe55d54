#pragma once

#include "document/ListCheck.h"

#include <QByteArray>
#include <QString>

namespace voxtrel {

class Baza;

// A name list in either of its formats: a workbook (.xlsx) for spreadsheets, CSV for scripts,
// diffs and version control.
namespace NameLists {

enum class Format { Csv, Xlsx };
// The format a file name asks for: .xlsx a workbook, anything else CSV.
Format FormatFor(const QString& Path);
// "csv" or "xlsx"; false for another word.
bool FormatNamed(const QString& Word, Format& Chosen);

// A list is refused unread above this size.
inline constexpr qint64 MaxFileSize = 4 * 1024 * 1024;

// Reads the list at Path ("-": standard input), of either format whatever its name, and
// checks it against Table.
ListCheck Read(const QString& Path, const Baza& Table);

struct Written {
    QByteArray Bytes; // empty when it failed
    QString Reason;
};
// Every record of Table in Format; a workbook is made in WorkFolder.
Written Write(const Baza& Table, Format As, const QString& WorkFolder);

} // namespace NameLists
} // namespace voxtrel

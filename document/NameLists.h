#pragma once

#include "document/ListCheck.h"
#include "document/NameWorkbook.h"
#include "document/Result.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace voxtrel {

class Baza;
class CodePage;

// A name list in either of its formats: a workbook (.xlsx) for spreadsheets, CSV for scripts,
// diffs and version control.
namespace NameLists {

enum class Format { Csv, Xlsx };
// The format a file name asks for: .xlsx a workbook, anything else CSV.
Format FormatFor(const QString& Path);
// Whether Path says its format: "-", a name ending in .csv or .xlsx, or one without an
// extension (a FIFO, a device). "names.ods" does not: it would be CSV in disguise.
[[nodiscard]] bool KnownTarget(const QString& Path);
// The format "csv" or "xlsx" names; none for another word.
[[nodiscard]] std::optional<Format> FormatNamed(const QString& Word);

// A list is refused unread above this size.
inline constexpr qint64 MaxFileSize = 4 * 1024 * 1024;

// A list's bytes as read, or why they could not be (missing, not a plain file, over
// MaxFileSize, empty).
Result<QByteArray> Load(const QString& Path);
// Checks the list Bytes, of either format, against Table.
ListCheck Check(const QByteArray& Bytes, const Baza& Table, bool Transliterate = false);

// Reads the list at Path ("-": standard input), of either format whatever its name, and
// checks it against Table; Transliterate replaces the characters Table's code page cannot hold
// by their Latin forms.
ListCheck Read(const QString& Path, const Baza& Table, bool Transliterate = false);

// The code page Table's names suggest when Chosen looks wrong for them; none when Chosen
// looks right, or when the list formats (which hold the detector) are not there.
[[nodiscard]] std::optional<QString> LikelyEncoding(const Baza& Table, const CodePage& Chosen);

// A list's bytes as made, or why they could not be.
using Written = NameWorkbook::Written;
// Every record of Table in Format; a workbook is made in WorkFolder.
Written Write(const Baza& Table, Format As, const QString& WorkFolder);
// A patch of Rows (index, name, was) in Format.
Written WritePatch(const NameChanges& Rows, Format As, const QString& WorkFolder);

// The records whose name bytes differ between Old and New, in index order, each with New's
// name and (as Was) Old's.
NameChanges Differences(const Baza& Old, const Baza& New);

} // namespace NameLists
} // namespace voxtrel

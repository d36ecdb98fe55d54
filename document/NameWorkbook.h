#pragma once

#include "document/Result.h"

#include "document/ListCheck.h"

#include <QByteArray>
#include <QString>

namespace voxtrel {

class Baza;

// Name lists as Office Open XML workbooks (.xlsx), for spreadsheets: one sheet with a header
// row "index", "name", the index as a number and every name as a text cell in a column
// formatted as Text, so that a spreadsheet neither evaluates nor converts a name; an empty
// name is an empty text cell, and text that looks like an escape is escaped.
class NameWorkbook {
public:
    // The workbook's bytes, or why none could be made.
    using Written = Result<QByteArray>;
    // Every record of Table as a workbook, made through a temporary file in Folder.
    static Written Write(const Baza& Table, const QString& Folder);
    // A patch: each row's index, new name and (column "was") the name it replaces.
    static Written WritePatch(const NameChanges& Rows, const QString& Folder);

    // Checks the first visible sheet of the workbook Zip against Table by the rules of every
    // name list; faults are named by their cells ("B12"). A name cell that holds a number, a
    // date, a formula, a truth value or an error is refused, never converted. A package that
    // is not a workbook, too large when unpacked, or whose XML declares entities is refused
    // unread.
    [[nodiscard]] static ListCheck Check(const QByteArray& Zip, const Baza& Table,
                                         bool Transliterate = false);

    // Whether Bytes look like a zip package.
    static bool IsWorkbook(const QByteArray& Bytes) { return Bytes.startsWith("PK\x03\x04"); }

private:
    static Written WriteRows(const NameChanges& Rows, bool WithWas, const QString& Folder);
};

} // namespace voxtrel

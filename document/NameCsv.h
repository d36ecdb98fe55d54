#pragma once

#include "document/ListCheck.h"

#include <QByteArray>
#include <QString>

namespace voxtrel {

class Baza;

// Name lists as CSV (RFC 4180): a header row "index,name", then one row per record with its
// index from 0 and its name as the list shows it. Written as UTF-8 with commas; read as any
// spreadsheet writes it: UTF-8 or UTF-16 (with its mark), fields between commas, semicolons
// or tabs.
class NameCsv {
public:
    // Every record of Table, with a UTF-8 byte-order mark and CRLF line ends, so that
    // spreadsheet programs read accents right.
    static QByteArray Write(const Baza& Table);
    // A patch: a header row "index,name,was", then each row's index, new name and the name
    // it replaces.
    static QByteArray WritePatch(const NameChanges& Rows);

    // Checks every row of Csv against Table: Ready with the renames it asks for (rows whose
    // name equals the record's name change nothing and are left out), or Refused naming each
    // failing line (the first MaxReported) and its reason. Accepts the file with or without
    // a byte-order mark, with CR, LF or CRLF line ends; UTF-16 with a mark; the separator
    // the header uses.
    static ListCheck Check(const QByteArray& Csv, const Baza& Table, bool Transliterate = false);
};

} // namespace voxtrel

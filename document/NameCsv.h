#pragma once

#include "document/NameChange.h"

#include <QByteArray>
#include <QString>

namespace voxtrel {

class Baza;

// Name lists as CSV (RFC 4180, UTF-8): a header row "index,name", then one row per record
// with its index from 0 and its name as the list shows it.
class NameCsv {
public:
    // A name list is far smaller than this; anything larger is refused unread.
    static constexpr qint64 MaxFileSize = 4 * 1024 * 1024;
    // Failing rows named in a refusal; the rest are only counted.
    static constexpr int MaxReported = 20;

    // Every record of Table, with a UTF-8 byte-order mark and CRLF line ends, so that
    // spreadsheet programs read accents right.
    static QByteArray Write(const Baza& Table);

    // The whole file at Path; false with the reason for a folder, an empty file, a file
    // over MaxFileSize, or one that cannot be read.
    static bool Read_File(const QString& Path, QByteArray& Bytes, QString& Error);

    // Checks every row of Csv against Table. True with the renames it asks for: rows whose
    // name equals the record's name change nothing and are left out. False when any row is
    // wrong, with Changes empty and Error naming each failing line (the first MaxReported)
    // and its reason. Accepts the file with or without a byte-order mark, with CRLF or LF.
    static bool Check(const QByteArray& Csv, const Baza& Table, NameChanges& Changes,
                      QString& Error);
};

} // namespace voxtrel

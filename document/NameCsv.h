#pragma once

#include "document/ListCheck.h"

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

    // Reads the list at Path ("-": standard input) and checks it against Table as Check
    // does. A folder, a FIFO, a device, an empty file or one over MaxFileSize is Unreadable.
    static ListCheck Read(const QString& Path, const Baza& Table);

    // Checks every row of Csv against Table: Ready with the renames it asks for (rows whose
    // name equals the record's name change nothing and are left out), or Refused naming each
    // failing line (the first MaxReported) and its reason. Accepts the file with or without
    // a byte-order mark, with CR, LF or CRLF line ends.
    static ListCheck Check(const QByteArray& Csv, const Baza& Table);
};

} // namespace voxtrel

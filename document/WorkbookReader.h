#pragma once

#include "document/ListCheck.h"

#include <QByteArray>

namespace voxtrel {

class Baza;

// Reads the names of a workbook (.xlsx): the first sheet the user can see, its cells' text
// decoded once from the package's escapes, each row checked by the rules of every name list.
// Any input is answered in bounded time and memory: a cell's text is cut at once past a
// name's length, and the package's parts, their nesting, shared strings and text have limits.
class WorkbookReader {
public:
    // Shared strings a workbook may hold; a list of 1209 names needs a few thousand.
    static constexpr int MaxSharedStrings = 100000;
    // Characters of text, in all the parts read, that a workbook may hold.
    static constexpr qint64 MaxText = 16 * 1024 * 1024;

    [[nodiscard]] static ListCheck Check(const QByteArray& Zip, const Baza& Table,
                                         bool Transliterate);
};

} // namespace voxtrel

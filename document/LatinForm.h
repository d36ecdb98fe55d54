#pragma once

#include <QString>

namespace voxtrel {

// The Latin letters that stand for Character (one character, perhaps a surrogate pair), by
// ICU's "Any-Latin; Latin-ASCII" rules, whatever the machine's locale: "Ł" gives "L", "Đ"
// gives "D", "Ж" gives "Z", "ß" gives "ss". A character with no Latin form gives "?".
QString LatinForm(const QString& Character);

} // namespace voxtrel

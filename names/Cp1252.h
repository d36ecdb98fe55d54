#pragma once

#include <QByteArray>
#include <QString>

namespace voxtrel {

// The single-byte code page of the name fields. Every one of the 256 byte values decodes to
// one character and encodes back to the same byte (0x81, 0x8D, 0x8F, 0x90 and 0x9D included),
// so names survive a load and a save unchanged. A character the code page cannot hold is
// written as '?'.
class Cp1252 {
public:
    static QString decode(const char* bytes, qsizetype size);
    static QByteArray encode(const QString& text);
    // True when every character of text has a byte of its own in the code page.
    static bool canEncode(const QString& text);
    static bool canEncode(QChar c);
};

} // namespace voxtrel

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace voxtrel {

// A single-byte code page of the name fields, one per language version of the game. Every
// one of the 256 byte values decodes to one character of its own and encodes back to the
// same byte, undefined bytes included, so names survive a load and a save unchanged in every
// code page. A character the code page cannot hold is written as '?'.
class CodePage {
public:
    // windows-1252, the default; there even where the platform has no converter for it.
    static const CodePage& Western();
    // The supported code pages, in menu order; those the platform's converters lack are
    // left out.
    static const QList<const CodePage*>& All();
    // By its name ("windows-1250"), ignoring case; nullptr when not supported.
    static const CodePage* Find(const QString& Name);

    QString Name() const { return m_Name; } // "windows-1250"
    QString Title() const;                  // "Central European", in the user's language

    QString decode(const char* bytes, qsizetype size) const;
    QString decode(const QByteArray& bytes) const {
        return decode(bytes.constData(), bytes.size());
    }
    // Text in the code page, as Fitted gives it.
    QByteArray encode(const QString& text) const;
    // True when every character of Fitted(text) has a byte of its own in the code page.
    bool canEncode(const QString& text) const;
    // Text as the code page takes it: unchanged when it can hold every character, otherwise
    // composed (NFC), so that an "e" followed by a combining acute accent becomes the one
    // character the code page has for it. A name read from the file is never recomposed, so
    // that its bytes come back the same in a code page that holds combining marks.
    [[nodiscard]] QString Fitted(const QString& text) const;
    bool canEncode(QChar c) const;

    CodePage(const char* name, const char* title); // builds the tables from the converter
    bool Valid() const { return m_Valid; }

private:
    // chars: the character of each byte, 256 of them; U+FFFD for a byte the page lacks.
    CodePage(const char* name, const char* title, const QString& chars);
    void Build(const QString& chars);

    QString m_Name;
    QString m_Title;
    bool m_Valid = false;
    char16_t m_ToUnicode[256] = {};
    QList<quint8> m_FromUnicode; // 0x10000 entries; 0 = not representable (except U+0000)
};

} // namespace voxtrel

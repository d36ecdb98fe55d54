#include "names/Cp1252.h"

#include <QStringDecoder>
#include <array>

namespace voxtrel {
namespace {

struct Tables {
    std::array<char16_t, 256> toUnicode{};
    std::array<quint8, 0x10000> fromUnicode{}; // 0 = not representable (except U+0000)

    Tables() {
        // The byte-to-character table comes from Qt's windows-1252 converter, byte by byte;
        // a byte the converter does not map keeps its value as the character of the same
        // number. Encoding is the exact inverse, so every byte survives a round trip.
        for (int b = 0; b < 256; ++b) {
            // A fresh decoder per byte: hasError() stays set once raised.
            QStringDecoder decoder("windows-1252", QStringConverter::Flag::Stateless);
            const char c = static_cast<char>(b);
            QString s = decoder.isValid() ? decoder.decode(QByteArrayView(&c, 1)) : QString();
            const bool ok = decoder.isValid() && !decoder.hasError() && s.size() == 1 &&
                            !s.front().isSurrogate() && s.front() != QChar::ReplacementCharacter;
            toUnicode[b] = ok ? s.front().unicode() : static_cast<char16_t>(b);
        }
        for (int b = 0; b < 256; ++b) {
            fromUnicode[toUnicode[b]] = static_cast<quint8>(b);
        }
    }
};

const Tables& tables() {
    static const Tables t;
    return t;
}

} // namespace

QString Cp1252::decode(const char* bytes, qsizetype size) {
    const Tables& t = tables();
    QString out(size, Qt::Uninitialized);
    QChar* dst = out.data();
    for (qsizetype i = 0; i < size; ++i) {
        dst[i] = QChar(t.toUnicode[static_cast<quint8>(bytes[i])]);
    }
    return out;
}

bool Cp1252::canEncode(QChar c) {
    const char16_t u = c.unicode();
    return u == 0 || tables().fromUnicode[u] != 0;
}

bool Cp1252::canEncode(const QString& text) {
    for (QChar c : text) {
        if (!canEncode(c)) {
            return false;
        }
    }
    return true;
}

QByteArray Cp1252::encode(const QString& text) {
    const Tables& t = tables();
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out.append('?'); // one character outside the basic plane
            ++i;
            continue;
        }
        const char16_t u = c.unicode();
        const quint8 b = t.fromUnicode[u];
        out.append(u == 0 || b != 0 ? static_cast<char>(b) : '?');
    }
    return out;
}

} // namespace voxtrel

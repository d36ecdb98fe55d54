#include "document/NativePath.h"

#include <QDir>

namespace voxtrel::NativePath {
namespace {

constexpr char16_t EscapeBase = 0xDC00;

bool isEscape(QChar c) {
    return c.unicode() >= EscapeBase + 0x80 && c.unicode() <= EscapeBase + 0xFF;
}

// How many bytes the UTF-8 sequence at the start of Bytes takes, or 0 when it is not valid.
qsizetype validSequence(QByteArrayView bytes) {
    const auto lead = static_cast<quint8>(bytes.front());
    const qsizetype length = lead < 0x80   ? 1
                             : lead < 0xC2 ? 0
                             : lead < 0xE0 ? 2
                             : lead < 0xF0 ? 3
                             : lead < 0xF5 ? 4
                                           : 0;
    if (length == 0 || length > bytes.size()) {
        return 0;
    }
    return bytes.first(length).isValidUtf8() ? length : 0;
}

} // namespace

QString FromBytes(const QByteArray& Bytes) {
    if (QByteArrayView(Bytes).isValidUtf8()) {
        return QString::fromUtf8(Bytes);
    }
    QString out;
    out.reserve(Bytes.size());
    for (qsizetype at = 0; at < Bytes.size();) {
        const qsizetype length = validSequence(QByteArrayView(Bytes).sliced(at));
        if (length > 0) {
            out += QString::fromUtf8(Bytes.constData() + at, length);
            at += length;
        } else {
            out += QChar(static_cast<char16_t>(EscapeBase + static_cast<quint8>(Bytes[at])));
            ++at;
        }
    }
    return out;
}

QByteArray ToBytes(const QString& Path) {
    QByteArray out;
    out.reserve(Path.size());
    qsizetype from = 0; // the start of the run of ordinary characters
    for (qsizetype i = 0; i < Path.size(); ++i) {
        if (isEscape(Path[i])) {
            out += QStringView(Path).sliced(from, i - from).toUtf8();
            out += static_cast<char>(Path[i].unicode() - EscapeBase);
            from = i + 1;
        }
    }
    out += QStringView(Path).sliced(from).toUtf8();
    return out;
}

QString Absolute(const QString& Path) {
    if (QDir::isAbsolutePath(Path)) {
        return Path;
    }
    // A current folder too deep to be named (over PATH_MAX) leaves the path relative: it
    // still leads to the file, never to one at the root.
    const QString current = QDir::currentPath();
    return current.isEmpty() ? Path : QDir::cleanPath(current + QLatin1Char('/') + Path);
}

QString Shown(const QString& Text) {
    QString out;
    for (const QChar c : Text) {
        if (isEscape(c)) {
            out += QStringLiteral("\\x%1").arg(c.unicode() - EscapeBase, 2, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace voxtrel::NativePath

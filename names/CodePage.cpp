#include "names/CodePage.h"

#include <QCoreApplication>

#include <QStringDecoder>
#include <algorithm>
#include <memory>
#include <vector>

namespace voxtrel {
namespace {

// Characters for undefined bytes that would otherwise collide: the Private Use Area.
constexpr char16_t PrivateBase = 0xF700;

struct Entry {
    const char* name;
    const char* title;
};

// The language versions' code pages first, then the other single-byte Windows code pages.
constexpr Entry Known[] = {
    {"windows-1250", QT_TRANSLATE_NOOP("voxtrel::CodePage", "Central European")},
    {"windows-1251", QT_TRANSLATE_NOOP("voxtrel::CodePage", "Cyrillic")},
    {"windows-1252", QT_TRANSLATE_NOOP("voxtrel::CodePage", "Western")},
    {"windows-1253", QT_TRANSLATE_NOOP("voxtrel::CodePage", "Greek")},
    {"windows-1254", QT_TRANSLATE_NOOP("voxtrel::CodePage", "Turkish")},
    {"windows-1257", QT_TRANSLATE_NOOP("voxtrel::CodePage", "Baltic")},
    {"windows-1255", QT_TRANSLATE_NOOP("voxtrel::CodePage", "Hebrew")},
    {"windows-1256", QT_TRANSLATE_NOOP("voxtrel::CodePage", "Arabic")},
    {"windows-1258", QT_TRANSLATE_NOOP("voxtrel::CodePage", "Vietnamese")},
    {"windows-874", QT_TRANSLATE_NOOP("voxtrel::CodePage", "Thai")},
};

} // namespace

QString CodePage::Title() const {
    return QCoreApplication::translate("voxtrel::CodePage", m_Title.toLatin1().constData());
}

CodePage::CodePage(const char* name, const char* title)
    : m_Name(QString::fromLatin1(name)), m_Title(QString::fromLatin1(title)),
      m_FromUnicode(0x10000, 0) {
    // The byte-to-character table comes from Qt's converter, all 256 bytes in one pass: a
    // single-byte code page gives one character per byte, the replacement character for a
    // byte it does not map. Such a byte keeps its value as the character of the same number,
    // or, when that character is taken, one of the Private Use Area. Encoding is the exact
    // inverse, so every byte survives a round trip.
    QStringDecoder decoder(name, QStringConverter::Flag::Stateless);
    char all[256];
    for (int b = 0; b < 256; ++b) {
        all[b] = static_cast<char>(b);
    }
    Build(decoder.isValid() ? decoder.decode(QByteArrayView(all, 256)) : QString());
}

CodePage::CodePage(const char* name, const char* title, const QString& chars)
    : m_Name(QString::fromLatin1(name)), m_Title(QString::fromLatin1(title)),
      m_FromUnicode(0x10000, 0) {
    Build(chars);
}

void CodePage::Build(const QString& chars) {
    if (chars.size() != 256) {
        return; // no converter, or not a single-byte code page
    }
    bool defined[256] = {};
    std::vector<bool> taken(0x10000, false);
    for (int b = 0; b < 256; ++b) {
        const QChar c = chars[b];
        if (!c.isSurrogate() && c != QChar::ReplacementCharacter && !taken[c.unicode()]) {
            m_ToUnicode[b] = c.unicode();
            taken[m_ToUnicode[b]] = true;
            defined[b] = true;
        }
    }
    for (int b = 0; b < 256; ++b) {
        if (!defined[b]) {
            m_ToUnicode[b] =
                taken[b] ? static_cast<char16_t>(PrivateBase + b) : static_cast<char16_t>(b);
            taken[m_ToUnicode[b]] = true;
        }
        m_FromUnicode[m_ToUnicode[b]] = static_cast<quint8>(b);
    }
    m_Valid = true;
}

const QList<const CodePage*>& CodePage::All() {
    static std::vector<std::unique_ptr<CodePage>> owned; // for the whole run
    static const QList<const CodePage*> all = [] {
        QList<const CodePage*> pages;
        for (const Entry& e : Known) {
            auto page = std::make_unique<CodePage>(e.name, e.title);
            if (page->Valid()) {
                pages << page.get();
                owned.push_back(std::move(page));
            }
        }
        return pages;
    }();
    return all;
}

const CodePage& CodePage::Western() {
    if (const CodePage* page = Find(QStringLiteral("windows-1252"))) {
        return *page;
    }
    // A platform without the converter still reads and writes the default code page: its
    // bytes 0x80 to 0x9F, then Latin-1, from a table of its own.
    static const CodePage own = [] {
        static constexpr char16_t High[32] = {
            0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
            0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
            0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
        QString chars(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b) {
            chars[b] = QChar(b >= 0x80 && b < 0xA0 ? High[b - 0x80] : char16_t(b));
        }
        return CodePage("windows-1252", QT_TRANSLATE_NOOP("voxtrel::CodePage", "Western"), chars);
    }();
    return own;
}

const CodePage* CodePage::Find(const QString& Name) {
    for (const CodePage* page : All()) {
        if (page->Name().compare(Name, Qt::CaseInsensitive) == 0) {
            return page;
        }
    }
    return nullptr;
}

QString CodePage::decode(const char* bytes, qsizetype size) const {
    QString out(size, Qt::Uninitialized);
    QChar* dst = out.data();
    for (qsizetype i = 0; i < size; ++i) {
        dst[i] = QChar(m_ToUnicode[static_cast<quint8>(bytes[i])]);
    }
    return out;
}

bool CodePage::canEncode(QChar c) const {
    const char16_t u = c.unicode();
    return u == 0 || m_FromUnicode[u] != 0;
}

bool CodePage::canEncode(const QString& text) const {
    const auto holds = [this](const QString& chars) {
        return std::all_of(chars.begin(), chars.end(), [this](QChar c) { return canEncode(c); });
    };
    return holds(text) || holds(text.normalized(QString::NormalizationForm_C));
}

QString CodePage::Fitted(const QString& text) const {
    for (const QChar c : text) {
        if (!canEncode(c)) {
            return text.normalized(QString::NormalizationForm_C);
        }
    }
    return text;
}

QByteArray CodePage::encode(const QString& given) const {
    const QString text = Fitted(given);
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
        const quint8 b = m_FromUnicode[u];
        out.append(u == 0 || b != 0 ? static_cast<char>(b) : '?');
    }
    return out;
}

} // namespace voxtrel

#include "document/LikelyEncoding.h"

#include "names/Baza.h"
#include "names/CodePage.h"

#include <QHash>
#include <algorithm>
#include <memory>
#include <unicode/ucsdet.h>

namespace voxtrel::LikelyEncoding {
namespace {

// The detector's names of the single-byte pages, as the editor's code pages.
QString PageOf(const char* Detected) {
    static const QHash<QString, QString> pages{
        {QStringLiteral("ISO-8859-1"), QStringLiteral("windows-1252")},
        {QStringLiteral("ISO-8859-2"), QStringLiteral("windows-1250")},
        {QStringLiteral("ISO-8859-7"), QStringLiteral("windows-1253")},
        {QStringLiteral("ISO-8859-9"), QStringLiteral("windows-1254")},
        {QStringLiteral("ISO-8859-8"), QStringLiteral("windows-1255")},
        {QStringLiteral("ISO-8859-6"), QStringLiteral("windows-1256")},
    };
    const QString name = QString::fromLatin1(Detected);
    const QString page = pages.value(name, name);
    return CodePage::Find(page) ? CodePage::Find(page)->Name() : QString();
}

// Whether a page writes a Latin script, where most letters of a name are plain ASCII.
bool Latin(const CodePage& Page) {
    static const QStringList latin{"windows-1250", "windows-1252", "windows-1254", "windows-1257",
                                   "windows-1258"};
    return latin.contains(Page.Name());
}

} // namespace

std::optional<QString> Instead(const Baza& Table, const CodePage& Chosen) {
    // Only the names with a byte above ASCII say anything about the page.
    QByteArray sample;
    qsizetype letters = 0;
    qsizetype accented = 0;
    for (qint32 i = 0; i < Table.Count(); ++i) {
        const QByteArray bytes = Table.GetNazwaBytes(i);
        if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return quint8(c) < 0x80; })) {
            continue;
        }
        sample += bytes + ' ';
        for (const QChar c : Chosen.decode(bytes)) {
            letters += c.isLetter() ? 1 : 0;
            accented += c.isLetter() && c.unicode() >= 0x80 ? 1 : 0;
        }
    }
    // A Western name has an accented letter here and there, not in every other place.
    constexpr qsizetype MinLetters = 16;
    if (letters < MinLetters || !Latin(Chosen) || accented * 2 < letters) {
        return std::nullopt;
    }
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UCharsetDetector, decltype(&ucsdet_close)> detector(ucsdet_open(&status),
                                                                              ucsdet_close);
    ucsdet_setText(detector.get(), sample.constData(), int32_t(sample.size()), &status);
    int32_t found = 0;
    const UCharsetMatch** matches = ucsdet_detectAll(detector.get(), &found, &status);
    if (U_FAILURE(status)) {
        return std::nullopt;
    }
    for (int32_t i = 0; i < found; ++i) {
        UErrorCode nameStatus = U_ZERO_ERROR;
        const QString page = PageOf(ucsdet_getName(matches[i], &nameStatus));
        const CodePage* likely = page.isEmpty() ? nullptr : CodePage::Find(page);
        if (U_SUCCESS(nameStatus) && likely && !Latin(*likely)) {
            return likely->Name();
        }
    }
    return std::nullopt;
}

} // namespace voxtrel::LikelyEncoding

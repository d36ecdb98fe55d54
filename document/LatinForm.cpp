#include "document/LatinForm.h"

#include <memory>
#include <unicode/translit.h>
#include <unicode/unistr.h>

namespace voxtrel {

QString LatinForm(const QString& Character) {
    static const std::unique_ptr<icu::Transliterator> latin = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> made(icu::Transliterator::createInstance(
            icu::UnicodeString::fromUTF8("Any-Latin; Latin-ASCII"), UTRANS_FORWARD, status));
        return U_SUCCESS(status) ? std::move(made) : nullptr;
    }();
    if (!latin) {
        return QStringLiteral("?");
    }
    icu::UnicodeString text(reinterpret_cast<const char16_t*>(Character.utf16()),
                            static_cast<int32_t>(Character.size()));
    latin->transliterate(text);
    const QString out(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
    // What is still not ASCII has no Latin form.
    for (const QChar c : out) {
        if (c.unicode() > 0x7F) {
            return QStringLiteral("?");
        }
    }
    return out.isEmpty() ? QStringLiteral("?") : out;
}

} // namespace voxtrel

#include "app/NameValidator.h"

#include "names/CodePage.h"

namespace voxtrel {

NameValidator::NameValidator(std::function<const CodePage&()> page, RefusedHandler refused,
                             QObject* parent)
    : QValidator(parent), m_Page(std::move(page)), m_Refused(std::move(refused)) {}

QValidator::State NameValidator::validate(QString& input, int& pos) const {
    // A zero character would end the name in the file.
    if (input.contains(QChar(0))) {
        return Invalid;
    }
    const CodePage& page = m_Page();
    // A letter typed or pasted as a base and a combining mark (e and U+0301, as some
    // keyboards and file names give it) is composed where the code page holds the whole
    // letter, as a list's names are.
    if (const QString fitted = page.Fitted(input); fitted != input) {
        pos = int(page.Fitted(input.left(pos)).size());
        input = fitted;
    }
    QStringList refused;
    QString kept;
    kept.reserve(input.size());
    int keptBeforeCursor = 0;
    for (qsizetype i = 0; i < input.size(); ++i) {
        const bool pair =
            input[i].isHighSurrogate() && i + 1 < input.size() && input[i + 1].isLowSurrogate();
        const QString c = input.mid(i, pair ? 2 : 1);
        if (page.canEncode(c) && !pair) {
            kept += c;
            keptBeforeCursor += i < pos ? 1 : 0;
        } else if (!refused.contains(c)) {
            refused << c;
        }
        i += pair ? 1 : 0;
    }
    if (refused.isEmpty()) {
        return Acceptable;
    }
    // Left out, with the cursor where it would have been.
    input = kept;
    pos = keptBeforeCursor;
    m_Refused(refused, kept);
    return Acceptable;
}

} // namespace voxtrel

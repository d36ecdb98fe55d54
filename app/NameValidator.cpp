#include "app/NameValidator.h"

#include "names/CodePage.h"

namespace voxtrel {

NameValidator::NameValidator(std::function<const CodePage&()> page,
                             std::function<void(const QString&)> refused, QObject* parent)
    : QValidator(parent), m_Page(std::move(page)), m_Refused(std::move(refused)) {}

QValidator::State NameValidator::validate(QString& input, int& pos) const {
    Q_UNUSED(pos);
    // A zero character would end the name in the file.
    if (input.contains(QChar(0))) {
        return Invalid;
    }
    const CodePage& page = m_Page();
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (!page.canEncode(input[i])) {
            const bool pair = input[i].isHighSurrogate() && i + 1 < input.size();
            m_Refused(input.mid(i, pair ? 2 : 1));
            return Invalid;
        }
    }
    return Acceptable;
}

} // namespace voxtrel

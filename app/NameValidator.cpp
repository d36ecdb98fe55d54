#include "app/NameValidator.h"

#include "names/Cp1252.h"

namespace voxtrel {

QValidator::State NameValidator::validate(QString& input, int& pos) const {
    Q_UNUSED(pos);
    for (QChar c : input) {
        if (c.unicode() == 0 || !Cp1252::canEncode(c)) {
            return Invalid;
        }
    }
    return Acceptable;
}

} // namespace voxtrel

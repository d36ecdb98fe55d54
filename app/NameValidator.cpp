#include "app/NameValidator.h"

#include "names/Cp1252.h"

namespace voxtrel {

QValidator::State NameValidator::validate(QString& input, int& pos) const {
    Q_UNUSED(pos);
    // A zero character would end the name in the file.
    return input.contains(QChar(0)) || !Cp1252::canEncode(input) ? Invalid : Acceptable;
}

} // namespace voxtrel

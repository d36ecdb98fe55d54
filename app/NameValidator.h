#pragma once

#include <QValidator>

namespace voxtrel {

// Accepts only text whose every character the name file's code page can hold, so what the
// list shows is what will be saved. Typing or pasting anything else is refused.
class NameValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

} // namespace voxtrel

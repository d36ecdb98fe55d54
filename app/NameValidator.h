#pragma once

#include <QValidator>
#include <functional>

namespace voxtrel {

class CodePage;

// Accepts only text whose every character the code page in force can hold, so what the list
// shows is what will be saved. Typing or pasting anything else is refused, and Refused is
// told the first character that the code page cannot hold.
class NameValidator : public QValidator {
    Q_OBJECT
public:
    NameValidator(std::function<const CodePage&()> page,
                  std::function<void(const QString&)> refused, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    std::function<const CodePage&()> m_Page;
    std::function<void(const QString&)> m_Refused;
};

} // namespace voxtrel

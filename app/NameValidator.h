#pragma once

#include <QStringList>
#include <QValidator>
#include <functional>

namespace voxtrel {

class CodePage;

// Keeps only characters that the code page in force can hold, so what the list shows is what
// will be saved. A typed character it cannot hold is left out; a paste keeps the rest. Each
// time, Refused is told the characters left out and the text that was kept.
class NameValidator : public QValidator {
    Q_OBJECT
public:
    using RefusedHandler = std::function<void(const QStringList& Refused, const QString& Kept)>;
    NameValidator(std::function<const CodePage&()> page, RefusedHandler refused, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    std::function<const CodePage&()> m_Page;
    RefusedHandler m_Refused;
};

} // namespace voxtrel

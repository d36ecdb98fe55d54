#pragma once

#include <QString>
#include <optional>
#include <utility>

namespace voxtrel {

// What an operation made, or why it made nothing. The smallest of the outcome values: where a
// caller must tell more outcomes apart, the result names them in an enum beside the reason
// (OpenResult, SaveResult, FileRead, FileWrite, ListCheck). A value that may simply be absent
// is a std::optional.
template <typename T> class [[nodiscard]] Result {
public:
    static Result Made(T Value) { return Result(std::move(Value), {}); }
    static Result Refused(QString Why) { return Result(std::nullopt, std::move(Why)); }

    [[nodiscard]] bool Ok() const { return m_Value.has_value(); }
    // Only when Ok().
    [[nodiscard]] const T& Value() const { return *m_Value; }
    // Why nothing was made; empty when Ok().
    [[nodiscard]] const QString& Reason() const { return m_Reason; }

private:
    Result(std::optional<T> Value, QString Why)
        : m_Value(std::move(Value)), m_Reason(std::move(Why)) {}

    std::optional<T> m_Value;
    QString m_Reason;
};

} // namespace voxtrel

#pragma once

#include <QByteArray>
#include <QString>

namespace voxtrel::test {

// A whole file's bytes; empty when it cannot be read.
QByteArray ReadBytes(const QString& path);
// Writes bytes as the whole file; false when it cannot be written.
bool WriteBytes(const QString& path, const QByteArray& bytes);

} // namespace voxtrel::test

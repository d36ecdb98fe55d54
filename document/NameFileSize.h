#pragma once

#include <QString>

namespace voxtrel::NameFileSize {

// Why a file is not taken as a name file: it decompresses to Bytes, not to a name file's
// size. Name is the file as the user knows it (a bare name or a path).
QString WrongSize(const QString& Name, qint64 Bytes);

} // namespace voxtrel::NameFileSize

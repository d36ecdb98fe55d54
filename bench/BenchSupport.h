#pragma once

#include <QString>

namespace voxtrel::bench {

// Writes a full decompressed name file (header, 1209 named records with fields, trailing
// block) to path and returns path.
QString WriteFullNameFile(const QString& path);

} // namespace voxtrel::bench

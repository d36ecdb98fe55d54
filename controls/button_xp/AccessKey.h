#pragma once

#include <QString>

namespace voxtrel {

// The access key a caption marks with "&" ("&&" is a literal ampersand), in lower case, or
// the empty text when it marks none. Only the first two ampersand groups are looked at.
QString AccessKeyFromCaption(const QString& caption);

} // namespace voxtrel

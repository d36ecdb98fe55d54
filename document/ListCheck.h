#pragma once

#include "document/NameChange.h"

#include <QString>

namespace voxtrel {

// What reading and checking a name list came to. A list is taken whole or not at all.
struct ListCheck {
    enum class Outcome {
        Ready,      // every row is right: Changes are the renames it asks for (maybe none)
        Unreadable, // the list could not be read: missing, not a plain file, too large, empty
        Refused,    // rows are wrong: Reason names each line at fault (the first 20)
    };
    Outcome Result = Outcome::Refused;
    NameChanges Changes;
    QString Reason;

    bool Ok() const { return Result == Outcome::Ready; }
};

} // namespace voxtrel

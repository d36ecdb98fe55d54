#pragma once

#include "document/NameChange.h"

#include <QString>
#include <QStringList>

namespace voxtrel {

// What reading and checking a name list came to. A list is taken whole or not at all.
struct ListCheck {
    enum class Outcome {
        Ready,      // every row is right: Changes are the renames it asks for (maybe none)
        Unreadable, // the list could not be read: missing, not a plain file, too large, empty
        Refused,    // rows are wrong: Reason names each line at fault (the first 20)
        Conflict,   // every row is right, but some names are not what the patch says they
                    // were: Reason names each; Changes holds them all, to apply by force
    };
    Outcome Result = Outcome::Refused;
    NameChanges Changes;
    QString Reason;

    bool Ok() const { return Result == Outcome::Ready; }
    // The rows whose characters the code page cannot hold were replaced, each as
    // "line 4: Łukasz → Lukasz".
    QStringList Replacements;
    // Rows whose new name looks like what a spreadsheet made of the current one, worded with
    // their places and the advice; empty when none. Applied only when the user insists.
    QString Damage;
    // What the reader noticed without refusing: the sheet read of several, hidden rows.
    QStringList Notes;

    [[nodiscard]] bool Damaged() const { return !Damage.isEmpty(); }
};

} // namespace voxtrel

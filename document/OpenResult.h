#pragma once

#include <QString>

namespace voxtrel {

// What an open did. After anything but Opened, the file that was open stays open as it was.
struct OpenResult {
    enum class Outcome {
        Opened,
        Declined,   // the user said no to a file of a name file's wrong size
        Missing,    // no such file (or a link to none)
        Unreadable, // it cannot be read, or is not a regular file
        Failed,     // read, but not a name file: too large, not compressed, not loadable
    };
    Outcome Result = Outcome::Failed;
    QString Reason; // empty for Opened and Declined

    bool Ok() const { return Result == Outcome::Opened; }
};

} // namespace voxtrel

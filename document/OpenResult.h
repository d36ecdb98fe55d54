#pragma once

#include <QString>
#include <QStringList>
#include <utility>

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
    OpenResult() = default;
    OpenResult(Outcome What, QString Why = {}) : Result(What), Reason(std::move(Why)) {}

    Outcome Result = Outcome::Failed;
    QString Reason; // empty for Opened and Declined
    // What recovering cut saves did first (SaveJournal), a sentence each, to tell the user
    // once, whatever the outcome.
    QStringList Notes;

    bool Ok() const { return Result == Outcome::Opened; }
};

} // namespace voxtrel

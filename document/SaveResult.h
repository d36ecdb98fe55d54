#pragma once

#include <QString>

namespace voxtrel {

// What a save did, for the window and voxtrel-names to tell the user: each outcome they
// must tell apart, with its reason.
struct SaveResult {
    enum class Outcome {
        Saved,         // the file holds the names, checked
        Failed,        // nothing was written: the file is as it was
        Rescued,       // an in-place write failed and so did writing the former bytes back:
                       // a copy of them is kept at RescuedCopy
        ChangedOnDisk, // another program changed or replaced the file since it was read:
                       // nothing was written
        Declined,      // the user said no to writing a name file of another size, or
                       // gave up waiting for the file's lock: nothing was written
        Locked,        // another program held the file's lock too long: nothing was written
    };
    // Why a saved file was written in place rather than replaced by a new file.
    enum class InPlace {
        No,
        Folder,   // its folder takes no new file beside it
        LongName, // its name leaves no room for a temporary name beside it
        Links,    // it has other names (hard links), which see the new names too
        Owner,    // a new file could not be given its owner and group
    };

    Outcome Result = Outcome::Failed;
    InPlace WrittenInPlace = InPlace::No;
    QString Reason;      // why it failed or was declined; empty when saved
    QString RescuedCopy; // for Rescued

    bool Ok() const { return Result == Outcome::Saved; }
    // How the file was written, as a clause after "saved": empty for a replace, else
    // "in place: ..." with its cause.
    QString HowWritten() const;
    // One sentence for a failure: what became of the file, then the reason.
    QString FailureText(const QString& FileName) const;
};

} // namespace voxtrel

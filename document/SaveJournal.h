#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace voxtrel {

class ResolvedTarget;

// The journal of in-place writes. Before a byte of a file is written over in place, its
// present bytes go to a recovery copy, with a record of what is written where (the path,
// device and inode, the hashes of the old and the new bytes), both synced, and their folder
// too. A write that ends removes them. A write that was cut (a kill, a power cut) leaves
// them, and the next recovery puts the old bytes back where the file holds neither.
//
// The recovery folder is $XDG_STATE_HOME/voxtrel-editor/, else ~/.local/state/voxtrel-editor/:
// outside every temporary and working folder, so that no clean-up and no reboot empties it.
class SaveJournal {
public:
    // One write's record, as it is kept on disk: a text of "key=value" lines under a first
    // line that names the format.
    struct Record {
        QString File;       // the path as the user gave it, made absolute where it could be
        quint64 Device = 0; // the file written, then
        quint64 Inode = 0;
        QByteArray OldHash; // SHA-256 in hexadecimal
        QByteArray NewHash;
        QString When; // the local time of the save, "yyyy-MM-dd HH:mm:ss"

        [[nodiscard]] QByteArray Bytes() const;
        // Nothing for what is not a record of this format.
        [[nodiscard]] static std::optional<Record> Parse(const QByteArray& Bytes);
    };

    // The recovery folder, ending in a separator; empty when there is no home to put it in.
    [[nodiscard]] static QString Folder();

    struct Begun {
        enum class Outcome {
            Begun,
            NoFolder, // no recovery folder can be made: nothing may be written in place
            Failed,   // the copy or the record could not be made durable
        };
        Outcome Result = Outcome::NoFolder;
        QString Reason;
        QString Id;   // for Finish
        QString Copy; // where the old bytes are kept

        bool Ok() const { return Result == Outcome::Begun; }
    };
    // Journals a write of New over Target, which holds Old.
    [[nodiscard]] static Begun Begin(const ResolvedTarget& Target, const QByteArray& Old,
                                     const QByteArray& New);
    // The write ended (written, or the old bytes written back): the record and copy go.
    static void Finish(const QString& Id);

    struct Recovered {
        enum class Outcome {
            Cleared,  // the file holds the new or the old bytes: the record is gone
            Restored, // the write was cut; the old bytes are back
            Kept,     // the file is gone or another one: the record and copy stay
            Busy,     // a save of it is going on now: left to that save
        };
        Outcome Result = Outcome::Cleared;
        QString File;   // as the user gave it
        QString When;   // the time of the cut save
        QString Copy;   // the old bytes, for Kept
        QString Reason; // for Kept: why it was not applied

        // One sentence for the user; empty for Cleared and Busy.
        QString Text() const;
    };
    // Looks at every record in the recovery folder and does what each needs.
    [[nodiscard]] static QList<Recovered> Recover();
};

} // namespace voxtrel

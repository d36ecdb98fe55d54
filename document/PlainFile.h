#pragma once

#include "document/FileStamp.h"

#include <QByteArray>
#include <QString>

namespace voxtrel {

class ResolvedTarget;

// The outcome of reading a whole file that must be a plain one.
struct FileRead {
    enum class Outcome { Read, Missing, Unreadable, NotRegular, TooLarge };
    // Probe checks all that Whole does but reads no byte.
    enum class Mode { Whole, Probe };
    Outcome Result = Outcome::Missing;
    QByteArray Bytes;
    FileStamp Stamp;
    QString Reason; // for all but Read: a sentence that names the file

    bool Ok() const { return Result == Outcome::Read; }
};

// Reads the whole file at Path. What is not a regular file (a FIFO, a device, a socket, a
// folder) is refused before anything could block, and a file over MaxBytes before a byte is
// read. Path "-" reads standard input, up to MaxBytes.
[[nodiscard]] FileRead ReadRegularFile(const QString& Path, qint64 MaxBytes,
                                       FileRead::Mode How = FileRead::Mode::Whole);
// The same for a resolved target, never following a link that took its place.
[[nodiscard]] FileRead ReadTarget(const ResolvedTarget& Target, qint64 MaxBytes);

// The file at Path, following symbolic links; Exists false when there is none.
[[nodiscard]] FileStamp StampOf(const QString& Path);
// The file Name in the open folder Folder; a link itself unless Follow.
[[nodiscard]] FileStamp StampAt(int Folder, const QByteArray& Name, bool Follow);
// The file open as Fd.
[[nodiscard]] FileStamp StampOfOpen(int Fd);

// Where a path leads: Path empty, with the reason, for a link that leads nowhere or into a
// loop.
struct LinkTarget {
    QString Path;
    QString Reason;
    bool Ok() const { return !Path.isEmpty(); }
};
// Path with every symbolic link on it followed. A path that does not exist yet (Save As) is
// given back as it is.
[[nodiscard]] LinkTarget FollowLinks(const QString& Path);

// Whether this process may write Path (a file, or a folder to make files in).
[[nodiscard]] bool MayWrite(const QString& Path);

// Whether a new file made by this process can be given Stamp's owner and group: always for
// root; otherwise only when the file is the user's own and of a group the user is in.
[[nodiscard]] bool CanKeepOwner(const FileStamp& Stamp);

// Writes all of Bytes to Fd from where it stands; false with errno set when not all went.
[[nodiscard]] bool WriteAll(int Fd, const QByteArray& Bytes);

} // namespace voxtrel

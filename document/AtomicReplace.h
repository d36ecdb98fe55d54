#pragma once

#include <QByteArray>
#include <QString>

namespace voxtrel {

// What a file on disk is: which file (device and inode), its size and modification time, its
// links, owner, group and mode. Taken when the document reads a file, and again just before it
// writes it, to tell whether another program changed it in between.
struct FileStamp {
    bool Exists = false;
    bool Regular = false;
    quint64 Device = 0;
    quint64 Inode = 0;
    qint64 Size = 0;
    qint64 ModifiedNs = 0;
    quint64 Links = 0;
    uint Owner = 0;
    uint Group = 0;
    uint Mode = 0; // permission bits

    bool SameFile(const FileStamp& Other) const {
        return Exists && Other.Exists && Device == Other.Device && Inode == Other.Inode;
    }
    // The same file, not written since: same size and modification time.
    bool Unchanged(const FileStamp& Other) const {
        return SameFile(Other) && Size == Other.Size && ModifiedNs == Other.ModifiedNs;
    }
};

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

// Paths are absolute, in the form NativePath gives them.

// Reads the whole file at Path. What is not a regular file (a FIFO, a device, a socket, a
// folder) is refused before anything could block, and a file over MaxBytes before a byte is
// read. Path "-" reads standard input, up to MaxBytes.
FileRead ReadRegularFile(const QString& Path, qint64 MaxBytes,
                         FileRead::Mode How = FileRead::Mode::Whole);

// The file at Path, following symbolic links; Exists false when there is none.
FileStamp StampOf(const QString& Path);

// Where a path leads: Path empty, with the reason, for a link that leads nowhere or into a
// loop.
struct LinkTarget {
    QString Path;
    QString Reason;
    bool Ok() const { return !Path.isEmpty(); }
};
// Path with every symbolic link on it followed. A path that does not exist yet (Save As) is
// given back as it is.
LinkTarget FollowLinks(const QString& Path);

// What a write came to: the reason when not Ok.
struct FileWrite {
    bool Ok = false;
    QString Reason;
};

// Whether this process may write Path (a file, or a folder to make files in).
bool MayWrite(const QString& Path);

// Whether a new file made by this process can be given Stamp's owner and group: always for
// root; otherwise only when the file is the user's own and of a group the user is in.
bool CanKeepOwner(const FileStamp& Stamp);

// Replaces the file at Path with Bytes atomically: a reader sees the old file or the new one,
// never a part of either, also when the process is killed at any moment. The new bytes go
// to an unnamed file in the same folder, which gets a name of its own, ".<name>.voxtrel-XXXXXX",
// only for the instant before it is renamed over Path; the folder is synced afterwards.
// Such a name left by a killed run is removed by the next replace of the same file. The file
// keeps its mode, owner and group, and its extended attributes and access lists where the
// platform has them. Not Ok when Path is unchanged.
FileWrite AtomicReplace(const QString& Path, const QByteArray& Bytes);
// False when Path's name is so long that the temporary name would not fit: such a file can
// only be written in place.
bool RoomForTemporaryName(const QString& Path);

// Writes Bytes over the whole of the existing file at Path, in place, and syncs it to the
// disk before it counts as written. The file stays the same file: its
// links, owner, group and mode are untouched. The caller keeps the former bytes to write
// them back.
FileWrite WriteInPlace(const QString& Path, const QByteArray& Bytes);

// Writes Bytes to what Path names without replacing it: a FIFO, a device, standard output
// ("-"). Opening waits for a reader, as any writer to a FIFO does.
FileWrite WriteStream(const QString& Path, const QByteArray& Bytes);

// Makes a folder's entries durable. Where the platform cannot sync a folder this does
// nothing; a failure is not reported, since the file itself is already complete.
void SyncFolder(const QString& Folder);

// An advisory lock on a file for as long as it lives, so that two savers of one file take
// turns. Where the file cannot be opened or the platform has no such locks, it holds nothing.
class FileLock {
public:
    explicit FileLock(const QString& Path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int m_Fd = -1;
};

} // namespace voxtrel

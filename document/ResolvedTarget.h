#pragma once

#include "document/FileStamp.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace voxtrel {

// A file to write, resolved once: the descriptor of the folder it is in and its name there,
// every symbolic link on the way followed, and what it was at that moment. Everything a save
// does to it (the check, the lock, the journal, the write) goes through this one value, with
// openat and friends, so that the file written is the file checked, however long its path.
class ResolvedTarget {
public:
    ResolvedTarget() = default;
    ~ResolvedTarget();
    ResolvedTarget(ResolvedTarget&& Other) noexcept;
    ResolvedTarget& operator=(ResolvedTarget&& Other) noexcept;
    ResolvedTarget(const ResolvedTarget&) = delete;
    ResolvedTarget& operator=(const ResolvedTarget&) = delete;

    // The folder, open; the file's name in it (one component); the path as the user gave
    // it, for messages and records.
    int Folder() const { return m_Folder; }
    const QByteArray& Name() const { return m_Name; }
    const QString& Given() const { return m_Given; }
    // What the file was when resolved (Exists false for a file yet to be made), and what it
    // is now, without following a link that took its place.
    const FileStamp& Stamp() const { return m_Stamp; }
    FileStamp Restamp() const;
    // Whether the target, when it is no regular file, is a stream (FIFO, device, terminal)
    // reached through a link that leads nowhere a name can follow (/dev/stdout to a pipe).
    bool Stream() const { return m_Stream; }

    // Opens the file with Flags (O_NOFOLLOW added), or -1 with errno set.
    int Open(int Flags, unsigned Mode = 0) const;
    // Whether this process may write the file, or make files in its folder.
    bool MayWriteFile() const;
    bool MayWriteFolder() const;
    // Makes the folder's entries durable.
    void SyncFolder() const;

private:
    friend struct TargetResolution;
    int m_Folder = -1;
    QByteArray m_Name;
    QString m_Given;
    FileStamp m_Stamp;
    bool m_Stream = false;
};

// The outcome of resolving a path the user gave.
struct TargetResolution {
    enum class Outcome {
        Resolved,
        Dangling, // a link to a file that does not exist
        Loop,     // links that lead back to themselves
        NoFolder, // its folder cannot be opened
        Folder,   // it names a folder
    };
    Outcome Result = Outcome::NoFolder;
    QString Reason; // for all but Resolved: a sentence that names the file
    std::optional<ResolvedTarget> Target;

    bool Ok() const { return Result == Outcome::Resolved; }

    // Path: as the user gave it; relative to the current folder when not absolute. Links are
    // followed to the end; a path over PATH_MAX is walked a folder at a time.
    [[nodiscard]] static TargetResolution Resolve(const QString& Path);
};

} // namespace voxtrel

#pragma once

#include <QString>
#include <QtGlobal>

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

// What a write came to.
struct FileWrite {
    enum class Outcome {
        Written,
        Failed,     // the bytes did not all reach the disk
        SyncFailed, // written, but the disk did not confirm it
    };
    Outcome Result = Outcome::Failed;
    QString Reason; // for all but Written

    bool Ok() const { return Result == Outcome::Written; }
    static FileWrite Done() { return {Outcome::Written, {}}; }
    static FileWrite Error(const QString& Why, Outcome How = Outcome::Failed) { return {How, Why}; }
};

} // namespace voxtrel

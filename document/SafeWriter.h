#pragma once

#include "document/AtomicReplace.h"
#include "document/SaveResult.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

namespace voxtrel {

// Writes bytes over a user's file so that it is never lost: atomically, with its mode, owner,
// group and attributes kept; or, where a new file could not stand for it (a folder that takes
// no new file, other hard links, an owner a new file could not get, a name with no room for a
// temporary one), in place, journalled (SaveJournal) so that a write cut off at any moment is
// rolled back at the next open.
class SafeWriter {
public:
    // Writes Bytes over Target, a file as Now found it (or none). The caller holds its lock.
    [[nodiscard]] SaveResult Write(const ResolvedTarget& Target, const QByteArray& Bytes,
                                   const FileStamp& Now);
    // Writes Bytes to an output the user named: "-" is standard output, a FIFO or a device
    // is written as a stream and stays what it is, a regular file as Write does, under its
    // lock. A link is followed. Not, the files the bytes come from, are refused.
    [[nodiscard]] SaveResult WriteOutput(const QString& Target, const QByteArray& Bytes,
                                         const QList<FileStamp>& Not, const LockWait& Waiting = {});

    // How a file is written over in place; tests put a failing one here.
    using InPlaceWriter =
        std::function<FileWrite(const ResolvedTarget& Target, const QByteArray& Bytes)>;
    void setInPlaceWriter(InPlaceWriter Writer) { m_WriteInPlace = std::move(Writer); }

    // A lock that could not be taken, as a save's outcome.
    [[nodiscard]] static SaveResult NotLocked(const FileLock::Taken& Lock);

private:
    SaveResult WriteInPlace(const ResolvedTarget& Target, const QByteArray& Bytes,
                            SaveResult::InPlace Why);

    InPlaceWriter m_WriteInPlace = voxtrel::WriteInPlace;
};

} // namespace voxtrel

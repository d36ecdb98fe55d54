#pragma once

#include "document/AtomicReplace.h"
#include "document/SaveResult.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

namespace voxtrel {

class WorkFolder;

// Writes bytes over a user's file so that it is never lost: atomically, with its mode, owner,
// group and attributes kept; or, where a new file could not stand for it (a folder that takes
// no new file, other hard links, an owner a new file could not get), in place, with the
// former bytes kept aside to be written back should that fail, and rescued should that fail
// too.
class SafeWriter {
public:
    explicit SafeWriter(WorkFolder& Folder) : m_Folder(Folder) {}

    // Writes Bytes over Target, a file as Now found it (or none).
    SaveResult Write(const QString& Target, const QByteArray& Bytes, const FileStamp& Now);
    // Writes Bytes to an output the user named: "-" is standard output, a FIFO or a device
    // is written as a stream and stays what it is, a regular file as Write does. A link is
    // followed. Not, the files the bytes come from, are refused.
    SaveResult WriteOutput(const QString& Target, const QByteArray& Bytes,
                           const QList<FileStamp>& Not);

    // How a file is written over in place; tests put a failing one here.
    using InPlaceWriter = std::function<FileWrite(const QString& Path, const QByteArray& Bytes)>;
    void setInPlaceWriter(InPlaceWriter Writer) { m_WriteInPlace = std::move(Writer); }

private:
    SaveResult WriteInPlace(const QString& Target, const QByteArray& Bytes,
                            SaveResult::InPlace Why);

    WorkFolder& m_Folder;
    InPlaceWriter m_WriteInPlace = voxtrel::WriteInPlace;
};

} // namespace voxtrel

#pragma once

#include <QByteArray>
#include <QString>

namespace voxtrel {

// Replaces the file at Path with Bytes atomically: a reader sees the old file or the new one,
// never a part of either, also when the process is killed at any moment. The new bytes go
// to an unnamed file in the same folder, which gets a name of its own, ".<name>.voxtrel-XXXXXX",
// only for the instant before it is renamed over Path; the folder is synced afterwards.
// Such a name left by a killed run is removed by the next replace of the same file. The file
// keeps its permissions. False, with the reason, when Path is unchanged.
bool AtomicReplace(const QString& Path, const QByteArray& Bytes, QString& Error);
// False when Path's name is so long that the temporary name would not fit: such a file can
// only be written in place.
bool RoomForTemporaryName(const QString& Path);

// Writes Bytes over the whole of the existing file at Path, in place, and syncs it to the
// disk before it returns true; false with the reason. For a file whose folder cannot take a
// temporary file: the caller keeps the former bytes to write them back.
bool WriteInPlace(const QString& Path, const QByteArray& Bytes, QString& Error);

// Makes a folder's entries durable. Where the platform cannot sync a folder this does
// nothing; a failure is not reported, since the file itself is already complete.
void SyncFolder(const QString& Folder);

} // namespace voxtrel

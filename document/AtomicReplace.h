#pragma once

#include "document/FileLock.h"
#include "document/FileStamp.h"
#include "document/InPlaceWrite.h"
#include "document/PlainFile.h"
#include "document/ResolvedTarget.h"

#include <QByteArray>

namespace voxtrel {

// Replaces the file Target with Bytes atomically: a reader sees the old file or the new one,
// never a part of either, also when the process is killed at any moment. The new bytes go
// to an unnamed file in the same folder, which gets a name of its own,
// ".<name>.voxtrel-NNNNNN", only for the instant before it is renamed over the target; the
// folder is synced afterwards. Such a name left by a killed run is removed by the next
// replace of the same file: only a plain file of this user's, with six digits after the
// dash and no other name. The file keeps its mode, owner and group, and its extended
// attributes and access lists where the platform has them. Not Ok when the target is
// unchanged.
[[nodiscard]] FileWrite AtomicReplace(const ResolvedTarget& Target, const QByteArray& Bytes);
// False when Name is so long that the temporary name would not fit: such a file can only be
// written in place.
[[nodiscard]] bool RoomForTemporaryName(const QByteArray& Name);

} // namespace voxtrel

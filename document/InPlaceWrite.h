#pragma once

#include "document/FileStamp.h"

#include <QByteArray>

namespace voxtrel {

class ResolvedTarget;

// Writes Bytes over the existing file Target, in place: from its first byte on, then cut to
// their length (never emptied first), and synced to the disk before it counts as written.
// The file stays the same file: its links, owner, group and mode are untouched. Callers
// journal the former bytes first (SaveJournal).
[[nodiscard]] FileWrite WriteInPlace(const ResolvedTarget& Target, const QByteArray& Bytes);

// Writes Bytes to what Target names without replacing it: a FIFO, a device. Opening waits
// for a reader, as any writer to a FIFO does.
[[nodiscard]] FileWrite WriteStream(const ResolvedTarget& Target, const QByteArray& Bytes);
// Writes Bytes to standard output.
[[nodiscard]] FileWrite WriteStandardOutput(const QByteArray& Bytes);

} // namespace voxtrel

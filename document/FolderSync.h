#pragma once

#include <QString>

namespace voxtrel {

// Makes a folder's entries durable: after a file in it was renamed, the new name survives a
// power loss. Where the platform cannot sync a folder this does nothing; a failure is not
// reported, since the file itself is already complete.
void SyncFolder(const QString& Folder);

} // namespace voxtrel

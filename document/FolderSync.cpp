// The one platform-specific piece of the document core: syncing a folder (POSIX only).
#include "document/FolderSync.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace voxtrel {

void SyncFolder(const QString& Folder) {
#ifdef Q_OS_UNIX
    const int fd =
        ::open(QFile::encodeName(Folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(Folder);
#endif
}

} // namespace voxtrel

// The platform-specific piece of the document core: replacing a file atomically, writing one
// in place, and syncing a folder (POSIX; elsewhere QSaveFile, QFile and nothing).
#include "document/AtomicReplace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace voxtrel {

bool RoomForTemporaryName(const QString& Path) {
    // ".<name>.voxtrel-XXXXXX", within the 255 bytes a name can have.
    return QFileInfo(Path).fileName().toUtf8().size() + 16 <= 255;
}

#ifdef Q_OS_UNIX
namespace {

QString temporaryPrefix(const QFileInfo& target) {
    return QStringLiteral(".") + target.fileName() + QStringLiteral(".voxtrel-");
}

// Whatever a killed replace of this file left under its temporary name.
void removeLeftovers(const QFileInfo& target) {
    const QDir folder = target.absoluteDir();
    for (const QString& name : folder.entryList(
             {temporaryPrefix(target) + QStringLiteral("??????")}, QDir::Files | QDir::Hidden)) {
        QFile::remove(folder.filePath(name));
    }
}

QString reasonOf(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        data += n;
        left -= n;
    }
    return true;
}

} // namespace

bool AtomicReplace(const QString& Path, const QByteArray& Bytes, QString& Error) {
    const QFileInfo target(Path);
    const QByteArray folder = QFile::encodeName(target.absolutePath());
    removeLeftovers(target);
    struct stat existing {};
    const mode_t mode = ::stat(QFile::encodeName(Path).constData(), &existing) == 0
                            ? (existing.st_mode & 07777)
                            : mode_t(0644);
    // Unnamed until it is complete, so that a kill while writing leaves nothing behind.
    int fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    const bool unnamed = fd >= 0;
    std::random_device random;
    QString temporary;
    for (int attempt = 0; attempt < 100 && temporary.isEmpty(); ++attempt) {
        const QString candidate = target.absoluteDir().filePath(
            temporaryPrefix(target) + QString::number(random() % 900000 + 100000, 10).right(6));
        if (!QFileInfo::exists(candidate)) {
            temporary = candidate;
        }
    }
    const QByteArray temporaryName = QFile::encodeName(temporary);
    if (!unnamed) { // a file system without unnamed files
        fd = ::open(temporaryName.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode);
    }
    if (fd < 0) {
        Error = reasonOf(errno);
        return false;
    }
    ::fchmod(fd, mode); // the umask does not narrow the file's permissions
    bool ok = writeAll(fd, Bytes) && ::fdatasync(fd) == 0;
    int failure = errno;
    if (ok && unnamed) {
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
        ok = ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, temporaryName.constData(),
                      AT_SYMLINK_FOLLOW) == 0;
        failure = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    if (ok && ::rename(temporaryName.constData(), QFile::encodeName(Path).constData()) != 0) {
        ok = false;
        failure = errno;
    }
    if (!ok) {
        ::unlink(temporaryName.constData());
        Error = reasonOf(failure);
        return false;
    }
    SyncFolder(target.absolutePath()); // the new name, durable
    return true;
}

bool WriteInPlace(const QString& Path, const QByteArray& Bytes, QString& Error) {
    const int fd = ::open(QFile::encodeName(Path).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) {
        Error = reasonOf(errno);
        return false;
    }
    bool ok = writeAll(fd, Bytes) && ::fdatasync(fd) == 0;
    int failure = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    if (!ok) {
        Error = reasonOf(failure);
    }
    return ok;
}

void SyncFolder(const QString& Folder) {
    const int fd =
        ::open(QFile::encodeName(Folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

#else

bool AtomicReplace(const QString& Path, const QByteArray& Bytes, QString& Error) {
    QSaveFile out(Path);
    if (!out.open(QIODevice::WriteOnly) || out.write(Bytes) != Bytes.size() || !out.commit()) {
        Error = out.errorString();
        out.cancelWriting();
        return false;
    }
    return true;
}

bool WriteInPlace(const QString& Path, const QByteArray& Bytes, QString& Error) {
    QFile file(Path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        file.write(Bytes) == Bytes.size() && file.flush()) {
        file.close();
        if (file.error() == QFileDevice::NoError) {
            return true;
        }
    }
    Error = file.errorString();
    return false;
}

void SyncFolder(const QString& Folder) {
    Q_UNUSED(Folder);
}

#endif

} // namespace voxtrel

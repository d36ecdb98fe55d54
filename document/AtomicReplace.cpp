// The platform-specific piece of the document core: reading plain files only, replacing a
// file atomically with its owner and attributes kept, writing one in place, locking and syncing
// (POSIX, with the Linux-only unnamed temporary file and extended attributes; elsewhere Qt's
// portable calls).
#include "document/AtomicReplace.h"

#include "document/NativePath.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>
#endif
#ifdef Q_OS_LINUX
#include <sys/xattr.h>
#endif

namespace voxtrel {

bool RoomForTemporaryName(const QString& Path) {
    // ".<name>.voxtrel-XXXXXX", within the 255 bytes a name can have.
    return NativePath::ToBytes(Path.mid(Path.lastIndexOf(QLatin1Char('/')) + 1)).size() + 16 <= 255;
}

#ifdef Q_OS_UNIX
namespace {

// The folder and the bare name of an absolute path, by its text alone.
QString folderOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}
QString nameOf(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QByteArray temporaryPrefix(const QString& target) {
    return "." + NativePath::ToBytes(nameOf(target)) + ".voxtrel-";
}

bool isLink(const QString& path) {
    struct stat st {};
    return ::lstat(NativePath::ToBytes(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

// Whatever a killed replace of this file left under its temporary name, six digits after it.
void removeLeftovers(const QString& target) {
    const QByteArray folder = NativePath::ToBytes(folderOf(target));
    const QByteArray prefix = temporaryPrefix(target);
    DIR* dir = ::opendir(folder.constData());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name.size() == prefix.size() + 6 && name.startsWith(prefix)) {
            ::unlink((folder + '/' + name).constData());
        }
    }
    ::closedir(dir);
}

QString reasonOf(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString quoted(const QString& path) {
    return QStringLiteral("\"%1\"").arg(path);
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

FileStamp stampOf(const struct stat& st) {
    FileStamp stamp;
    stamp.Exists = true;
    stamp.Regular = S_ISREG(st.st_mode);
    stamp.Device = st.st_dev;
    stamp.Inode = st.st_ino;
    stamp.Size = st.st_size;
    stamp.ModifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    stamp.Links = st.st_nlink;
    stamp.Owner = st.st_uid;
    stamp.Group = st.st_gid;
    stamp.Mode = st.st_mode & 07777;
    return stamp;
}

struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

// The extended attributes of the file open as From, access lists among them, given to To.
// What the file system of To does not take is left out: the content matters more.
void copyAttributes(int from, int to) {
#ifdef Q_OS_LINUX
    const ssize_t size = ::flistxattr(from, nullptr, 0);
    if (size <= 0) {
        return;
    }
    std::vector<char> names(static_cast<size_t>(size));
    const ssize_t got = ::flistxattr(from, names.data(), names.size());
    for (ssize_t at = 0; at < got;) {
        const char* name = names.data() + at;
        at += static_cast<ssize_t>(std::strlen(name)) + 1;
        const ssize_t length = ::fgetxattr(from, name, nullptr, 0);
        if (length < 0) {
            continue;
        }
        std::vector<char> value(static_cast<size_t>(length) + 1);
        const ssize_t read = ::fgetxattr(from, name, value.data(), value.size());
        if (read >= 0) {
            ::fsetxattr(to, name, value.data(), static_cast<size_t>(read), 0);
        }
    }
#else
    Q_UNUSED(from);
    Q_UNUSED(to);
#endif
}

// A new file beside Target under a short temporary name, open for writing, or -1.
int createTemporary(const QString& target, mode_t mode, QByteArray& name, bool& unnamed) {
    const QByteArray folder = NativePath::ToBytes(folderOf(target));
    int fd = -1;
    unnamed = false;
#ifdef Q_OS_LINUX
    // Unnamed until it is complete, so that a kill while writing leaves nothing behind.
    fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    unnamed = fd >= 0;
#endif
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + '/' + temporaryPrefix(target) +
               QByteArray::number(random() % 900000 + 100000).right(6);
        if (unnamed) {
            struct stat st {};
            if (::lstat(name.constData(), &st) != 0) {
                return fd;
            }
            continue;
        }
        fd = ::open(name.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    if (unnamed) {
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

// Gives the unnamed file fd the name Name (Linux), where it is complete.
bool nameTemporary(int fd, const QByteArray& name) {
#ifdef Q_OS_LINUX
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0;
#else
    Q_UNUSED(fd);
    Q_UNUSED(name);
    errno = ENOTSUP;
    return false;
#endif
}

} // namespace

FileRead ReadRegularFile(const QString& Path, qint64 MaxBytes, FileRead::Mode How) {
    FileRead read;
    const QString shown =
        Path == QLatin1String("-") ? QStringLiteral("standard input") : quoted(Path);
    Descriptor in;
    if (Path == QLatin1String("-")) {
        in.fd = ::dup(STDIN_FILENO);
    } else {
        // Without waiting: a FIFO with no writer would otherwise block this open for ever.
        in.fd = ::open(NativePath::ToBytes(Path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    }
    if (in.fd < 0) {
        const int error = errno;
        read.Result = error == ENOENT ? FileRead::Outcome::Missing : FileRead::Outcome::Unreadable;
        read.Reason = error == ENOENT
                          ? QStringLiteral("%1 does not exist.").arg(shown)
                          : QStringLiteral("cannot read %1: %2").arg(shown, reasonOf(error));
        if (error == ENOENT && isLink(Path)) {
            read.Reason = QStringLiteral("%1 is a link to a file that does not exist.").arg(shown);
        }
        struct stat st {};
        if (error != ENOENT && ::stat(NativePath::ToBytes(Path).constData(), &st) == 0 &&
            !S_ISREG(st.st_mode)) { // a socket cannot even be opened
            read.Result = FileRead::Outcome::NotRegular;
            read.Reason = QStringLiteral("%1 is not a regular file.").arg(shown);
        }
        return read;
    }
    struct stat st {};
    if (::fstat(in.fd, &st) != 0) {
        read.Result = FileRead::Outcome::Unreadable;
        read.Reason = QStringLiteral("cannot read %1: %2").arg(shown, reasonOf(errno));
        return read;
    }
    read.Stamp = stampOf(st);
    const bool stream = Path == QLatin1String("-") && (S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode));
    if (!S_ISREG(st.st_mode) && !stream) {
        read.Result = FileRead::Outcome::NotRegular;
        read.Reason = S_ISDIR(st.st_mode) ? QStringLiteral("%1 is a folder, not a file.").arg(shown)
                                          : QStringLiteral("%1 is not a regular file.").arg(shown);
        return read;
    }
    if (S_ISREG(st.st_mode) && st.st_size > MaxBytes) {
        read.Result = FileRead::Outcome::TooLarge;
        read.Reason = QStringLiteral("%1 is larger than %2 MiB.")
                          .arg(shown)
                          .arg(double(MaxBytes) / (1024 * 1024), 0, 'g', 3);
        return read;
    }
    if (How == FileRead::Mode::Probe) {
        read.Result = FileRead::Outcome::Read;
        return read;
    }
    if (stream) { // standard input waits for its writer, as a pipe does
        ::fcntl(in.fd, F_SETFL, ::fcntl(in.fd, F_GETFL) & ~O_NONBLOCK);
    }
    QByteArray bytes;
    bytes.reserve(S_ISREG(st.st_mode) ? qsizetype(st.st_size) : 65536);
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(in.fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            read.Result = FileRead::Outcome::Unreadable;
            read.Reason = QStringLiteral("cannot read %1: %2").arg(shown, reasonOf(errno));
            return read;
        }
        if (n == 0) {
            break;
        }
        if (bytes.size() + n > MaxBytes) { // it grew while being read
            read.Result = FileRead::Outcome::TooLarge;
            read.Reason = QStringLiteral("%1 is larger than %2 MiB.")
                              .arg(shown)
                              .arg(double(MaxBytes) / (1024 * 1024), 0, 'g', 3);
            return read;
        }
        bytes.append(buffer, n);
    }
    read.Result = FileRead::Outcome::Read;
    read.Bytes = std::move(bytes);
    return read;
}

FileStamp StampOf(const QString& Path) {
    struct stat st {};
    if (::stat(NativePath::ToBytes(Path).constData(), &st) != 0) {
        return {};
    }
    return stampOf(st);
}

LinkTarget FollowLinks(const QString& Path) {
    if (!isLink(Path)) {
        return {Path, {}};
    }
    struct stat st {};
    if (::stat(NativePath::ToBytes(Path).constData(), &st) != 0) {
        return {
            {},
            errno == ELOOP
                ? QStringLiteral("%1 is a link that leads back to itself.").arg(quoted(Path))
                : QStringLiteral("%1 is a link to a file that does not exist.").arg(quoted(Path))};
    }
    // A link into /proc (/dev/stdout to a pipe) has no real path; the link itself opens what
    // it leads to.
    char* real = ::realpath(NativePath::ToBytes(Path).constData(), nullptr);
    const QString followed = real != nullptr && real[0] == '/' ? NativePath::FromBytes(real) : Path;
    std::free(real);
    return {followed, {}};
}

bool MayWrite(const QString& Path) {
    return ::access(NativePath::ToBytes(Path).constData(), W_OK) == 0;
}

bool CanKeepOwner(const FileStamp& Stamp) {
    if (::geteuid() == 0) {
        return true;
    }
    if (Stamp.Owner != ::geteuid()) {
        return false;
    }
    if (Stamp.Group == ::getegid()) {
        return true;
    }
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<size_t>(std::max(count, 0)));
    const int got = ::getgroups(count, groups.data());
    for (int i = 0; i < got; ++i) {
        if (groups[static_cast<size_t>(i)] == Stamp.Group) {
            return true;
        }
    }
    return false;
}

FileWrite AtomicReplace(const QString& Path, const QByteArray& Bytes) {
    const QString& target = Path;
    removeLeftovers(target);
    Descriptor existing;
    existing.fd = ::open(NativePath::ToBytes(Path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat before {};
    const bool had = existing.fd >= 0 && ::fstat(existing.fd, &before) == 0;
    const mode_t mode = had ? (before.st_mode & 07777) : mode_t(0644);
    QByteArray temporaryName;
    bool unnamed = false;
    Descriptor out;
    out.fd = createTemporary(target, mode, temporaryName, unnamed);
    if (out.fd < 0) {
        return {false, reasonOf(errno)};
    }
    bool ok = true;
    int failure = 0;
    if (had) {
        // The new file is the old one's in all but its bytes: owner and group first, since
        // a change of owner may clear the mode's set-id bits, then the mode.
        if (before.st_uid != ::geteuid() || before.st_gid != ::getegid()) {
            ok = ::fchown(out.fd, before.st_uid, before.st_gid) == 0;
            failure = errno;
        }
        copyAttributes(existing.fd, out.fd);
    }
    // The umask does not narrow the file's permissions.
    if (ok && ::fchmod(out.fd, mode) != 0) {
        ok = false;
        failure = errno;
    }
    if (ok && !(writeAll(out.fd, Bytes) && ::fdatasync(out.fd) == 0)) {
        ok = false;
        failure = errno;
    }
    bool named = !unnamed; // a name of this run's own, to remove should the save fail
    if (ok && unnamed) {
        named = nameTemporary(out.fd, temporaryName);
        ok = named;
        failure = errno;
    }
    const int fd = out.fd;
    out.fd = -1;
    if (::close(fd) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    if (ok && ::rename(temporaryName.constData(), NativePath::ToBytes(Path).constData()) != 0) {
        ok = false;
        failure = errno;
    }
    if (!ok) {
        if (named) {
            ::unlink(temporaryName.constData());
        }
        return {false, reasonOf(failure)};
    }
    SyncFolder(folderOf(target)); // the new name, durable
    return {true, {}};
}

FileWrite WriteInPlace(const QString& Path, const QByteArray& Bytes) {
    const int fd = ::open(NativePath::ToBytes(Path).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) {
        return {false, reasonOf(errno)};
    }
    bool ok = writeAll(fd, Bytes) && ::fdatasync(fd) == 0;
    int failure = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    return {ok, ok ? QString() : reasonOf(failure)};
}

FileWrite WriteStream(const QString& Path, const QByteArray& Bytes) {
    Descriptor out;
    out.fd = Path == QLatin1String("-")
                 ? ::dup(STDOUT_FILENO)
                 : ::open(NativePath::ToBytes(Path).constData(), O_WRONLY | O_CLOEXEC);
    if (out.fd < 0 || !writeAll(out.fd, Bytes)) {
        return {false, reasonOf(errno)};
    }
    return {true, {}};
}

void SyncFolder(const QString& Folder) {
    const int fd =
        ::open(NativePath::ToBytes(Folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

FileLock::FileLock(const QString& Path) {
    m_Fd = ::open(NativePath::ToBytes(Path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_Fd >= 0) {
        struct stat st {};
        if (::fstat(m_Fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(m_Fd);
            m_Fd = -1;
            return;
        }
        while (::flock(m_Fd, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
}

FileLock::~FileLock() {
    if (m_Fd >= 0) {
        ::close(m_Fd); // and with it the lock
    }
}

#else

FileRead ReadRegularFile(const QString& Path, qint64 MaxBytes, FileRead::Mode How) {
    FileRead read;
    const QFileInfo info(Path);
    QFile file(Path);
    if (!info.exists()) {
        read.Reason = QStringLiteral("\"%1\" does not exist.").arg(Path);
        return read;
    }
    if (!info.isFile()) {
        read.Result = FileRead::Outcome::NotRegular;
        read.Reason = QStringLiteral("\"%1\" is not a regular file.").arg(Path);
        return read;
    }
    if (info.size() > MaxBytes) {
        read.Result = FileRead::Outcome::TooLarge;
        read.Reason = QStringLiteral("\"%1\" is too large.").arg(Path);
        return read;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        read.Result = FileRead::Outcome::Unreadable;
        read.Reason = QStringLiteral("cannot read \"%1\": %2").arg(Path, file.errorString());
        return read;
    }
    read.Stamp = StampOf(Path);
    if (How == FileRead::Mode::Probe) {
        read.Result = FileRead::Outcome::Read;
        return read;
    }
    read.Bytes = file.read(MaxBytes + 1);
    read.Result =
        read.Bytes.size() > MaxBytes ? FileRead::Outcome::TooLarge : FileRead::Outcome::Read;
    return read;
}

FileStamp StampOf(const QString& Path) {
    const QFileInfo info(Path);
    FileStamp stamp;
    stamp.Exists = info.exists();
    stamp.Regular = info.isFile();
    stamp.Size = info.size();
    stamp.ModifiedNs = info.lastModified().toMSecsSinceEpoch() * 1000000;
    stamp.Links = 1;
    stamp.Inode = qHash(info.canonicalFilePath());
    return stamp;
}

LinkTarget FollowLinks(const QString& Path) {
    const QFileInfo info(Path);
    if (!info.isSymLink()) {
        return {Path, {}};
    }
    if (!info.exists()) {
        return {{}, QStringLiteral("\"%1\" is a link to a file that does not exist.").arg(Path)};
    }
    return {info.canonicalFilePath(), {}};
}

bool CanKeepOwner(const FileStamp& Stamp) {
    Q_UNUSED(Stamp);
    return true;
}

bool MayWrite(const QString& Path) {
    return QFileInfo(Path).isWritable();
}

FileWrite AtomicReplace(const QString& Path, const QByteArray& Bytes) {
    QSaveFile out(Path);
    if (!out.open(QIODevice::WriteOnly) || out.write(Bytes) != Bytes.size() || !out.commit()) {
        out.cancelWriting();
        return {false, out.errorString()};
    }
    return {true, {}};
}

FileWrite WriteInPlace(const QString& Path, const QByteArray& Bytes) {
    QFile file(Path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        file.write(Bytes) == Bytes.size() && file.flush()) {
        file.close();
        if (file.error() == QFileDevice::NoError) {
            return {true, {}};
        }
    }
    return {false, file.errorString()};
}

FileWrite WriteStream(const QString& Path, const QByteArray& Bytes) {
    QFile file;
    const bool opened = Path == QLatin1String("-")
                            ? file.open(stdout, QIODevice::WriteOnly)
                            : (file.setFileName(Path), file.open(QIODevice::WriteOnly));
    if (opened && file.write(Bytes) == Bytes.size() && file.flush()) {
        return {true, {}};
    }
    return {false, file.errorString()};
}

void SyncFolder(const QString& Folder) {
    Q_UNUSED(Folder);
}

FileLock::FileLock(const QString& Path) {
    Q_UNUSED(Path);
}

FileLock::~FileLock() = default;

#endif

} // namespace voxtrel

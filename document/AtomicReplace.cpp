// Replacing a file atomically with its owner and attributes kept (POSIX, with the Linux-only
// unnamed temporary file and extended attributes).
#include "document/AtomicReplace.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>
#ifdef Q_OS_LINUX
#include <sys/xattr.h>
#endif

namespace voxtrel {
namespace {

// The digits a temporary name ends in.
constexpr int TemporaryDigits = 6;

QByteArray temporaryPrefix(const QByteArray& name) {
    return "." + name + ".voxtrel-";
}

QString reasonOf(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

// Whether Name is one this program gives a new file of Target's: the prefix and exactly six
// digits, the first not 0.
bool isTemporaryName(const QByteArray& name, const QByteArray& prefix) {
    if (name.size() != prefix.size() + TemporaryDigits || !name.startsWith(prefix)) {
        return false;
    }
    const QByteArray digits = name.mid(prefix.size());
    return digits.at(0) != '0' &&
           std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Whatever a killed replace of this file left under its temporary name. A user's file that
// only looks like one (another owner, other links, not a plain file) stays.
void removeLeftovers(const ResolvedTarget& target) {
    const QByteArray prefix = temporaryPrefix(target.Name());
    DIR* dir = ::fdopendir(::openat(target.Folder(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        struct stat st {};
        if (isTemporaryName(name, prefix) &&
            ::fstatat(target.Folder(), name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && st.st_nlink == 1) {
            ::unlinkat(target.Folder(), name.constData(), 0);
        }
    }
    ::closedir(dir);
}

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
int createTemporary(const ResolvedTarget& target, mode_t mode, QByteArray& name, bool& unnamed) {
    int fd = -1;
    unnamed = false;
#ifdef Q_OS_LINUX
    // Unnamed until it is complete, so that a kill while writing leaves nothing behind.
    fd = ::openat(target.Folder(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    unnamed = fd >= 0;
#endif
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = temporaryPrefix(target.Name()) + QByteArray::number(random() % 900000 + 100000);
        if (unnamed) {
            struct stat st {};
            if (::fstatat(target.Folder(), name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
                return fd;
            }
            continue;
        }
        fd = ::openat(target.Folder(), name.constData(),
                      O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, mode);
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
bool nameTemporary(int fd, const ResolvedTarget& target, const QByteArray& name) {
#ifdef Q_OS_LINUX
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    return ::linkat(AT_FDCWD, self.constData(), target.Folder(), name.constData(),
                    AT_SYMLINK_FOLLOW) == 0;
#else
    Q_UNUSED(fd);
    Q_UNUSED(target);
    Q_UNUSED(name);
    errno = ENOTSUP;
    return false;
#endif
}

} // namespace

bool RoomForTemporaryName(const QByteArray& Name) {
    // ".<name>.voxtrel-NNNNNN", within the 255 bytes a name can have.
    return temporaryPrefix(Name).size() + TemporaryDigits <= 255;
}

FileWrite AtomicReplace(const ResolvedTarget& Target, const QByteArray& Bytes) {
    removeLeftovers(Target);
    Descriptor existing;
    existing.fd = Target.Open(O_RDONLY | O_NONBLOCK);
    struct stat before {};
    const bool had = existing.fd >= 0 && ::fstat(existing.fd, &before) == 0;
    const mode_t mode = had ? (before.st_mode & 07777) : mode_t(0644);
    QByteArray temporaryName;
    bool unnamed = false;
    Descriptor out;
    out.fd = createTemporary(Target, mode, temporaryName, unnamed);
    if (out.fd < 0) {
        return FileWrite::Error(reasonOf(errno));
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
    if (ok && !(WriteAll(out.fd, Bytes) && ::fdatasync(out.fd) == 0)) {
        ok = false;
        failure = errno;
    }
    bool named = !unnamed; // a name of this run's own, to remove should the save fail
    if (ok && unnamed) {
        named = nameTemporary(out.fd, Target, temporaryName);
        ok = named;
        failure = errno;
    }
    const int fd = out.fd;
    out.fd = -1;
    if (::close(fd) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    if (ok && ::renameat(Target.Folder(), temporaryName.constData(), Target.Folder(),
                         Target.Name().constData()) != 0) {
        ok = false;
        failure = errno;
    }
    if (!ok) {
        if (named) {
            ::unlinkat(Target.Folder(), temporaryName.constData(), 0);
        }
        return FileWrite::Error(reasonOf(failure));
    }
    Target.SyncFolder(); // the new name, durable
    return FileWrite::Done();
}

} // namespace voxtrel

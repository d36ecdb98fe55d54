// Reading plain files, and what a file is: its stamp, where its links lead, who may write it.
#include "document/PlainFile.h"

#include <QCoreApplication>

#include "document/NativePath.h"
#include "document/ResolvedTarget.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace voxtrel {
namespace {

bool isLink(const QString& path) {
    struct stat st {};
    return ::lstat(NativePath::ToBytes(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

QString reasonOf(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString quoted(const QString& path) {
    return QStringLiteral("\"%1\"").arg(path);
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

// Reads what In holds, checked as ReadRegularFile says; Shown names it in messages.
FileRead readOpen(int in, const QString& shown, bool standardInput, qint64 MaxBytes,
                  FileRead::Mode How) {
    FileRead read;
    struct stat st {};
    if (::fstat(in, &st) != 0) {
        read.Result = FileRead::Outcome::Unreadable;
        read.Reason = QCoreApplication::translate("voxtrel::PlainFile", "cannot read %1: %2")
                          .arg(shown, reasonOf(errno));
        return read;
    }
    read.Stamp = stampOf(st);
    const bool stream = standardInput && (S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode));
    if (!S_ISREG(st.st_mode) && !stream) {
        read.Result = FileRead::Outcome::NotRegular;
        read.Reason =
            S_ISDIR(st.st_mode)
                ? QCoreApplication::translate("voxtrel::PlainFile", "%1 is a folder, not a file.")
                      .arg(shown)
                : QCoreApplication::translate("voxtrel::PlainFile", "%1 is not a regular file.")
                      .arg(shown);
        return read;
    }
    if (S_ISREG(st.st_mode) && st.st_size > MaxBytes) {
        read.Result = FileRead::Outcome::TooLarge;
        read.Reason = QCoreApplication::translate("voxtrel::PlainFile", "%1 is larger than %2 MiB.")
                          .arg(shown)
                          .arg(double(MaxBytes) / (1024 * 1024), 0, 'g', 3);
        return read;
    }
    if (How == FileRead::Mode::Probe) {
        read.Result = FileRead::Outcome::Read;
        return read;
    }
    if (stream) { // standard input waits for its writer, as a pipe does
        ::fcntl(in, F_SETFL, ::fcntl(in, F_GETFL) & ~O_NONBLOCK);
    }
    QByteArray bytes;
    bytes.reserve(S_ISREG(st.st_mode) ? qsizetype(st.st_size) : 65536);
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            read.Result = FileRead::Outcome::Unreadable;
            read.Reason = QCoreApplication::translate("voxtrel::PlainFile", "cannot read %1: %2")
                              .arg(shown, reasonOf(errno));
            return read;
        }
        if (n == 0) {
            break;
        }
        if (bytes.size() + n > MaxBytes) { // it grew while being read
            read.Result = FileRead::Outcome::TooLarge;
            read.Reason =
                QCoreApplication::translate("voxtrel::PlainFile", "%1 is larger than %2 MiB.")
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

} // namespace

FileRead ReadRegularFile(const QString& Path, qint64 MaxBytes, FileRead::Mode How) {
    FileRead read;
    const QString shown = Path == QLatin1String("-")
                              ? QCoreApplication::translate("voxtrel::PlainFile", "standard input")
                              : quoted(Path);
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
        read.Reason =
            error == ENOENT
                ? QCoreApplication::translate("voxtrel::PlainFile", "%1 does not exist.").arg(shown)
                : QCoreApplication::translate("voxtrel::PlainFile", "cannot read %1: %2")
                      .arg(shown, reasonOf(error));
        if (error == ENOENT && isLink(Path)) {
            read.Reason = QCoreApplication::translate("voxtrel::PlainFile",
                                                      "%1 is a link to a file that does not exist.")
                              .arg(shown);
        }
        struct stat st {};
        if (error != ENOENT && ::stat(NativePath::ToBytes(Path).constData(), &st) == 0 &&
            !S_ISREG(st.st_mode)) { // a socket cannot even be opened
            read.Result = FileRead::Outcome::NotRegular;
            read.Reason =
                QCoreApplication::translate("voxtrel::PlainFile", "%1 is not a regular file.")
                    .arg(shown);
        }
        return read;
    }
    return readOpen(in.fd, shown, Path == QLatin1String("-"), MaxBytes, How);
}

FileRead ReadTarget(const ResolvedTarget& Target, qint64 MaxBytes) {
    Descriptor in;
    in.fd = Target.Open(O_RDONLY | O_NONBLOCK);
    if (in.fd < 0) {
        FileRead read;
        const int error = errno;
        read.Result = error == ENOENT ? FileRead::Outcome::Missing : FileRead::Outcome::Unreadable;
        read.Reason = QCoreApplication::translate("voxtrel::PlainFile", "cannot read %1: %2")
                          .arg(quoted(Target.Given()), reasonOf(error));
        return read;
    }
    return readOpen(in.fd, quoted(Target.Given()), false, MaxBytes, FileRead::Mode::Whole);
}

FileStamp StampAt(int Folder, const QByteArray& Name, bool Follow) {
    struct stat st {};
    if (::fstatat(Folder, Name.constData(), &st, Follow ? 0 : AT_SYMLINK_NOFOLLOW) != 0) {
        return {};
    }
    return stampOf(st);
}

FileStamp StampOfOpen(int Fd) {
    struct stat st {};
    return ::fstat(Fd, &st) == 0 ? stampOf(st) : FileStamp{};
}

bool WriteAll(int Fd, const QByteArray& Bytes) {
    const char* data = Bytes.constData();
    qsizetype left = Bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(Fd, data, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = ENOSPC;
            }
            return false;
        }
        data += n;
        left -= n;
    }
    return true;
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
        return {{},
                errno == ELOOP
                    ? QCoreApplication::translate("voxtrel::PlainFile",
                                                  "%1 is a link that leads back to itself.")
                          .arg(quoted(Path))
                    : QCoreApplication::translate("voxtrel::PlainFile",
                                                  "%1 is a link to a file that does not exist.")
                          .arg(quoted(Path))};
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

} // namespace voxtrel

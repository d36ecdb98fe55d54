#include "document/ResolvedTarget.h"

#include <QCoreApplication>

#include "document/NativePath.h"
#include "document/PlainFile.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace voxtrel {
namespace {

// As many links as the kernel itself follows before it calls it a loop.
constexpr int MaxLinks = 40;

int openFolder(int at, const QByteArray& name) {
    int fd = ::openat(at, name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 && errno == EACCES) { // a folder that may be passed but not listed
        fd = ::openat(at, name.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    }
    return fd;
}

// Walks Folder's components from At, one at a time, so that no path given to the kernel is
// longer than one name. Takes At; gives the folder, or -1.
int walk(int at, const QByteArray& folder) {
    for (const QByteArray& part : folder.split('/')) {
        if (part.isEmpty() || part == ".") {
            continue;
        }
        const int next = openFolder(at, part);
        ::close(at);
        if (next < 0) {
            return -1;
        }
        at = next;
    }
    return at;
}

// The folder a path starts from: the root for an absolute one, else the current folder.
int startOf(const QByteArray& path) {
    return openFolder(AT_FDCWD, path.startsWith('/') ? QByteArray("/") : QByteArray("."));
}

} // namespace

ResolvedTarget::~ResolvedTarget() {
    if (m_Folder >= 0) {
        ::close(m_Folder);
    }
}

ResolvedTarget::ResolvedTarget(ResolvedTarget&& Other) noexcept
    : m_Folder(std::exchange(Other.m_Folder, -1)), m_Name(std::move(Other.m_Name)),
      m_Given(std::move(Other.m_Given)), m_Stamp(Other.m_Stamp), m_Stream(Other.m_Stream) {}

ResolvedTarget& ResolvedTarget::operator=(ResolvedTarget&& Other) noexcept {
    if (this != &Other) {
        if (m_Folder >= 0) {
            ::close(m_Folder);
        }
        m_Folder = std::exchange(Other.m_Folder, -1);
        m_Name = std::move(Other.m_Name);
        m_Given = std::move(Other.m_Given);
        m_Stamp = Other.m_Stamp;
        m_Stream = Other.m_Stream;
    }
    return *this;
}

FileStamp ResolvedTarget::Restamp() const {
    return StampAt(m_Folder, m_Name, false);
}

int ResolvedTarget::Open(int Flags, unsigned Mode) const {
    return ::openat(m_Folder, m_Name.constData(), Flags | O_NOFOLLOW | O_CLOEXEC, Mode);
}

bool ResolvedTarget::MayWriteFile() const {
    return ::faccessat(m_Folder, m_Name.constData(), W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) == 0;
}

bool ResolvedTarget::MayWriteFolder() const {
    return ::faccessat(m_Folder, ".", W_OK | X_OK, AT_EACCESS) == 0;
}

void ResolvedTarget::SyncFolder() const {
    const int fd = ::openat(m_Folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

TargetResolution TargetResolution::Resolve(const QString& Path) {
    TargetResolution out;
    const QString shown = QStringLiteral("\"%1\"").arg(NativePath::Shown(Path));
    QByteArray path = NativePath::ToBytes(Path);
    int folder = startOf(path);
    for (int links = 0;; ++links) {
        if (links > MaxLinks) {
            ::close(folder);
            out.Result = Outcome::Loop;
            out.Reason = QCoreApplication::translate("voxtrel::ResolvedTarget",
                                                     "%1 is a link that leads back to itself.")
                             .arg(shown);
            return out;
        }
        const qsizetype slash = path.lastIndexOf('/');
        const QByteArray name = path.mid(slash + 1);
        if (slash >= 0) {
            folder = walk(folder, path.left(slash));
        }
        if (folder < 0) {
            out.Reason = QCoreApplication::translate("voxtrel::ResolvedTarget",
                                                     "The folder of %1 cannot be opened: %2")
                             .arg(shown, QString::fromLocal8Bit(std::strerror(errno)));
            return out;
        }
        if (name.isEmpty() || name == "." || name == "..") {
            ::close(folder);
            out.Result = Outcome::Folder;
            out.Reason = QCoreApplication::translate("voxtrel::ResolvedTarget",
                                                     "%1 is a folder, not a file.")
                             .arg(shown);
            return out;
        }
        struct stat st {};
        const bool exists = ::fstatat(folder, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0;
        if (exists && S_ISLNK(st.st_mode)) {
            struct stat followed {};
            if (::fstatat(folder, name.constData(), &followed, 0) != 0) {
                const int error = errno;
                ::close(folder);
                out.Result = error == ELOOP ? Outcome::Loop : Outcome::Dangling;
                out.Reason =
                    error == ELOOP
                        ? QCoreApplication::translate("voxtrel::ResolvedTarget",
                                                      "%1 is a link that leads back to itself.")
                              .arg(shown)
                        : QCoreApplication::translate("voxtrel::ResolvedTarget",
                                                      "%1 is a link to a file that does not exist.")
                              .arg(shown);
                return out;
            }
            QByteArray target(PATH_MAX, '\0');
            const ssize_t length =
                ::readlinkat(folder, name.constData(), target.data(), size_t(target.size()));
            const bool stream = !S_ISREG(followed.st_mode) && !S_ISDIR(followed.st_mode);
            if (length > 0 && target.at(0) != '/' && stream && target.left(length).contains(':')) {
                // /dev/stdout leads to "pipe:[N]": the link itself opens what it leads to.
                out.Target.emplace();
                out.Target->m_Folder = folder;
                out.Target->m_Name = name;
                out.Target->m_Given = Path;
                out.Target->m_Stamp = StampAt(folder, name, true);
                out.Target->m_Stream = true;
                out.Result = Outcome::Resolved;
                return out;
            }
            if (length <= 0) {
                ::close(folder);
                out.Reason =
                    QCoreApplication::translate("voxtrel::ResolvedTarget", "%1 cannot be followed.")
                        .arg(shown);
                return out;
            }
            path = target.left(length);
            if (path.startsWith('/')) {
                ::close(folder);
                folder = startOf(path);
            }
            continue;
        }
        if (exists && S_ISDIR(st.st_mode)) {
            ::close(folder);
            out.Result = Outcome::Folder;
            out.Reason = QCoreApplication::translate("voxtrel::ResolvedTarget",
                                                     "%1 is a folder, not a file.")
                             .arg(shown);
            return out;
        }
        out.Target.emplace();
        out.Target->m_Folder = folder;
        out.Target->m_Name = name;
        out.Target->m_Given = Path;
        out.Target->m_Stamp = StampAt(folder, name, false);
        out.Result = Outcome::Resolved;
        return out;
    }
}

} // namespace voxtrel

#include "document/WorkFolder.h"

#include "document/NativePath.h"
#include "tools/ToolCommands.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace voxtrel {
namespace {

// A killed run's private folder is cleared once it is this old, so that a run still going is
// never touched.
constexpr time_t StaleSeconds = 24 * 60 * 60;

bool writableFolder(const QString& path) {
    const QFileInfo info(path);
    return info.isDir() && info.isWritable();
}

bool samePath(const QString& a, const QString& b) {
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

QByteArray withoutSeparator(const QString& path) {
    QByteArray bytes = NativePath::ToBytes(path);
    while (bytes.size() > 1 && bytes.endsWith('/')) {
        bytes.chop(1);
    }
    return bytes;
}

// Opens the folder Name in At, never through a link, only when it is this user's own; -1
// with the reason otherwise.
int openOwnFolder(int at, const QByteArray& name, QString* why = nullptr) {
    struct stat st {};
    if (::fstatat(at, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        return -1;
    }
    if (S_ISLNK(st.st_mode) || !S_ISDIR(st.st_mode)) {
        if (why) {
            *why = QStringLiteral("it is a link, not a folder of its own");
        }
        return -1;
    }
    if (st.st_uid != ::geteuid()) {
        if (why) {
            *why = QStringLiteral("it belongs to another user");
        }
        return -1;
    }
    const int fd = ::openat(at, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat now {};
    if (fd >= 0 && (::fstat(fd, &now) != 0 || now.st_ino != st.st_ino || now.st_dev != st.st_dev ||
                    now.st_uid != ::geteuid())) {
        ::close(fd); // swapped in between
        if (why) {
            *why = QStringLiteral("it changed while it was opened");
        }
        return -1;
    }
    return fd;
}

// Deletes the working files in the open folder Fd, but Keep (a user's file).
void clearOwnFiles(int fd, const QString& folderPath, const QString& keep) {
    DIR* dir = ::fdopendir(::dup(fd));
    if (dir == nullptr) {
        return;
    }
    QList<QByteArray> names;
    while (const dirent* entry = ::readdir(dir)) {
        names << QByteArray(entry->d_name);
    }
    ::closedir(dir);
    for (const QByteArray& name : names) {
        struct stat st {};
        if (!WorkFolder::WorkFileName(name) ||
            ::fstatat(fd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) {
            continue;
        }
        if (!keep.isEmpty() && !folderPath.isEmpty() &&
            samePath(folderPath + NativePath::FromBytes(name), keep)) {
            continue; // the user's own file, opened from the working folder
        }
        ::unlinkat(fd, name.constData(), 0);
    }
}

} // namespace

bool WorkFolder::WorkFileName(const QByteArray& Name) {
    static const QRegularExpression own(
        QStringLiteral("^(_*(names\\.bin(\\.unzlib(\\.zlib)?)?|check\\.zlib(\\.unzlib)?)"
                       "|\\.zt[0-9a-f]{8}|names-[A-Za-z0-9]{6}\\.xlsx)$"));
    return own.match(QString::fromLatin1(Name)).hasMatch();
}

WorkFolder::WorkFolder(const QString& AppPath, const QString& Shared) {
    QString path;
    if (!Shared.isEmpty()) {
        // One instance at a time works in a shared folder; another gets a private one, so
        // that no instance ever empties a folder another is working in.
        path = ToolCommands::WithSeparator(Shared);
        QDir().mkpath(path);
        QString why;
        m_Fd = openOwnFolder(AT_FDCWD, withoutSeparator(path), &why);
        if (m_Fd < 0) {
            m_Problem =
                QStringLiteral("The working folder \"%1\" is refused: %2. Nothing is "
                               "opened until it is a folder of your own.")
                    .arg(QDir::toNativeSeparators(path),
                         why.isEmpty() ? QString::fromLocal8Bit(std::strerror(errno)) : why);
            return;
        }
        m_Lock = std::make_unique<QLockFile>(path + QStringLiteral(".voxtrel-editor.lock"));
        m_Lock->setStaleLockTime(0); // stale only when its process is gone, however old
        if (!m_Lock->tryLock(0)) {
            m_Lock.reset();
            ::close(m_Fd);
            m_Fd = -1;
            path.clear();
        }
    }
    if (path.isEmpty()) {
        const QString under = PrivateWorkParent(AppPath);
        RemoveStaleWorkFolders(under);
        QTemporaryDir made(under + PrivatePrefix + QStringLiteral("XXXXXX"));
        made.setAutoRemove(false); // cleared by its names and removed by this, when done
        if (made.isValid()) {
            path = made.path();
            m_Fd = ::open(NativePath::ToBytes(path).constData(),
                          O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            m_Private = true;
        } else {
            // The document then refuses to open anything, rather than work (and clear files)
            // anywhere else.
            m_Problem = QStringLiteral("No working folder could be made in \"%1\": %2")
                            .arg(QDir::toNativeSeparators(under), made.errorString());
        }
    }
    m_Path = path.isEmpty() ? QString() : ToolCommands::WithSeparator(path);
}

WorkFolder::~WorkFolder() {
    if (m_Fd < 0) {
        return;
    }
    if (m_Private) {
        clearOwnFiles(m_Fd, m_Path, {});
        const QByteArray path = withoutSeparator(m_Path);
        const QByteArray parent = path.left(path.lastIndexOf('/') + 1);
        const int up =
            ::open(parent.isEmpty() ? "." : parent.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (up >= 0) {
            // Fails, and so keeps it, when anything but the working files is left in it.
            ::unlinkat(up, path.mid(path.lastIndexOf('/') + 1).constData(), AT_REMOVEDIR);
            ::close(up);
        }
    }
    ::close(m_Fd);
}

QString WorkFolder::File(const QString& Name, const QStringList& UserFiles) const {
    // Neither the working file nor what the tool makes of it may be a file of the user's
    // that lies here.
    const auto taken = [&UserFiles](const QString& path) {
        for (const QString& user : UserFiles) {
            for (const QString& made :
                 {path, path + QStringLiteral(".unzlib"), path + QStringLiteral(".zlib"),
                  path + QStringLiteral(".unzlib.zlib")}) {
                if (!user.isEmpty() && samePath(made, user)) {
                    return true;
                }
            }
        }
        return false;
    };
    QString path = m_Path + Name;
    while (taken(path)) {
        path = m_Path + QStringLiteral("_") + QFileInfo(path).fileName();
    }
    return path;
}

void WorkFolder::Clear(const QString& UserFile) const {
    if (m_Fd >= 0) {
        clearOwnFiles(m_Fd, m_Path, UserFile);
    }
}

QString WorkFolder::SharedWorkFolder(const QString& AppPath) {
    const QString own = ToolCommands::ToolWorkFolder(ToolCommands::WithSeparator(AppPath));
    if (writableFolder(own)) {
        return own;
    }
    const QString cache = CacheFolder();
    if (cache.isEmpty()) {
        return own;
    }
    QDir().mkpath(cache + QStringLiteral("work"));
    return cache + QStringLiteral("work/");
}

QString WorkFolder::PrivateWorkParent(const QString& AppPath) {
    const QString temp = ToolCommands::WithSeparator(QDir::tempPath());
    if (writableFolder(ToolCommands::ToolWorkFolder(ToolCommands::WithSeparator(AppPath)))) {
        return temp;
    }
    const QString cache = CacheFolder();
    return !cache.isEmpty() && QDir().mkpath(cache) ? cache : temp;
}

void WorkFolder::RemoveStaleWorkFolders(const QString& Parent) {
    const int parent =
        ::open(withoutSeparator(Parent).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (parent < 0) {
        return;
    }
    DIR* dir = ::fdopendir(::dup(parent));
    QList<QByteArray> names;
    while (dir != nullptr && (errno = 0, true)) {
        const dirent* entry = ::readdir(dir);
        if (entry == nullptr) {
            break;
        }
        names << QByteArray(entry->d_name);
    }
    if (dir != nullptr) {
        ::closedir(dir);
    }
    static const QRegularExpression privateName(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(PrivatePrefix) + QStringLiteral("[A-Za-z0-9]{6}")));
    const time_t dayAgo = std::time(nullptr) - StaleSeconds;
    for (const QByteArray& name : names) {
        if (!privateName.match(QString::fromLatin1(name)).hasMatch()) {
            continue;
        }
        // Its type, owner and age from the entry itself, never through a link; then opened
        // without following one, and checked again to be that same folder.
        const int fd = openOwnFolder(parent, name);
        struct stat st {};
        if (fd < 0) {
            continue;
        }
        if (::fstat(fd, &st) == 0 && st.st_mtime < dayAgo) {
            clearOwnFiles(fd, {}, {});
            ::unlinkat(parent, name.constData(), AT_REMOVEDIR); // only when nothing else is left
        }
        ::close(fd);
    }
    ::close(parent);
}

QString WorkFolder::CacheFolder() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return base.isEmpty() ? QString() : base + QStringLiteral("/voxtrel-editor/");
}

} // namespace voxtrel

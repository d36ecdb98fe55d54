#include "document/WorkFolder.h"

#include "tools/ToolCommands.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace voxtrel {
namespace {

const QString RescuedPrefix = QStringLiteral("rescued-");

bool writableFolder(const QString& path) {
    const QFileInfo info(path);
    return info.isDir() && info.isWritable();
}

bool samePath(const QString& a, const QString& b) {
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

} // namespace

WorkFolder::WorkFolder(const QString& AppPath, const QString& Shared) {
    QString path;
    if (!Shared.isEmpty()) {
        // One instance at a time works in a shared folder; another gets a private one, so
        // that no instance ever empties a folder another is working in.
        path = ToolCommands::With_Separator(Shared);
        QDir().mkpath(path);
        m_Lock = std::make_unique<QLockFile>(path + QStringLiteral(".voxtrel-editor.lock"));
        m_Lock->setStaleLockTime(0); // stale only when its process is gone, however old
        if (!m_Lock->tryLock(0)) {
            m_Lock.reset();
            path.clear();
        }
    }
    if (path.isEmpty()) {
        const QString under = Private_Work_Parent(AppPath);
        Remove_Stale_Work_Folders(under);
        m_Private =
            std::make_unique<QTemporaryDir>(under + PrivatePrefix + QStringLiteral("XXXXXX"));
        if (m_Private->isValid()) {
            path = m_Private->path();
        } else {
            // The document then refuses to open anything, rather than work (and clear files)
            // anywhere else.
            m_Problem = QStringLiteral("No working folder could be made in \"%1\": %2")
                            .arg(QDir::toNativeSeparators(under), m_Private->errorString());
        }
    }
    m_Path = path.isEmpty() ? QString() : ToolCommands::With_Separator(path);
}

WorkFolder::~WorkFolder() = default;

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
    const QDir dir(m_Path);
    if (m_Path.isEmpty() || !dir.exists()) {
        return;
    }
    for (const QString& name : dir.entryList(QDir::Files)) {
        const QString file = m_Path + name;
        if (!UserFile.isEmpty() && samePath(file, UserFile)) {
            continue; // the user's own file, opened from the working folder
        }
        if (name.startsWith(RescuedPrefix) || m_Rescued.contains(file)) {
            continue; // the only copy of a file a failed save could not restore
        }
        QFile::remove(file);
    }
}

QString WorkFolder::Rescue(const QString& Kept, const QString& FileName) {
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmsszzz"));
    const QString cache = Cache_Folder();
    const QString rescued =
        cache + QStringLiteral("rescued/") + FileName + QStringLiteral(".") + stamp;
    if (!cache.isEmpty() && QDir().mkpath(cache + QStringLiteral("rescued")) &&
        QFile::copy(Kept, rescued)) {
        QFile::remove(Kept);
        return rescued;
    }
    const QString here = m_Path + RescuedPrefix + stamp;
    if (m_Private) {
        m_Private->setAutoRemove(false);
    }
    const QString kept = QFile::rename(Kept, here) ? here : Kept;
    m_Rescued << kept;
    return kept;
}

QString WorkFolder::Shared_Work_Folder(const QString& AppPath) {
    const QString own = ToolCommands::Work_Folder(ToolCommands::With_Separator(AppPath));
    if (writableFolder(own)) {
        return own;
    }
    const QString cache = Cache_Folder();
    if (cache.isEmpty()) {
        return own;
    }
    QDir().mkpath(cache + QStringLiteral("work"));
    return cache + QStringLiteral("work/");
}

QString WorkFolder::Private_Work_Parent(const QString& AppPath) {
    const QString temp = ToolCommands::With_Separator(QDir::tempPath());
    if (writableFolder(ToolCommands::Work_Folder(ToolCommands::With_Separator(AppPath)))) {
        return temp;
    }
    const QString cache = Cache_Folder();
    return !cache.isEmpty() && QDir().mkpath(cache) ? cache : temp;
}

void WorkFolder::Remove_Stale_Work_Folders(const QString& Parent) {
    // A run that was killed leaves its private folder behind; the next run removes those
    // over a day old, so that a run still going is never touched.
    const QDateTime dayAgo = QDateTime::currentDateTimeUtc().addDays(-1);
    const QFileInfoList folders = QDir(Parent).entryInfoList({PrivatePrefix + QStringLiteral("*")},
                                                             QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo& folder : folders) {
        // A folder that holds the only copy of a file a failed save could not restore stays.
        if (folder.lastModified().toUTC() < dayAgo && !folder.isSymLink() &&
            QDir(folder.absoluteFilePath())
                .entryList({RescuedPrefix + QStringLiteral("*")}, QDir::Files)
                .isEmpty()) {
            QDir(folder.absoluteFilePath()).removeRecursively();
        }
    }
}

QString WorkFolder::Cache_Folder() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return base.isEmpty() ? QString() : base + QStringLiteral("/voxtrel-editor/");
}

} // namespace voxtrel

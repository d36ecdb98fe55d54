#pragma once

#include "document/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

class QLockFile;

namespace voxtrel {

// Where a document's working files go, and the rules for it: one instance at a time works in
// a shared folder (under a lock); any other gets a private folder of its own, which goes with
// it. Private folders a killed run left behind are cleared once they are a day old. Working
// files have short fixed names, so that any name the user's file has can be worked on, and
// only files of those names are ever deleted, through the folder's descriptor: a user's file
// of any other name in a working folder stays, and a folder that is a link, or another user's,
// is never worked in nor cleared.
class WorkFolder {
public:
    // AppPath: the application folder, ending in a separator. Shared: the folder to share,
    // or empty for a private one from the start.
    WorkFolder(const QString& AppPath, const QString& Shared);
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    // The folder, or why there is none (none could be made, or the shared one was refused).
    [[nodiscard]] Result<QString> Folder() const {
        return m_Path.isEmpty() ? Result<QString>::Refused(m_Problem)
                                : Result<QString>::Made(m_Path);
    }
    // The folder; empty when there is none (Folder() says why).
    QString Path() const { return m_Path; }

    // The working file Name; neither it nor the tool's outputs from it (".unzlib", ".zlib")
    // is ever one of the user's files UserFiles, should one lie here.
    QString File(const QString& Name, const QStringList& UserFiles) const;
    // Deletes the working files here, by their exact names, but UserFile.
    void Clear(const QString& UserFile) const;

    // The window's shared folder: AppPath + "zlib/temp/" where that folder exists and can be
    // written, as in a folder the user installed; otherwise, as for an installed package, a
    // folder of the user's own under the cache location, made when needed.
    static QString SharedWorkFolder(const QString& AppPath);
    // Where private folders go: the system's temporary folder beside a writable application
    // folder, else the user's cache location.
    static QString PrivateWorkParent(const QString& AppPath);
    // Private folders are named PrivatePrefix + six letters or digits.
    static inline const QString PrivatePrefix = QStringLiteral("voxtrel-work-");
    // Clears and removes the private folders under Parent that a killed run left a day ago
    // or more: only this user's, never through a link, and only the files named as working
    // files are; a folder that holds anything else stays.
    static void RemoveStaleWorkFolders(const QString& Parent);
    // The user's own folder of ours under the cache location, ending in a separator; empty
    // when there is none.
    static QString CacheFolder();
    // Whether Name is one this program, or the tool it runs, gives a file in a working folder.
    static bool WorkFileName(const QByteArray& Name);

private:
    std::unique_ptr<QLockFile> m_Lock; // held while working in a shared folder
    int m_Fd = -1;                     // the folder, open
    QString m_Path;
    QString m_Problem;
    bool m_Private = false; // removed when done
};

} // namespace voxtrel

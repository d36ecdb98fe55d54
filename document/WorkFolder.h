#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QLockFile;
class QTemporaryDir;

namespace voxtrel {

// Where a document's working files go, and the rules for it: one instance at a time works in
// a shared folder (under a lock); any other gets a private folder of its own, which goes with
// it. Private folders a killed run left behind are removed once they are a day old. Working
// files have short fixed names, so that any name the user's file has can be worked on.
class WorkFolder {
public:
    // AppPath: the application folder, ending in a separator. Shared: the folder to share,
    // or empty for a private one from the start.
    WorkFolder(const QString& AppPath, const QString& Shared);
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    // Empty when no folder could be made; Problem() then says why.
    QString Path() const { return m_Path; }
    QString Problem() const { return m_Problem; }

    // The working file Name; neither it nor the tool's outputs from it (".unzlib", ".zlib")
    // is ever one of the user's files UserFiles, should one lie here.
    QString File(const QString& Name, const QStringList& UserFiles) const;
    // Deletes every plain file here but UserFile and copies a failed save rescued.
    void Clear(const QString& UserFile) const;
    // Keeps the copy Kept of a file's former bytes, the only copy left after a failed
    // write-back, where nothing of ours removes it: under the user's cache folder, or here
    // under a name that no save writes over and no clearing removes (and then this folder
    // outlives the run). Gives back where it is.
    QString Rescue(const QString& Kept, const QString& FileName);

    // The window's shared folder: AppPath + "zlib/temp/" where that folder exists and can be
    // written, as in a folder the user installed; otherwise, as for an installed package, a
    // folder of the user's own under the cache location, made when needed.
    static QString Shared_Work_Folder(const QString& AppPath);
    // Where private folders go: the system's temporary folder beside a writable application
    // folder, else the user's cache location.
    static QString Private_Work_Parent(const QString& AppPath);
    // Private folders are named PrivatePrefix + six characters.
    static inline const QString PrivatePrefix = QStringLiteral("voxtrel-work-");
    static void Remove_Stale_Work_Folders(const QString& Parent);
    // The user's own folder of ours under the cache location, ending in a separator; empty
    // when there is none.
    static QString Cache_Folder();

private:
    std::unique_ptr<QLockFile> m_Lock; // held while working in a shared folder
    std::unique_ptr<QTemporaryDir> m_Private;
    QString m_Path;
    QString m_Problem;
    QStringList m_Rescued; // copies kept here, which no clearing removes
};

} // namespace voxtrel

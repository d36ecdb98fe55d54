#pragma once

#include "document/AtomicReplace.h"
#include "document/NameChange.h"
#include "document/OpenResult.h"
#include "document/SaveResult.h"
#include "names/Baza.h"

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <memory>

class QLockFile;
class QTemporaryDir;

namespace voxtrel {

class Scn_Process;

// Asked when a decompressed file is not Bytes long as a name file is: true goes on.
using SizeCheck = std::function<bool(qint64 Bytes)>;

struct SaveOptions {
    // Asked before a file opened at another size than a name file's is written over itself
    // as a name file; no means Declined. Not given: it is written.
    SizeCheck AcceptResize;
    // Writes over a file that another program changed since it was read.
    bool OverwriteChanged = false;
};

// One open name file: the compressed file the user chose, its name table and the working
// files the compression tool makes from it. It opens (copy, decompress, load), renames with
// undo, and saves (write, compress, decompress again and compare, replace atomically).
// It never asks the user anything but through the questions its callers hand it; every
// operation returns what happened.
class NameDocument : public QObject {
    Q_OBJECT
public:
    // AppPath: the application folder, ending in a separator; it holds zlib/zlibtool and
    // Data.dll. WorkFolder: where the working files go, ending in a separator; empty gives a
    // private temporary folder that goes with the document. A given folder is locked for this
    // document; when another holds the lock, the document gets a private folder instead.
    explicit NameDocument(QString AppPath, QString WorkFolder = {}, QObject* parent = nullptr);

    // The window's working folder: AppPath + "zlib/temp/" where that folder exists and can
    // be written, as in a folder the user installed; otherwise, as for an installed package,
    // a folder of the user's own under the cache location, made when needed.
    static QString Shared_Work_Folder(const QString& AppPath);
    // Where every other user of a document keeps its private folders: the system's temporary
    // folder beside a writable application folder, else the user's cache location.
    static QString Private_Work_Parent(const QString& AppPath);
    // Private folders are named PrivatePrefix + six characters.
    static inline const QString PrivatePrefix = QStringLiteral("voxtrel-work-");
    static void Remove_Stale_Work_Folders(const QString& Parent);
    ~NameDocument() override;

    using SizeCheck = voxtrel::SizeCheck;
    // The compressed file the user chose is refused unread above this size.
    static constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

    // Reads FilePath (a regular file only, following links) into the working folder,
    // decompresses it and loads it into a fresh table. Only when all of that worked does the
    // new table replace the open one; after anything else the open file, its table and its
    // unsaved renames are as they were. A decompressed file of another size than a name
    // file's is loaded only when AcceptSize (if given) says so. Name, when given, is how
    // messages call the file.
    OpenResult Open(const QString& FilePath, const QString& Name = {},
                    const SizeCheck& AcceptSize = {});
    // Whether Open could read FilePath at all: Opened when it could, else Missing or
    // Unreadable with the reason. Nothing is read; for a caller that asks other questions
    // first.
    static OpenResult Check_Readable(const QString& FilePath);

    // Writes the table to its working file, compresses it, checks that the compressed file
    // gives back the same bytes, and only then writes the chosen file, if it is still the
    // file that was read: atomically, keeping its mode, owner and group; or in place (links
    // followed, hard links, an owner a new file could not get, a folder that takes no new
    // file), with the former bytes kept to be written back should that fail.
    SaveResult Save(const SaveOptions& Options = {});
    // Saves the same verified way to another file, which from then on is the chosen file;
    // the former file stays as it was.
    SaveResult Save_As(const QString& FilePath, const SaveOptions& Options = {});
    // Writes every name as a CSV list (NameCsv::Write) to Target: "-" is standard output; a
    // FIFO or a device is written as a stream and stays what it is; a regular file is
    // replaced atomically, or written in place as a save would be. The name file itself is
    // refused.
    SaveResult Export_Csv(const QString& Target);
    // The decompressed size of the file as opened, when it is not a name file's; else 0.
    qint64 OddSize() const { return m_OddSize; }

    // How a file is written over in place; tests put a failing one here.
    using InPlaceWriter = std::function<bool(const QString& Path, const QByteArray& Bytes,
                                             QString& Error)>;
    void setInPlaceWriter(InPlaceWriter Writer) { m_WriteInPlace = std::move(Writer); }

    // Renames one record (the index is clamped into the records) as an undoable step; a
    // rename merges into the step before it when that renamed the same record, unless
    // Separate. False, with nothing changed, when no records are loaded or the tool is running.
    bool Rename(qint32 Index, const QString& Name, bool Separate = false);
    // Applies a checked name list as one undoable step; false while the tool is running.
    bool Import(const NameChanges& Changes);
    // The name record Index had when the file was opened or last saved.
    QString SavedName(qint32 Index) const;

    // The code page names are shown and typed in. Switching decodes the same bytes again:
    // no byte changes, and undo and the modified mark go on as they were.
    const CodePage& Encoding() const { return m_Table.Encoding(); }
    void SetEncoding(const CodePage& Encoding);

    bool IsOpen() const { return m_Open; }
    bool IsModified() const { return !m_Undo.isClean(); }
    const Baza& Table() const { return m_Table; }
    QString FilePath() const { return m_FilePath; }
    QString AppPath() const { return m_AppPath; }
    QString WorkFolder() const { return m_WorkFolder; }
    QUndoStack* UndoStack() { return &m_Undo; }

    // True while the compression tool runs; Cancel_Tool ends that run, which then fails.
    bool ToolBusy() const { return m_Tool != nullptr; }
    void Cancel_Tool();

    // Deletes every plain file in the working folder, except the chosen file itself should
    // it lie there. Errors are ignored.
    void Clear_Work_Folder();

signals:
    // A record's name changed: by a rename, an import, an undo or a redo.
    void NameChanged(qint32 Index);
    void ModifiedChanged(bool Modified);
    void EncodingChanged();
    void FilePathChanged(const QString& FilePath);
    // The compression tool starts or ends; What says what it does ("Compressing x...").
    void ToolRunningChanged(bool Running, const QString& What);

private:
    friend class RenameCommand;
    void SetName(qint32 Index, const QByteArray& Name);
    SaveResult SaveTo(const QString& FilePath, const SaveOptions& Options);
    // Runs the tool on the working file Input; What says what it does.
    bool RunTool(const QString& Command, const QString& Input, const QString& What, QString& Error);
    // The table, written, compressed and checked: the compressed bytes, or empty with Error.
    QByteArray Compressed(const QString& Name, QString& Error);
    SaveResult Write(const QString& Target, const QByteArray& Compressed, bool SameFile,
                     const SaveOptions& Options);
    // Writes Bytes over Target (as Now found it) atomically, or in place where a new file
    // could not stand for it.
    SaveResult Place(const QString& Target, const QByteArray& Bytes, const FileStamp& Now);
    SaveResult WriteInPlace(const QString& Target, const QByteArray& Compressed,
                            SaveResult::InPlace Why);
    // A working file of the document's own under a short name.
    QString WorkFile(const QString& Name) const;

    QString m_AppPath;
    std::unique_ptr<QLockFile> m_Lock; // held while working in a shared folder
    std::unique_ptr<QTemporaryDir> m_Private;
    QString m_WorkFolder;
    QString m_FilePath;
    Baza m_Table;
    Baza m_Saved; // the names as opened or last saved
    bool m_Open = false;
    QUndoStack m_Undo;
    Scn_Process* m_Tool = nullptr;
    QString m_Rescued;    // the copy a double fault left, kept from clearing
    FileStamp m_Stamp;    // the chosen file as read or last written
    QByteArray m_Hash;    // of its compressed bytes then
    qint64 m_OddSize = 0; // its decompressed size, when not a name file's
    InPlaceWriter m_WriteInPlace = voxtrel::WriteInPlace;
};

} // namespace voxtrel

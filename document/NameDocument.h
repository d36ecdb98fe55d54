#pragma once

#include "document/AtomicReplace.h"
#include "document/ListCheck.h"
#include "document/NameLists.h"
#include "document/OpenResult.h"
#include "document/Result.h"
#include "document/SafeWriter.h"
#include "document/SaveResult.h"
#include "document/ToolRunner.h"
#include "document/WorkFolder.h"
#include "names/Baza.h"

#include <QObject>
#include <QSet>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <optional>

namespace voxtrel {

// Asked when a decompressed file is not Bytes long as a name file is: true goes on.
using SizeCheck = std::function<bool(qint64 Bytes)>;

struct SaveOptions {
    // Asked before a file opened at another size than a name file's is written over itself
    // as a name file; no means Declined. Not given: it is written.
    SizeCheck AcceptResize;
    // Writes over a file that another program changed since it was read.
    bool OverwriteChanged = false;
    // Told while another program holds the file's lock (a window shows the wait and keeps
    // its events going); not given: the wait sleeps. Either way it ends after
    // FileLock::LockBoundMs.
    LockWait Waiting;
};

// One open name file: the compressed file the user chose, as it was read, and its name table
// with the renames and their undo. It opens (read, decompress, load), renames, imports and
// exports name lists, and saves (write, compress, decompress again and compare, then write
// the file safely if it is still the file that was read). It never asks the user anything but
// through the questions its callers hand it; every operation returns what happened.
class NameDocument : public QObject {
    Q_OBJECT
public:
    // AppPath: the application folder, ending in a separator; it holds zlib/zlibtool and
    // Data.dll. SharedFolder: a working folder to share (WorkFolder::SharedWorkFolder), or
    // empty for a private one.
    explicit NameDocument(QString AppPath, QString SharedFolder = {}, QObject* parent = nullptr);
    ~NameDocument() override;

    // The working folder made at construction, or why none could be: such a document opens
    // nothing.
    [[nodiscard]] Result<QString> WorkFolderMade() const { return m_Folder.Folder(); }

    // The compressed file the user chose is refused unread above this size.
    static constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

    // First recovers what cut saves left (SaveJournal), saying so in the result's Notes.
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
    static OpenResult CheckReadable(const QString& FilePath);

    // Writes the table to its working file, compresses it, checks that the compressed file
    // gives back the same bytes, and only then writes the chosen file, if it is still the
    // file that was read (SafeWriter: atomically, or in place where a new file could not
    // stand for it). A link is followed.
    SaveResult Save(const SaveOptions& Options = {});
    // Saves the same verified way to another file, which from then on is the chosen file;
    // the former file stays as it was.
    SaveResult SaveAs(const QString& FilePath, const SaveOptions& Options = {});
    // Why the chosen file cannot be written, as it is on disk now (marked read-only, or not
    // the user's to write); none when Save can write it.
    [[nodiscard]] std::optional<QString> ReadOnly() const;
    // The decompressed size of the file as opened, when it is not a name file's; else 0.
    qint64 OddSize() const { return m_OddSize; }

    // Every name as a list in the format As to Target, as SafeWriter::WriteOutput writes:
    // "-" is standard output; the name file itself is refused.
    SaveResult ExportList(const QString& Target, NameLists::Format As);
    // The patch Rows (index, name, was) in the format As to Target, as ExportList writes;
    // neither this file nor Other (the one it was compared with) is written over.
    SaveResult ExportPatch(const QString& Target, const NameChanges& Rows, NameLists::Format As,
                           const QString& Other = {});
    // Reads the list at Path ("-": standard input), CSV or workbook, and checks it against
    // the names.
    ListCheck CheckList(const QString& Path, bool Transliterate = false) const;
    // Applies checked renames as one undoable step: how many names it renamed, or why none
    // (the tool is running).
    Result<qsizetype> Import(const NameChanges& Changes);

    // Renames one record (the index is clamped into the records) as an undoable step; a
    // rename merges into the step before it when that renamed the same record, unless
    // Separate. False, with nothing changed, when no records are loaded or the tool is running.
    bool Rename(qint32 Index, const QString& Name, bool Separate = false);
    // The name record Index had when the file was opened or last saved.
    QString SavedName(qint32 Index) const;

    // The code page names are shown and typed in. Switching decodes the same bytes again:
    // no byte changes, and undo and the modified mark go on as they were.
    const CodePage& Encoding() const { return m_Table.Encoding(); }
    void setEncoding(const CodePage& Encoding);

    bool IsOpen() const { return m_Open; }
    // Whether some name differs from the file as opened or last saved.
    bool IsModified() const { return !m_Differing.isEmpty(); }
    const Baza& Table() const { return m_Table; }
    QString FilePath() const { return m_FilePath; }
    QString AppPath() const { return m_AppPath; }
    QString WorkFolder() const { return m_Folder.Path(); }
    QUndoStack* UndoStack() { return &m_Undo; }
    SafeWriter& Writer() { return m_Writer; }

    // True while the compression tool runs; CancelTool ends that run, which then fails.
    bool ToolBusy() const { return m_Tool.Busy(); }
    void CancelTool() { m_Tool.Cancel(); }

    // Deletes every plain file in the working folder, except the chosen file itself should
    // it lie there, and any copy a failed save rescued there. Errors are ignored.
    void ClearWorkFolder();

signals:
    // A record's name changed: by a rename, an import, an undo or a redo.
    void NameChanged(qint32 Index);
    void ModifiedChanged(bool Modified);
    void EncodingChanged();
    // The chosen file is another one now (Save As).
    void FilePathChanged(const QString& FilePath);
    // The compression tool starts or ends; What says what it does ("Compressing x...").
    void ToolRunningChanged(bool Running, const QString& What);

private:
    friend class RenameCommand;
    void setName(qint32 Index, const QByteArray& Name);
    SaveResult SaveTo(const QString& FilePath, const SaveOptions& Options);
    OpenResult OpenRecovered(const QString& FilePath, const QString& Name,
                             const SizeCheck& AcceptSize);
    // The names as they are now are the file's.
    void MarkSaved();
    // The table, written, compressed and checked: the compressed bytes, or why there are none.
    Result<QByteArray> Compressed(const QString& Name);
    // Whether Target, as Now finds it, is no longer the file that was read.
    bool ChangedSinceRead(const ResolvedTarget& Target, const FileStamp& Now) const;
    QString WorkFile(const QString& Name) const;

    QString m_AppPath;
    voxtrel::WorkFolder m_Folder;
    ToolRunner m_Tool;
    SafeWriter m_Writer;
    QString m_FilePath;
    Baza m_Table;
    Baza m_Saved;             // the names as opened or last saved
    QSet<qint32> m_Differing; // the records whose names differ from them
    bool m_Open = false;
    QUndoStack m_Undo;
    FileStamp m_Stamp;    // the chosen file as read or last written
    QByteArray m_Hash;    // of its compressed bytes then
    qint64 m_OddSize = 0; // its decompressed size, when not a name file's
    QString m_Target;     // the file a save writes
};

} // namespace voxtrel

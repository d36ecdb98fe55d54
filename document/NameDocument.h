#pragma once

#include "document/NameChange.h"
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

// One open name file: the compressed file the user chose, its name table and the working
// files the compression tool makes from it. It opens (copy, decompress, load), renames with
// undo, and saves (write, compress, decompress again and compare, replace atomically).
// It never asks the user anything: every operation returns false with the reason in Error.
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

    // Asked when a decompressed file is not Bytes long as a name file is: true loads it all
    // the same.
    using SizeCheck = std::function<bool(qint64 Bytes)>;

    // Copies FilePath into the working folder under Name (its bare name when empty),
    // decompresses the copy and loads it into a fresh table. Only when all of that worked
    // does the new table replace the open one; after a failure the open file, its table
    // and its unsaved renames are as they were. A decompressed file of another size than a
    // name file's is loaded only when AcceptSize (if given) says so; when it says no, Open
    // returns false with Error empty.
    bool Open(const QString& FilePath, QString& Error, const QString& Name = {},
              const SizeCheck& AcceptSize = {});
    // Writes the table to its working file, compresses it, checks that the compressed file
    // gives back the same bytes, and only then replaces the chosen file: atomically, or, where
    // its folder cannot take a new file, by writing it in place with the former bytes kept
    // to be written back should that fail.
    bool Save(QString& Error);
    // Saves the same verified way to another file, which from then on is the chosen file;
    // the former file stays as it was.
    bool Save_As(const QString& FilePath, QString& Error);
    // Empty when the last failed save left the chosen file as it was. Otherwise its in-place
    // write failed and the former bytes could not be written back either: this is where a
    // copy of them is kept, under the user's cache folder or, where that cannot take it, in
    // the working folder under a name that nothing of ours deletes.
    QString Rescued_Copy() const { return m_Rescued; }
    // Whether the last successful save wrote the chosen file in place, its folder taking no
    // new file beside it, rather than replacing it atomically: the user is told.
    bool Written_In_Place() const { return m_WrittenInPlace; }

    // Renames one record (the index is clamped into the records) as an undoable step; a
    // rename merges into the step before it when that renamed the same record, unless
    // Separate. False, with nothing changed, when no records are loaded or the tool is running.
    bool Rename(qint32 Index, const QString& Name, bool Separate = false);
    // Applies a checked name list as one undoable step.
    bool Import(const NameChanges& Changes, QString& Error);
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
    bool SaveTo(const QString& FilePath, QString& Error);
    // Runs the tool on the working file Input; What says what it does.
    bool RunTool(const QString& Command, const QString& Input, const QString& What, QString& Error);
    bool SaveSteps(QString& Error);
    bool Replace(const QByteArray& Compressed, QString& Error);
    bool WriteInPlace(const QByteArray& Compressed, QString& Error);
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
    QString m_Rescued;
    bool m_WrittenInPlace = false;
};

} // namespace voxtrel

#include "document/NameDocument.h"

#include "document/AtomicReplace.h"
#include "document/NameCsv.h"
#include "document/RenameCommand.h"
#include "tools/Scn_Process.h"
#include "tools/ToolCommands.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <utility>

namespace voxtrel {
namespace {

QByteArray readAll(const QString& path, bool* ok = nullptr) {
    QFile f(path);
    const bool opened = f.open(QIODevice::ReadOnly);
    if (ok) {
        *ok = opened;
    }
    return opened ? f.readAll() : QByteArray();
}

bool samePath(const QString& a, const QString& b) {
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

bool writableFolder(const QString& path) {
    const QFileInfo info(path);
    return info.isDir() && info.isWritable();
}

// The user's own folder for working files when the application folder is read-only.
QString cacheFolder() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return base.isEmpty() ? QString() : base + QStringLiteral("/voxtrel-editor/");
}

const QString ToolBusyText = QStringLiteral("The compression tool is still running.");
const QString RescuedPrefix = QStringLiteral("rescued-");

} // namespace

NameDocument::NameDocument(QString AppPath, QString WorkFolder, QObject* parent)
    : QObject(parent), m_AppPath(ToolCommands::With_Separator(std::move(AppPath))),
      m_Table(m_AppPath), m_Saved(m_AppPath) {
    if (!WorkFolder.isEmpty()) {
        // One instance at a time works in a shared folder; another gets a private one, so
        // that no instance ever empties a folder another is working in.
        WorkFolder = ToolCommands::With_Separator(WorkFolder);
        QDir().mkpath(WorkFolder);
        m_Lock = std::make_unique<QLockFile>(WorkFolder + QStringLiteral(".voxtrel-editor.lock"));
        m_Lock->setStaleLockTime(0); // stale only when its process is gone, however old
        if (!m_Lock->tryLock(0)) {
            m_Lock.reset();
            WorkFolder.clear();
        }
    }
    if (WorkFolder.isEmpty()) {
        const QString under = Private_Work_Parent(m_AppPath);
        Remove_Stale_Work_Folders(under);
        m_Private =
            std::make_unique<QTemporaryDir>(under + PrivatePrefix + QStringLiteral("XXXXXX"));
        // No folder could be made: the document stays without one and refuses to open, rather
        // than work (and clear files) anywhere else.
        WorkFolder = m_Private->isValid() ? m_Private->path() : QString();
    }
    m_WorkFolder =
        WorkFolder.isEmpty() ? QString() : ToolCommands::With_Separator(std::move(WorkFolder));
    connect(&m_Undo, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit ModifiedChanged(!clean); });
}

NameDocument::~NameDocument() = default;

QString NameDocument::Shared_Work_Folder(const QString& AppPath) {
    const QString own = ToolCommands::Work_Folder(ToolCommands::With_Separator(AppPath));
    if (writableFolder(own)) {
        return own;
    }
    const QString cache = cacheFolder();
    if (cache.isEmpty()) {
        return own;
    }
    QDir().mkpath(cache + QStringLiteral("work"));
    return cache + QStringLiteral("work/");
}

QString NameDocument::Private_Work_Parent(const QString& AppPath) {
    const QString temp = ToolCommands::With_Separator(QDir::tempPath());
    if (writableFolder(ToolCommands::Work_Folder(ToolCommands::With_Separator(AppPath)))) {
        return temp;
    }
    const QString cache = cacheFolder();
    return !cache.isEmpty() && QDir().mkpath(cache) ? cache : temp;
}

void NameDocument::Remove_Stale_Work_Folders(const QString& Parent) {
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

bool NameDocument::RunTool(const QString& Command, const QString& Input, const QString& What,
                           QString& Error) {
    Scn_Process process;
    m_Tool = &process;
    emit ToolRunningChanged(true, What);
    process.Run_Process(Command, 0);
    m_Tool = nullptr;
    emit ToolRunningChanged(false, What);
    if (process.Cancelled()) {
        Error = QStringLiteral("The compression tool was cancelled.");
        return false;
    }
    if (!process.Started()) {
        Error = QStringLiteral("The compression tool could not be started:\n%1\n%2")
                    .arg(ToolCommands::Tool_Path(m_AppPath), process.Start_Error());
        return false;
    }
    if (process.Crashed() || process.Exit_Code() != 0) {
        // The tool names its input, a working file the user never chose: only its reason is
        // told.
        QString said = process.Error_Output().section(QLatin1Char('\n'), -1);
        said.remove(QStringLiteral("zlibtool: ") + Input + QStringLiteral(": "));
        Error = said.isEmpty() ? QStringLiteral("The compression tool failed (exit code %1).")
                                     .arg(process.Exit_Code())
                               : said;
        return false;
    }
    return true;
}

void NameDocument::Cancel_Tool() {
    if (m_Tool != nullptr) {
        m_Tool->Cancel();
    }
}

namespace {

// What a refused read means for an open.
OpenResult refusedOpen(const FileRead& probe) {
    switch (probe.Result) {
    case FileRead::Outcome::Read:
        return {OpenResult::Outcome::Opened, {}};
    case FileRead::Outcome::Missing:
        return {OpenResult::Outcome::Missing, probe.Reason};
    case FileRead::Outcome::Unreadable:
    case FileRead::Outcome::NotRegular:
        return {OpenResult::Outcome::Unreadable, probe.Reason};
    case FileRead::Outcome::TooLarge:
        break;
    }
    return {OpenResult::Outcome::Failed, probe.Reason};
}

} // namespace

OpenResult NameDocument::Check_Readable(const QString& FilePath) {
    return refusedOpen(ReadRegularFile(FilePath, MaxFileSize, FileRead::Mode::Probe));
}

OpenResult NameDocument::Open(const QString& FilePath, const QString& Name,
                              const SizeCheck& AcceptSize) {
    using Outcome = OpenResult::Outcome;
    if (ToolBusy()) {
        return {Outcome::Failed, ToolBusyText};
    }
    const QString name = Name.isEmpty() ? QFileInfo(FilePath).fileName() : Name;
    if (m_WorkFolder.isEmpty()) {
        return {Outcome::Failed,
                QStringLiteral("No working folder could be made for the compression tool.")};
    }
    // Read once, checked before a byte is copied: a FIFO, a device or a huge file never
    // reaches the working folder.
    const FileRead read = ReadRegularFile(FilePath, MaxFileSize);
    if (!read.Ok()) {
        return refusedOpen(read);
    }
    QDir().mkpath(m_WorkFolder);
    // Working files have short names of the document's own, so that any name the file
    // system takes can be opened.
    const QString copy = WorkFile(QStringLiteral("names.bin"));
    QFile::remove(copy);
    {
        QFile out(copy);
        if (!out.open(QIODevice::WriteOnly) || out.write(read.Bytes) != read.Bytes.size() ||
            !out.flush()) {
            return {Outcome::Failed,
                    QStringLiteral("The working folder cannot take a copy of \"%1\": %2")
                        .arg(name, out.errorString())};
        }
    }

    const QString unpacked = ToolCommands::Decompress_File_Output(copy);
    QFile::remove(unpacked); // never load what an earlier run left behind
    QString toolError;
    if (!RunTool(ToolCommands::Decompress_File_Command(m_AppPath, copy), copy,
                 QStringLiteral("Decompressing %1...").arg(name), toolError)) {
        return {Outcome::Failed,
                QStringLiteral("The file \"%1\" could not be decompressed:\n%2").arg(name, toolError)};
    }
    const qint64 size = QFileInfo(unpacked).size();
    if (size != layout::FileSize && AcceptSize && !AcceptSize(size)) {
        return {Outcome::Declined, {}};
    }
    Baza fresh(m_AppPath);
    fresh.setEncoding(m_Table.Encoding());
    if (!fresh.Wczytaj(unpacked)) {
        return {Outcome::Failed, QStringLiteral("The file \"%1\" could not be loaded:\n%2")
                                     .arg(name, fresh.ErrorString())};
    }
    m_Table = fresh;
    m_Saved = std::move(fresh);
    m_FilePath = FilePath;
    m_Stamp = read.Stamp;
    m_Hash = QCryptographicHash::hash(read.Bytes, QCryptographicHash::Sha256);
    m_OddSize = size == layout::FileSize ? 0 : size;
    m_Open = true;
    m_Undo.clear();
    return {Outcome::Opened, {}};
}

bool NameDocument::Rename(qint32 Index, const QString& Name, bool Separate) {
    if (ToolBusy() || m_Table.Count() == 0) {
        return false;
    }
    const qint32 index = std::clamp(Index, 0, m_Table.Count() - 1);
    const QByteArray name = m_Table.Encode_Nazwa(Name);
    const QByteArray old = m_Table.Get_Nazwa_Bytes(index);
    if (name != old) {
        m_Undo.push(new RenameCommand(this, index, old, name, Separate));
    }
    return true;
}

void NameDocument::SetEncoding(const CodePage& Encoding) {
    if (&Encoding == &m_Table.Encoding()) {
        return;
    }
    m_Table.setEncoding(Encoding);
    m_Saved.setEncoding(Encoding);
    emit EncodingChanged();
}

bool NameDocument::Import(const NameChanges& Changes) {
    if (ToolBusy()) {
        return false;
    }
    if (Changes.isEmpty()) {
        return true;
    }
    m_Undo.beginMacro(QStringLiteral("Import %1 names").arg(Changes.size()));
    for (const NameChange& change : Changes) {
        const qint32 index = std::clamp(change.Index, 0, std::max(0, m_Table.Count() - 1));
        m_Undo.push(new RenameCommand(this, index, m_Table.Get_Nazwa_Bytes(index),
                                      m_Table.Encode_Nazwa(change.NewName)));
    }
    m_Undo.endMacro();
    return true;
}

QString NameDocument::SavedName(qint32 Index) const {
    return m_Saved.Get_Nazwa(Index);
}

void NameDocument::SetName(qint32 Index, const QByteArray& Name) {
    if (m_Table.Zmien_Dane_Bytes(Index, Name)) {
        emit NameChanged(Index);
    }
}

SaveResult NameDocument::Save(const SaveOptions& Options) {
    return SaveTo(m_FilePath, Options);
}

SaveResult NameDocument::Save_As(const QString& FilePath, const SaveOptions& Options) {
    return SaveTo(QFileInfo(FilePath).absoluteFilePath(), Options);
}

SaveResult NameDocument::SaveTo(const QString& FilePath, const SaveOptions& Options) {
    SaveResult result;
    if (ToolBusy()) {
        result.Reason = ToolBusyText;
        return result;
    }
    if (!m_Open) {
        result.Reason = QStringLiteral("No name file is open.");
        return result;
    }
    // A link is followed: the file it leads to gets the names, and the link stays a link.
    QString target = FollowLinks(FilePath, result.Reason);
    if (target.isEmpty()) {
        return result;
    }
    const FileStamp existing = StampOf(target);
    const bool sameFile = FilePath == m_FilePath || existing.SameFile(m_Stamp);
    if (sameFile && m_OddSize != 0 && Options.AcceptResize && !Options.AcceptResize(m_OddSize)) {
        result.Result = SaveResult::Outcome::Declined;
        return result;
    }
    const QByteArray compressed = Compressed(QFileInfo(FilePath).fileName(), result.Reason);
    if (compressed.isEmpty()) {
        return result;
    }
    result = Write(target, compressed, sameFile, Options);
    if (result.Result == SaveResult::Outcome::Rescued) {
        m_Rescued = result.RescuedCopy;
    }
    if (!result.Ok()) {
        return result;
    }
    // The file as written is the one the next save checks against.
    m_Stamp = StampOf(target);
    m_Hash = QCryptographicHash::hash(compressed, QCryptographicHash::Sha256);
    m_OddSize = 0;
    m_Saved = m_Table;
    m_Undo.setClean();
    if (FilePath != m_FilePath) {
        m_FilePath = FilePath;
        emit FilePathChanged(m_FilePath);
    }
    return result;
}

QByteArray NameDocument::Compressed(const QString& Name, QString& Error) {
    if (!m_Table.Zapisz(QString())) {
        Error =
            QStringLiteral("The working file could not be written:\n%1").arg(m_Table.ErrorString());
        return {};
    }
    const QString path = m_Table.Path();
    const QString packed = ToolCommands::Compress_Output(path);
    QFile::remove(packed);
    if (!RunTool(ToolCommands::Compress_Command(m_AppPath, path), path,
                 QStringLiteral("Compressing %1...").arg(Name), Error)) {
        return {};
    }
    bool ok = false;
    const QByteArray compressed = readAll(packed, &ok);
    if (!ok || compressed.isEmpty()) {
        Error = QStringLiteral("The compression tool left no compressed file.");
        return {};
    }
    // The compressed file must give back exactly the bytes written before it may replace
    // the user's file.
    const QString checked = WorkFile(QStringLiteral("check.zlib"));
    const QString check = ToolCommands::Decompress_File_Output(checked);
    QFile::remove(checked);
    QFile::remove(check);
    if (!QFile::rename(packed, checked)) {
        Error = QStringLiteral("The compressed file could not be checked: the working folder "
                               "refused a rename.");
        return {};
    }
    if (!RunTool(ToolCommands::Decompress_File_Command(m_AppPath, checked), checked,
                 QStringLiteral("Checking %1...").arg(Name), Error)) {
        Error = QStringLiteral("The compressed file could not be checked:\n%1").arg(Error);
        return {};
    }
    const QByteArray written = readAll(path);
    if (written.isEmpty() || readAll(check) != written) {
        Error = QStringLiteral("The compressed file does not decompress to the names written.");
        return {};
    }
    return compressed;
}

SaveResult NameDocument::Write(const QString& Target, const QByteArray& Compressed, bool SameFile,
                               const SaveOptions& Options) {
    SaveResult result;
    // Two savers of one file take turns: what is checked below is what is written over.
    const FileLock lock(Target);
    const FileStamp now = StampOf(Target);
    if (SameFile && !Options.OverwriteChanged && m_Stamp.Exists && !now.Unchanged(m_Stamp)) {
        // Written to or replaced since it was read: unless the bytes are the same still,
        // another program's change would be lost.
        const FileRead current = ReadRegularFile(Target, MaxFileSize);
        if (!current.Ok() ||
            QCryptographicHash::hash(current.Bytes, QCryptographicHash::Sha256) != m_Hash) {
            result.Result = SaveResult::Outcome::ChangedOnDisk;
            result.Reason = QStringLiteral("\"%1\" was changed on disk since it was read.")
                                .arg(QDir::toNativeSeparators(Target));
            return result;
        }
    }
    return Place(Target, Compressed, now);
}

SaveResult NameDocument::Place(const QString& Target, const QByteArray& Bytes,
                               const FileStamp& Now) {
    SaveResult result;
    const QFileInfo target(Target);
    const FileStamp& now = Now;
    if (now.Exists) {
        // A file marked read-only stays as it is, whoever runs the editor.
        if (!now.Regular || !target.isWritable() || !(now.Mode & 0200)) {
            result.Reason = QStringLiteral("\"%1\" is read-only.").arg(Target);
            return result;
        }
        // Written in place where a new file could not stand for it: a folder that takes no
        // new file, other names of the same file, an owner or group a new file could not get.
        SaveResult::InPlace why = SaveResult::InPlace::No;
        if (!QFileInfo(target.absolutePath()).isWritable() || !RoomForTemporaryName(Target)) {
            why = SaveResult::InPlace::Folder;
        } else if (now.Links > 1) {
            why = SaveResult::InPlace::Links;
        } else if (!CanKeepOwner(now)) {
            why = SaveResult::InPlace::Owner;
        }
        if (why != SaveResult::InPlace::No) {
            return WriteInPlace(Target, Bytes, why);
        }
    }
    if (!AtomicReplace(Target, Bytes, result.Reason)) {
        result.Reason = QStringLiteral("\"%1\" cannot be written:\n%2").arg(Target, result.Reason);
        return result;
    }
    result.Result = SaveResult::Outcome::Saved;
    return result;
}

SaveResult NameDocument::WriteInPlace(const QString& Target, const QByteArray& Compressed,
                                      SaveResult::InPlace Why) {
    SaveResult result;
    // The former bytes are kept, in memory and in the working folder, until the new ones
    // are written in full.
    bool readable = false;
    const QByteArray former = readAll(Target, &readable);
    const QString kept = WorkFile(QStringLiteral("former.bin"));
    QSaveFile keep(kept);
    if (!readable || !keep.open(QIODevice::WriteOnly) || keep.write(former) != former.size() ||
        !keep.commit()) {
        result.Reason = QStringLiteral("\"%1\" cannot be written in place: its present content "
                                       "could not be kept aside.")
                            .arg(Target);
        return result;
    }
    QString reason;
    if (m_WriteInPlace(Target, Compressed, reason)) {
        QFile::remove(kept);
        result.Result = SaveResult::Outcome::Saved;
        result.WrittenInPlace = Why;
        return result;
    }
    result.Reason = QStringLiteral("\"%1\" cannot be written in place:\n%2").arg(Target, reason);
    if (voxtrel::WriteInPlace(Target, former, reason)) {
        QFile::remove(kept);
        result.Reason += QStringLiteral("\nIts former content was written back.");
        return result;
    }
    // The copy is then the only one left. It moves under the user's cache folder, which
    // nothing of ours ever clears; failing that, it stays in the working folder under a name
    // that no later save writes over and no clearing removes, and a private folder stays.
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmsszzz"));
    const QString cache = cacheFolder();
    const QString rescued = cache + QStringLiteral("rescued/") + QFileInfo(Target).fileName() +
                            QStringLiteral(".") + stamp;
    result.Result = SaveResult::Outcome::Rescued;
    if (!cache.isEmpty() && QDir().mkpath(cache + QStringLiteral("rescued")) &&
        QFile::copy(kept, rescued)) {
        QFile::remove(kept);
        result.RescuedCopy = rescued;
    } else {
        result.RescuedCopy = WorkFile(RescuedPrefix + stamp);
        if (!QFile::rename(kept, result.RescuedCopy)) {
            result.RescuedCopy = kept;
        }
        if (m_Private) {
            m_Private->setAutoRemove(false);
        }
    }
    result.Reason += QStringLiteral("\nIts former content could not be written back; a copy of "
                                    "it is kept in \"%1\".")
                         .arg(QDir::toNativeSeparators(result.RescuedCopy));
    return result;
}

SaveResult NameDocument::Export_Csv(const QString& Target) {
    SaveResult result;
    if (!m_Open) {
        result.Reason = QStringLiteral("No name file is open.");
        return result;
    }
    const QByteArray csv = NameCsv::Write(m_Table);
    if (Target == QLatin1String("-")) {
        if (WriteStream(Target, csv, result.Reason)) {
            result.Result = SaveResult::Outcome::Saved;
        } else {
            result.Reason =
                QStringLiteral("The names could not be written to standard output: %1")
                    .arg(result.Reason);
        }
        return result;
    }
    const QString target = FollowLinks(Target, result.Reason);
    if (target.isEmpty()) {
        return result;
    }
    const FileStamp now = StampOf(target);
    if (now.SameFile(StampOf(m_FilePath))) {
        result.Reason =
            QStringLiteral("\"%1\" is the name file itself; the list goes to another file.")
                .arg(Target);
        return result;
    }
    if (now.Exists && !now.Regular) {
        // A FIFO, a device or a terminal takes the list as a stream and stays what it is.
        if (WriteStream(target, csv, result.Reason)) {
            result.Result = SaveResult::Outcome::Saved;
        } else {
            result.Reason =
                QStringLiteral("\"%1\" cannot be written: %2").arg(Target, result.Reason);
        }
        return result;
    }
    return Place(target, csv, now);
}

QString NameDocument::WorkFile(const QString& Name) const {
    const QString path = m_WorkFolder + Name;
    // Never the user's own file, should it have been opened from the working folder.
    return samePath(path, m_FilePath) ? m_WorkFolder + QStringLiteral("_") + Name : path;
}

void NameDocument::Clear_Work_Folder() {
    const QDir dir(m_WorkFolder);
    if (m_WorkFolder.isEmpty() || !dir.exists()) {
        return;
    }
    for (const QString& name : dir.entryList(QDir::Files)) {
        const QString file = m_WorkFolder + name;
        if (!m_FilePath.isEmpty() && samePath(file, m_FilePath)) {
            continue; // the user's own file, opened from the working folder
        }
        if (name.startsWith(RescuedPrefix) || file == m_Rescued) {
            continue; // the only copy of a file a failed save could not restore
        }
        QFile::remove(file);
    }
}

} // namespace voxtrel

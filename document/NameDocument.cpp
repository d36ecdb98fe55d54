#include "document/NameDocument.h"

#include "document/AtomicReplace.h"
#include "document/RenameCommand.h"
#include "tools/Scn_Process.h"
#include "tools/ToolCommands.h"

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

bool NameDocument::Open(const QString& FilePath, QString& Error, const QString& Name,
                        const SizeCheck& AcceptSize) {
    if (ToolBusy()) {
        Error = ToolBusyText;
        return false;
    }
    const QString name = Name.isEmpty() ? QFileInfo(FilePath).fileName() : Name;
    if (m_WorkFolder.isEmpty()) {
        Error = QStringLiteral("No working folder could be made for the compression tool.");
        return false;
    }
    if (!Baza::File_Exists(FilePath)) {
        Error = QStringLiteral("The file \"%1\" does not exist.").arg(FilePath);
        return false;
    }
    if (QFileInfo(FilePath).isDir()) {
        Error = QStringLiteral("\"%1\" is a folder, not a name file.").arg(FilePath);
        return false;
    }
    QDir().mkpath(m_WorkFolder);
    const QString copy = m_WorkFolder + name;
    if (!samePath(FilePath, copy)) { // a file chosen inside the working folder is its own copy
        QFile::remove(copy);
        QFile source(FilePath);
        if (!source.copy(copy)) {
            Error = QStringLiteral("The file could not be copied to the working folder:\n%1")
                        .arg(source.errorString());
            return false;
        }
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    }

    const QString unpacked = ToolCommands::Decompress_File_Output(copy);
    QFile::remove(unpacked); // never load what an earlier run left behind
    QString toolError;
    if (!RunTool(ToolCommands::Decompress_File_Command(m_AppPath, copy), copy,
                 QStringLiteral("Decompressing %1...").arg(name), toolError)) {
        Error =
            QStringLiteral("The file \"%1\" could not be decompressed:\n%2").arg(name, toolError);
        return false;
    }
    const qint64 size = QFileInfo(unpacked).size();
    if (size != layout::FileSize && AcceptSize && !AcceptSize(size)) {
        Error.clear();
        return false;
    }
    Baza fresh(m_AppPath);
    fresh.setEncoding(m_Table.Encoding());
    if (!fresh.Wczytaj(unpacked)) {
        Error = QStringLiteral("The file \"%1\" could not be loaded:\n%2")
                    .arg(name, fresh.ErrorString());
        return false;
    }
    m_Table = fresh;
    m_Saved = std::move(fresh);
    m_FilePath = FilePath;
    m_Open = true;
    m_Undo.clear();
    return true;
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

bool NameDocument::Import(const NameChanges& Changes, QString& Error) {
    if (ToolBusy()) {
        Error = ToolBusyText;
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

bool NameDocument::Save(QString& Error) {
    return SaveTo(m_FilePath, Error);
}

bool NameDocument::Save_As(const QString& FilePath, QString& Error) {
    return SaveTo(QFileInfo(FilePath).absoluteFilePath(), Error);
}

bool NameDocument::SaveTo(const QString& FilePath, QString& Error) {
    if (ToolBusy()) {
        Error = ToolBusyText;
        return false;
    }
    if (!m_Open) {
        Error = QStringLiteral("No name file is open.");
        return false;
    }
    m_Rescued.clear();
    m_WrittenInPlace = false;
    // The new file is chosen only once it has been written and checked.
    const QString former = m_FilePath;
    m_FilePath = FilePath;
    if (!SaveSteps(Error)) {
        m_FilePath = former;
        return false;
    }
    m_Saved = m_Table;
    m_Undo.setClean();
    if (m_FilePath != former) {
        emit FilePathChanged(m_FilePath);
    }
    return true;
}

bool NameDocument::SaveSteps(QString& Error) {
    if (!m_Table.Zapisz(QString())) {
        Error =
            QStringLiteral("The working file could not be written:\n%1").arg(m_Table.ErrorString());
        return false;
    }
    const QString path = m_Table.Path();
    const QString name = QFileInfo(m_FilePath).fileName();
    const QString packed = ToolCommands::Compress_Output(path);
    QFile::remove(packed);
    if (!RunTool(ToolCommands::Compress_Command(m_AppPath, path), path,
                 QStringLiteral("Compressing %1...").arg(name), Error)) {
        return false;
    }
    bool ok = false;
    const QByteArray compressed = readAll(packed, &ok);
    if (!ok || compressed.isEmpty()) {
        Error = QStringLiteral("The compression tool left no compressed file.");
        return false;
    }
    // The compressed file must give back exactly the bytes written before it may replace
    // the user's file. It is checked under a short name: the working file's name may
    // already be as long as a name can be.
    const QString checked = WorkFile(QStringLiteral("check.zlib"));
    const QString check = ToolCommands::Decompress_File_Output(checked);
    QFile::remove(checked);
    QFile::remove(check);
    if (!QFile::rename(packed, checked)) {
        Error = QStringLiteral("The compressed file could not be checked:\n%1 cannot be renamed.")
                    .arg(packed);
        return false;
    }
    if (!RunTool(ToolCommands::Decompress_File_Command(m_AppPath, checked), checked,
                 QStringLiteral("Checking %1...").arg(name), Error)) {
        Error = QStringLiteral("The compressed file could not be checked:\n%1").arg(Error);
        return false;
    }
    const QByteArray written = readAll(path);
    if (written.isEmpty() || readAll(check) != written) {
        Error = QStringLiteral("The compressed file does not decompress to the names written.");
        return false;
    }
    return Replace(compressed, Error);
}

bool NameDocument::Replace(const QByteArray& Compressed, QString& Error) {
    const QFileInfo target(m_FilePath);
    // A file marked read-only stays as it is, whoever runs the editor.
    if (target.exists() &&
        (!target.isFile() || !target.isWritable() || !(target.permissions() & QFile::WriteOwner))) {
        Error = QStringLiteral("\"%1\" is read-only.").arg(m_FilePath);
        return false;
    }
    // A writable file in a folder that cannot take a new file beside it cannot be replaced
    // atomically: it is written in place instead.
    if (target.exists() &&
        (!QFileInfo(target.absolutePath()).isWritable() || !RoomForTemporaryName(m_FilePath))) {
        m_WrittenInPlace = WriteInPlace(Compressed, Error);
        return m_WrittenInPlace;
    }
    QString reason;
    if (!AtomicReplace(m_FilePath, Compressed, reason)) {
        Error = QStringLiteral("\"%1\" cannot be written:\n%2").arg(m_FilePath, reason);
        return false;
    }
    return true;
}

bool NameDocument::WriteInPlace(const QByteArray& Compressed, QString& Error) {
    // The former bytes are kept, in memory and in the working folder, until the new ones
    // are written in full.
    bool readable = false;
    const QByteArray former = readAll(m_FilePath, &readable);
    const QString kept = WorkFile(QStringLiteral("former.bin"));
    QSaveFile keep(kept);
    if (!readable || !keep.open(QIODevice::WriteOnly) || keep.write(former) != former.size() ||
        !keep.commit()) {
        Error = QStringLiteral("\"%1\" cannot be written in place: its present content could not "
                               "be kept aside.")
                    .arg(m_FilePath);
        return false;
    }
    QString reason;
    if (voxtrel::WriteInPlace(m_FilePath, Compressed, reason)) {
        QFile::remove(kept);
        return true;
    }
    Error = QStringLiteral("\"%1\" cannot be written in place:\n%2").arg(m_FilePath, reason);
    if (voxtrel::WriteInPlace(m_FilePath, former, reason)) {
        QFile::remove(kept);
        Error += QStringLiteral("\nIts former content was written back.");
        return false;
    }
    // The copy is then the only one left. It moves under the user's cache folder, which
    // nothing of ours ever clears; failing that, it stays in the working folder under a name
    // that no later save writes over and no clearing removes, and a private folder stays.
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmsszzz"));
    const QString cache = cacheFolder();
    const QString rescued = cache + QStringLiteral("rescued/") + QFileInfo(m_FilePath).fileName() +
                            QStringLiteral(".") + stamp;
    if (!cache.isEmpty() && QDir().mkpath(cache + QStringLiteral("rescued")) &&
        QFile::copy(kept, rescued)) {
        QFile::remove(kept);
        m_Rescued = rescued;
    } else {
        m_Rescued = WorkFile(RescuedPrefix + stamp);
        if (!QFile::rename(kept, m_Rescued)) {
            m_Rescued = kept;
        }
        if (m_Private) {
            m_Private->setAutoRemove(false);
        }
    }
    Error += QStringLiteral("\nIts former content could not be written back; a copy of it is "
                            "kept in \"%1\".")
                 .arg(QDir::toNativeSeparators(m_Rescued));
    return false;
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

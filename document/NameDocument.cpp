#include "document/NameDocument.h"

#include <QCoreApplication>

#include "document/NativePath.h"
#include "document/RenameCommand.h"
#include "document/SaveJournal.h"
#include "names/NameFileLayout.h"
#include "tools/ToolCommands.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <utility>

namespace voxtrel {
namespace {

// The file's bytes; none when it cannot be opened.
std::optional<QByteArray> readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return f.readAll();
}

QByteArray hashOf(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

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

NameDocument::NameDocument(QString AppPath, QString SharedFolder, QObject* parent)
    : QObject(parent), m_AppPath(ToolCommands::WithSeparator(std::move(AppPath))),
      m_Folder(m_AppPath, SharedFolder), m_Tool(m_AppPath), m_Table(m_AppPath), m_Saved(m_AppPath) {
    connect(&m_Tool, &ToolRunner::RunningChanged, this, &NameDocument::ToolRunningChanged);
}

NameDocument::~NameDocument() = default;

OpenResult NameDocument::CheckReadable(const QString& FilePath) {
    return refusedOpen(ReadRegularFile(FilePath, MaxFileSize, FileRead::Mode::Probe));
}

OpenResult NameDocument::Open(const QString& FilePath, const QString& Name,
                              const SizeCheck& AcceptSize) {
    using Outcome = OpenResult::Outcome;
    if (ToolBusy()) {
        return {Outcome::Failed, ToolRunner::BusyText()};
    }
    const QString name = Name.isEmpty() ? QFileInfo(FilePath).fileName() : Name;
    QStringList notes;
    for (const SaveJournal::Recovered& recovered : SaveJournal::Recover()) {
        if (!recovered.Text().isEmpty()) {
            notes << recovered.Text();
        }
    }
    OpenResult opened = OpenRecovered(FilePath, name, AcceptSize);
    opened.Notes = notes;
    return opened;
}

OpenResult NameDocument::OpenRecovered(const QString& FilePath, const QString& name,
                                       const SizeCheck& AcceptSize) {
    using Outcome = OpenResult::Outcome;
    if (const Result<QString> folder = m_Folder.Folder(); !folder.Ok()) {
        return {Outcome::Failed, folder.Reason()};
    }
    // Read once, checked before a byte is copied: a FIFO, a device or a huge file never
    // reaches the working folder.
    const FileRead read = ReadRegularFile(FilePath, MaxFileSize);
    if (!read.Ok()) {
        return refusedOpen(read);
    }
    QDir().mkpath(m_Folder.Path());
    // Working files have short names of the document's own, so that any name the file
    // system takes can be opened.
    const QString copy = m_Folder.File(QStringLiteral("names.bin"), {FilePath, m_FilePath});
    QFile::remove(copy);
    {
        QFile out(copy);
        if (!out.open(QIODevice::WriteOnly) || out.write(read.Bytes) != read.Bytes.size() ||
            !out.flush()) {
            return {Outcome::Failed, QCoreApplication::translate(
                                         "voxtrel::NameDocument",
                                         "The working folder cannot take a copy of \"%1\": %2")
                                         .arg(name, out.errorString())};
        }
    }

    const QString unpacked = ToolCommands::DecompressFileOutput(copy);
    QFile::remove(unpacked); // never load what an earlier run left behind
    const ToolRunner::Run run = m_Tool.Start(
        ToolCommands::DecompressFileCommand(m_AppPath, copy), copy,
        QCoreApplication::translate("voxtrel::NameDocument", "Decompressing %1...").arg(name));
    if (!run.Ok()) {
        return {Outcome::Failed,
                QCoreApplication::translate("voxtrel::NameDocument",
                                            "The file \"%1\" could not be decompressed:\n%2")
                    .arg(name, run.Reason)};
    }
    const qint64 size = QFileInfo(unpacked).size();
    if (size != layout::FileSize && AcceptSize && !AcceptSize(size)) {
        return {Outcome::Declined, {}};
    }
    Baza fresh(m_AppPath);
    fresh.setEncoding(m_Table.Encoding());
    if (!fresh.Wczytaj(unpacked)) {
        return {Outcome::Failed,
                QCoreApplication::translate("voxtrel::NameDocument",
                                            "The file \"%1\" could not be loaded:\n%2")
                    .arg(name, fresh.ErrorString())};
    }
    m_Table = std::move(fresh);
    MarkSaved();
    m_FilePath = NativePath::Absolute(FilePath);
    m_Stamp = read.Stamp;
    m_Hash = hashOf(read.Bytes);
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
    const QByteArray name = m_Table.EncodeNazwa(Name);
    const QByteArray old = m_Table.GetNazwaBytes(index);
    if (name != old) {
        m_Undo.push(new RenameCommand(this, index, old, name, Separate));
    }
    return true;
}

void NameDocument::setEncoding(const CodePage& Encoding) {
    if (&Encoding == &m_Table.Encoding()) {
        return;
    }
    m_Table.setEncoding(Encoding);
    m_Saved.setEncoding(Encoding);
    emit EncodingChanged();
}

Result<qsizetype> NameDocument::Import(const NameChanges& Changes) {
    if (ToolBusy()) {
        return Result<qsizetype>::Refused(ToolRunner::BusyText());
    }
    if (Changes.isEmpty()) {
        return Result<qsizetype>::Made(0);
    }
    m_Undo.beginMacro(QCoreApplication::translate("voxtrel::NameDocument", "Import %1 names")
                          .arg(Changes.size()));
    for (const NameChange& change : Changes) {
        const qint32 index = std::clamp(change.Index, 0, std::max(0, m_Table.Count() - 1));
        m_Undo.push(new RenameCommand(this, index, m_Table.GetNazwaBytes(index),
                                      m_Table.EncodeNazwa(change.NewName)));
    }
    m_Undo.endMacro();
    return Result<qsizetype>::Made(Changes.size());
}

QString NameDocument::SavedName(qint32 Index) const {
    return m_Saved.Get_Nazwa(Index);
}

void NameDocument::setName(qint32 Index, const QByteArray& Name) {
    if (!m_Table.ZmienDaneBytes(Index, Name)) {
        return;
    }
    // The modified mark follows the names themselves: an undo, a redo, a revert or an
    // import that brings every name back leaves nothing to save.
    const bool was = IsModified();
    if (m_Table.GetNazwaBytes(Index) == m_Saved.GetNazwaBytes(Index)) {
        m_Differing.remove(Index);
    } else {
        m_Differing.insert(Index);
    }
    emit NameChanged(Index);
    if (IsModified() != was) {
        emit ModifiedChanged(IsModified());
    }
}

void NameDocument::MarkSaved() {
    const bool was = IsModified();
    m_Saved = m_Table;
    m_Differing.clear();
    if (was) {
        emit ModifiedChanged(false);
    }
}

SaveResult NameDocument::Save(const SaveOptions& Options) {
    return SaveTo(m_FilePath, Options);
}

SaveResult NameDocument::SaveAs(const QString& FilePath, const SaveOptions& Options) {
    return SaveTo(NativePath::Absolute(FilePath), Options);
}

SaveResult NameDocument::SaveTo(const QString& FilePath, const SaveOptions& Options) {
    SaveResult result;
    if (ToolBusy()) {
        result.Reason = ToolRunner::BusyText();
        return result;
    }
    if (!m_Open) {
        result.Reason =
            QCoreApplication::translate("voxtrel::NameDocument", "No name file is open.");
        return result;
    }
    // Resolved once: the check, the lock and the write all work on this one file. A link is
    // followed: the file it leads to gets the names, and the link stays a link.
    const TargetResolution resolved = TargetResolution::Resolve(FilePath);
    if (!resolved.Ok() && FilePath == m_FilePath &&
        resolved.Result == TargetResolution::Outcome::NoFolder) {
        // The folder of the file that was read went away or was moved since.
        result.Result = SaveResult::Outcome::ChangedOnDisk;
        result.Reason =
            QCoreApplication::translate("voxtrel::NameDocument",
                                        "\"%1\" was changed on disk since it was read: %2")
                .arg(QDir::toNativeSeparators(FilePath), resolved.Reason);
        return result;
    }
    if (!resolved.Ok()) {
        result.Reason = resolved.Reason;
        return result;
    }
    const ResolvedTarget& target = *resolved.Target;
    const bool sameFile = FilePath == m_FilePath || target.Stamp().SameFile(m_Stamp);
    if (sameFile && m_OddSize != 0 && Options.AcceptResize && !Options.AcceptResize(m_OddSize)) {
        result.Result = SaveResult::Outcome::Declined;
        return result;
    }
    m_Target = FilePath; // no working file may be it
    const Result<QByteArray> packed = Compressed(QFileInfo(FilePath).fileName());
    if (!packed.Ok()) {
        result.Reason = packed.Reason();
        return result;
    }
    const QByteArray& compressed = packed.Value();
    {
        // Two savers of one file take turns: what is checked here is what is written over.
        const FileLock::Taken lock = FileLock::Take(target, Options.Waiting);
        if (!lock.Ok()) {
            return SafeWriter::NotLocked(lock);
        }
        const FileStamp now = target.Restamp();
        if (sameFile && !Options.OverwriteChanged && ChangedSinceRead(target, now)) {
            result.Result = SaveResult::Outcome::ChangedOnDisk;
            result.Reason =
                QCoreApplication::translate("voxtrel::NameDocument",
                                            "\"%1\" was changed on disk since it was read.")
                    .arg(QDir::toNativeSeparators(FilePath));
            return result;
        }
        result = m_Writer.Write(target, compressed, now);
    }
    if (!result.Ok()) {
        return result;
    }
    // The file as written is the one the next save checks against.
    m_Stamp = target.Restamp();
    m_Hash = hashOf(compressed);
    m_OddSize = 0;
    MarkSaved();
    m_Undo.setClean();
    if (FilePath != m_FilePath) {
        m_FilePath = FilePath;
        emit FilePathChanged(m_FilePath);
    }
    return result;
}

bool NameDocument::ChangedSinceRead(const ResolvedTarget& Target, const FileStamp& Now) const {
    if (!m_Stamp.Exists || Now.Unchanged(m_Stamp)) {
        return false;
    }
    // Written to or replaced since: unless the bytes are the same still, another program's
    // change would be lost.
    const FileRead current = ReadTarget(Target, MaxFileSize);
    return !current.Ok() || hashOf(current.Bytes) != m_Hash;
}

Result<QByteArray> NameDocument::Compressed(const QString& Name) {
    if (!m_Table.Zapisz(QString())) {
        return Result<QByteArray>::Refused(
            QCoreApplication::translate("voxtrel::NameDocument",
                                        "The working file could not be written:\n%1")
                .arg(m_Table.ErrorString()));
    }
    const QString path = m_Table.Path();
    const QString packed = ToolCommands::CompressOutput(path);
    QFile::remove(packed);
    ToolRunner::Run run = m_Tool.Start(
        ToolCommands::CompressCommand(m_AppPath, path), path,
        QCoreApplication::translate("voxtrel::NameDocument", "Compressing %1...").arg(Name));
    if (!run.Ok()) {
        return Result<QByteArray>::Refused(run.Reason);
    }
    const std::optional<QByteArray> compressed = readAll(packed);
    if (!compressed || compressed->isEmpty()) {
        return Result<QByteArray>::Refused(QCoreApplication::translate(
            "voxtrel::NameDocument", "The compression tool left no compressed file."));
    }
    // The compressed file must give back exactly the bytes written before it may replace
    // the user's file.
    const QString checked = WorkFile(QStringLiteral("check.zlib"));
    const QString check = ToolCommands::DecompressFileOutput(checked);
    QFile::remove(checked);
    QFile::remove(check);
    if (!QFile::rename(packed, checked)) {
        return Result<QByteArray>::Refused(QCoreApplication::translate(
            "voxtrel::NameDocument", "The compressed file could not be checked: the working folder "
                                     "refused a rename."));
    }
    run = m_Tool.Start(
        ToolCommands::DecompressFileCommand(m_AppPath, checked), checked,
        QCoreApplication::translate("voxtrel::NameDocument", "Checking %1...").arg(Name));
    if (!run.Ok()) {
        return Result<QByteArray>::Refused(
            QCoreApplication::translate("voxtrel::NameDocument",
                                        "The compressed file could not be checked:\n%1")
                .arg(run.Reason));
    }
    const std::optional<QByteArray> written = readAll(path);
    if (!written || written->isEmpty() || readAll(check) != written) {
        return Result<QByteArray>::Refused(QCoreApplication::translate(
            "voxtrel::NameDocument",
            "The compressed file does not decompress to the names written."));
    }
    return Result<QByteArray>::Made(*compressed);
}

SaveResult NameDocument::ExportList(const QString& Target, NameLists::Format As) {
    SaveResult result;
    if (!m_Open) {
        result.Reason =
            QCoreApplication::translate("voxtrel::NameDocument", "No name file is open.");
        return result;
    }
    const NameLists::Written list = NameLists::Write(m_Table, As, m_Folder.Path());
    if (!list.Ok()) {
        result.Reason = list.Reason();
        return result;
    }
    return m_Writer.WriteOutput(Target, list.Value(), {StampOf(m_FilePath)});
}

SaveResult NameDocument::ExportPatch(const QString& Target, const NameChanges& Rows,
                                     NameLists::Format As, const QString& Other) {
    SaveResult result;
    const NameLists::Written patch = NameLists::WritePatch(Rows, As, m_Folder.Path());
    if (!patch.Ok()) {
        result.Reason = patch.Reason();
        return result;
    }
    return m_Writer.WriteOutput(Target, patch.Value(), {StampOf(m_FilePath), StampOf(Other)});
}

std::optional<QString> NameDocument::ReadOnly() const {
    if (!m_Open) {
        return std::nullopt;
    }
    const LinkTarget link = FollowLinks(m_FilePath);
    const FileStamp now = StampOf(link.Path);
    if (!link.Ok() || !now.Exists) {
        return std::nullopt; // a save asks about a file gone missing
    }
    if (!now.Regular || !(now.Mode & 0200)) {
        return QCoreApplication::translate(
            "voxtrel::NameDocument", "The file is marked read-only; Save As writes the names to "
                                     "another file.");
    }
    if (!MayWrite(link.Path)) {
        return QCoreApplication::translate(
            "voxtrel::NameDocument", "You may not write this file; Save As writes the names to "
                                     "another file.");
    }
    return std::nullopt;
}

ListCheck NameDocument::CheckList(const QString& Path, bool Transliterate) const {
    return NameLists::Read(Path, m_Table, Transliterate);
}

QString NameDocument::WorkFile(const QString& Name) const {
    return m_Folder.File(Name, {m_FilePath, m_Target});
}

void NameDocument::ClearWorkFolder() {
    m_Folder.Clear(m_FilePath);
}

} // namespace voxtrel

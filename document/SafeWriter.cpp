#include "document/SafeWriter.h"

#include <QCoreApplication>

#include "document/NativePath.h"
#include "document/SaveJournal.h"

#include <QDir>
#include <algorithm>
#include <limits>

namespace voxtrel {
namespace {

QString shown(const ResolvedTarget& target) {
    return QStringLiteral("\"%1\"").arg(NativePath::Shown(target.Given()));
}

} // namespace

SaveResult SafeWriter::NotLocked(const FileLock::Taken& Lock) {
    SaveResult result;
    result.Result = Lock.Result == FileLock::Taken::Outcome::Cancelled
                        ? SaveResult::Outcome::Declined
                        : SaveResult::Outcome::Locked;
    result.Reason = Lock.Reason;
    return result;
}

SaveResult SafeWriter::Write(const ResolvedTarget& Target, const QByteArray& Bytes,
                             const FileStamp& Now) {
    SaveResult result;
    if (Now.Exists) {
        // A file marked read-only stays as it is, whoever runs the editor.
        if (!Now.Regular || !Target.MayWriteFile() || !(Now.Mode & 0200)) {
            result.Reason = QCoreApplication::translate("voxtrel::SafeWriter", "%1 is read-only.")
                                .arg(shown(Target));
            return result;
        }
        SaveResult::InPlace why = SaveResult::InPlace::No;
        if (!Target.MayWriteFolder()) {
            why = SaveResult::InPlace::Folder;
        } else if (!RoomForTemporaryName(Target.Name())) {
            why = SaveResult::InPlace::LongName;
        } else if (Now.Links > 1) {
            why = SaveResult::InPlace::Links;
        } else if (!CanKeepOwner(Now)) {
            why = SaveResult::InPlace::Owner;
        }
        if (why != SaveResult::InPlace::No) {
            return WriteInPlace(Target, Bytes, why);
        }
    }
    const FileWrite replaced = AtomicReplace(Target, Bytes);
    if (!replaced.Ok()) {
        result.Reason =
            QCoreApplication::translate("voxtrel::SafeWriter", "%1 cannot be written:\n%2")
                .arg(shown(Target), replaced.Reason);
        return result;
    }
    result.Result = SaveResult::Outcome::Saved;
    return result;
}

SaveResult SafeWriter::WriteOutput(const QString& Target, const QByteArray& Bytes,
                                   const QList<FileStamp>& Not, const LockWait& Waiting) {
    SaveResult result;
    if (Target == QLatin1String("-")) {
        const FileWrite streamed = WriteStandardOutput(Bytes);
        if (streamed.Ok()) {
            result.Result = SaveResult::Outcome::Saved;
        } else {
            result.Reason = QCoreApplication::translate("voxtrel::SafeWriter",
                                                        "Standard output cannot be written: %1")
                                .arg(streamed.Reason);
        }
        return result;
    }
    const TargetResolution resolved = TargetResolution::Resolve(Target);
    if (!resolved.Ok()) {
        result.Reason = resolved.Reason;
        return result;
    }
    const ResolvedTarget& target = *resolved.Target;
    const FileStamp& now = target.Stamp();
    if (std::any_of(Not.begin(), Not.end(),
                    [&now](const FileStamp& n) { return now.SameFile(n); })) {
        result.Reason = QCoreApplication::translate(
                            "voxtrel::SafeWriter",
                            "\"%1\" is the name file itself; the list goes to another file.")
                            .arg(Target);
        return result;
    }
    if (target.Stream() || (now.Exists && !now.Regular)) {
        // A FIFO, a device or a terminal takes the bytes as a stream and stays what it is.
        const FileWrite streamed = WriteStream(target, Bytes);
        if (streamed.Ok()) {
            result.Result = SaveResult::Outcome::Saved;
        } else {
            result.Reason =
                QCoreApplication::translate("voxtrel::SafeWriter", "\"%1\" cannot be written: %2")
                    .arg(Target, streamed.Reason);
        }
        return result;
    }
    const FileLock::Taken lock = FileLock::Take(target, Waiting);
    if (!lock.Ok()) {
        return NotLocked(lock);
    }
    return Write(target, Bytes, target.Restamp());
}

SaveResult SafeWriter::WriteInPlace(const ResolvedTarget& Target, const QByteArray& Bytes,
                                    SaveResult::InPlace Why) {
    SaveResult result;
    // The former bytes are journalled, durably and outside every working folder, before the
    // first of them is written over.
    const FileRead current = ReadTarget(Target, std::numeric_limits<qint64>::max());
    if (!current.Ok()) {
        result.Reason =
            QCoreApplication::translate("voxtrel::SafeWriter", "%1 cannot be written in place: %2")
                .arg(shown(Target), current.Reason);
        return result;
    }
    const QByteArray& former = current.Bytes;
    const SaveJournal::Begun journal = SaveJournal::Begin(Target, former, Bytes);
    if (!journal.Ok()) {
        result.Reason =
            QCoreApplication::translate("voxtrel::SafeWriter", "%1 cannot be written in place: %2.")
                .arg(shown(Target), journal.Reason);
        return result;
    }
    const FileWrite written = m_WriteInPlace(Target, Bytes);
    if (written.Ok()) {
        SaveJournal::Finish(journal.Id);
        result.Result = SaveResult::Outcome::Saved;
        result.WrittenInPlace = Why;
        return result;
    }
    result.Reason =
        QCoreApplication::translate("voxtrel::SafeWriter", "%1 cannot be written in place:\n%2")
            .arg(shown(Target), written.Reason);
    const FileWrite back = voxtrel::WriteInPlace(Target, former);
    if (back.Ok()) {
        SaveJournal::Finish(journal.Id);
        result.Reason += QCoreApplication::translate("voxtrel::SafeWriter",
                                                     "\nIts former content was written back.");
        return result;
    }
    const FileRead after = ReadTarget(Target, std::numeric_limits<qint64>::max());
    if (after.Ok() && after.Bytes == former) {
        // The disk would not confirm the write-back, yet the file reads as it was: it is
        // unchanged. The record stays: should the disk lose it after all, the next open
        // puts it back.
        result.Reason += QCoreApplication::translate(
            "voxtrel::SafeWriter", "\nThe disk did not confirm writing its former content "
                                   "back, but the file reads back unchanged.");
        return result;
    }
    // The journal's copy is then the only one left; the next open puts it back.
    result.Result = SaveResult::Outcome::Rescued;
    result.RescuedCopy = journal.Copy;
    result.Reason +=
        QCoreApplication::translate("voxtrel::SafeWriter",
                                    "\nIts former content could not be written back; a copy of "
                                    "it is kept in \"%1\", and the next time the file is opened "
                                    "it is put back, unless the file is whole with the new names.")
            .arg(QDir::toNativeSeparators(result.RescuedCopy));
    return result;
}

} // namespace voxtrel

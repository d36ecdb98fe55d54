#include "document/SafeWriter.h"

#include "document/WorkFolder.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <limits>

namespace voxtrel {

SaveResult SafeWriter::Write(const QString& Target, const QByteArray& Bytes, const FileStamp& Now) {
    SaveResult result;
    if (Now.Exists) {
        // A file marked read-only stays as it is, whoever runs the editor.
        if (!Now.Regular || !MayWrite(Target) || !(Now.Mode & 0200)) {
            result.Reason = QStringLiteral("\"%1\" is read-only.").arg(Target);
            return result;
        }
        SaveResult::InPlace why = SaveResult::InPlace::No;
        const QString folder = Target.left(Target.lastIndexOf(QLatin1Char('/')) + 1);
        if (!MayWrite(folder)) {
            why = SaveResult::InPlace::Folder;
        } else if (!RoomForTemporaryName(Target)) {
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
    if (!replaced.Ok) {
        result.Reason =
            QStringLiteral("\"%1\" cannot be written:\n%2").arg(Target, replaced.Reason);
        return result;
    }
    result.Result = SaveResult::Outcome::Saved;
    return result;
}

SaveResult SafeWriter::WriteOutput(const QString& Target, const QByteArray& Bytes,
                                   const QList<FileStamp>& Not) {
    SaveResult result;
    if (Target == QLatin1String("-")) {
        const FileWrite streamed = WriteStream(Target, Bytes);
        if (streamed.Ok) {
            result.Result = SaveResult::Outcome::Saved;
        } else {
            result.Reason =
                QStringLiteral("Standard output cannot be written: %1").arg(streamed.Reason);
        }
        return result;
    }
    const LinkTarget link = FollowLinks(Target);
    if (!link.Ok()) {
        result.Reason = link.Reason;
        return result;
    }
    const QString& target = link.Path;
    const FileStamp now = StampOf(target);
    if (std::any_of(Not.begin(), Not.end(),
                    [&now](const FileStamp& n) { return now.SameFile(n); })) {
        result.Reason =
            QStringLiteral("\"%1\" is the name file itself; the list goes to another file.")
                .arg(Target);
        return result;
    }
    if (now.Exists && !now.Regular) {
        // A FIFO, a device or a terminal takes the bytes as a stream and stays what it is.
        const FileWrite streamed = WriteStream(target, Bytes);
        if (streamed.Ok) {
            result.Result = SaveResult::Outcome::Saved;
        } else {
            result.Reason =
                QStringLiteral("\"%1\" cannot be written: %2").arg(Target, streamed.Reason);
        }
        return result;
    }
    return Write(target, Bytes, now);
}

SaveResult SafeWriter::WriteInPlace(const QString& Target, const QByteArray& Bytes,
                                    SaveResult::InPlace Why) {
    SaveResult result;
    // The former bytes are kept, in memory and in the working folder, until the new ones
    // are written in full.
    const FileRead current = ReadRegularFile(Target, std::numeric_limits<qint64>::max());
    const bool readable = current.Ok();
    const QByteArray& former = current.Bytes;
    const QString kept = m_Folder.File(QStringLiteral("former.bin"), {Target});
    QSaveFile keep(kept);
    if (!readable || m_Folder.Path().isEmpty() || !keep.open(QIODevice::WriteOnly) ||
        keep.write(former) != former.size() || !keep.commit()) {
        result.Reason = QStringLiteral("\"%1\" cannot be written in place: its present content "
                                       "could not be kept aside.")
                            .arg(Target);
        return result;
    }
    const FileWrite written = m_WriteInPlace(Target, Bytes);
    if (written.Ok) {
        QFile::remove(kept);
        result.Result = SaveResult::Outcome::Saved;
        result.WrittenInPlace = Why;
        return result;
    }
    result.Reason =
        QStringLiteral("\"%1\" cannot be written in place:\n%2").arg(Target, written.Reason);
    if (voxtrel::WriteInPlace(Target, former).Ok) {
        QFile::remove(kept);
        result.Reason += QStringLiteral("\nIts former content was written back.");
        return result;
    }
    // The copy is then the only one left.
    result.Result = SaveResult::Outcome::Rescued;
    result.RescuedCopy =
        m_Folder.Rescue(kept, Target.mid(Target.lastIndexOf(QLatin1Char('/')) + 1));
    result.Reason += QStringLiteral("\nIts former content could not be written back; a copy of "
                                    "it is kept in \"%1\".")
                         .arg(QDir::toNativeSeparators(result.RescuedCopy));
    return result;
}

} // namespace voxtrel

#include "document/SaveJournal.h"

#include <QCoreApplication>

#include "document/FileLock.h"
#include "document/InPlaceWrite.h"
#include "document/NativePath.h"
#include "document/PlainFile.h"
#include "document/ResolvedTarget.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QMap>
#include <QRandomGenerator>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace voxtrel {
namespace {

const QByteArray RecordHead = "voxtrel-editor journal 1";
const QByteArray RecordEnd = ".record";
const QByteArray CopyEnd = ".copy";
const QByteArray PartialEnd = ".partial";
// A SHA-256 hash in hexadecimal.
constexpr qsizetype HashLength = 64;

QByteArray hashOf(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QString reasonOf(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString baseFolder() {
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (QDir::isAbsolutePath(state)) {
        return state;
    }
    const QString home = qEnvironmentVariable("HOME");
    return QDir::isAbsolutePath(home) ? home + QStringLiteral("/.local/state") : QString();
}

struct Fd {
    int fd = -1;
    Fd() = default;
    explicit Fd(int f) : fd(f) {}
    ~Fd() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
};

// The recovery folder, open; made (0700) when Make. Never a link, and only the user's own.
int openFolder(bool make) {
    const QString base = baseFolder();
    if (base.isEmpty() || (make && !QDir().mkpath(base))) {
        return -1;
    }
    Fd parent(::open(NativePath::ToBytes(base).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (parent.fd < 0) {
        return -1;
    }
    if (make) {
        ::mkdirat(parent.fd, "voxtrel-editor", 0700);
    }
    const int fd =
        ::openat(parent.fd, "voxtrel-editor", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat st {};
    if (fd >= 0 && (::fstat(fd, &st) != 0 || st.st_uid != ::geteuid())) {
        ::close(fd);
        errno = EPERM;
        return -1;
    }
    return fd;
}

// Writes Bytes to the new file Name in Folder and syncs it.
bool writeDurably(int folder, const QByteArray& name, const QByteArray& bytes) {
    Fd out(::openat(folder, name.constData(), O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC,
                    0600));
    return out.fd >= 0 && WriteAll(out.fd, bytes) && ::fsync(out.fd) == 0;
}

QByteArray readSmall(int folder, const QByteArray& name) {
    Fd in(::openat(folder, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (in.fd < 0 || ::fstat(in.fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        return {};
    }
    QByteArray bytes;
    char buffer[65536];
    for (ssize_t n; (n = ::read(in.fd, buffer, sizeof buffer)) > 0;) {
        bytes.append(buffer, n);
    }
    return bytes;
}

void removeEntry(int folder, const QString& id) {
    const QByteArray base = id.toLatin1();
    ::unlinkat(folder, (base + RecordEnd).constData(), 0);
    ::unlinkat(folder, (base + CopyEnd).constData(), 0);
    ::fsync(folder);
}

} // namespace

QByteArray SaveJournal::Record::Bytes() const {
    QByteArray out = RecordHead + '\n';
    out += "path=" + NativePath::ToBytes(File).toHex() + '\n';
    out += "device=" + QByteArray::number(Device) + '\n';
    out += "inode=" + QByteArray::number(Inode) + '\n';
    out += "old=" + OldHash + '\n';
    out += "new=" + NewHash + '\n';
    out += "time=" + When.toUtf8() + '\n';
    return out;
}

std::optional<SaveJournal::Record> SaveJournal::Record::Parse(const QByteArray& Bytes) {
    const QList<QByteArray> lines = Bytes.split('\n');
    if (lines.value(0) != RecordHead) {
        return std::nullopt;
    }
    QMap<QByteArray, QByteArray> field;
    for (const QByteArray& line : lines) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0) {
            field.insert(line.left(eq), line.mid(eq + 1));
        }
    }
    Record record;
    bool device = false;
    bool inode = false;
    record.File = NativePath::FromBytes(QByteArray::fromHex(field.value("path")));
    record.Device = field.value("device").toULongLong(&device);
    record.Inode = field.value("inode").toULongLong(&inode);
    record.OldHash = field.value("old");
    record.NewHash = field.value("new");
    record.When = QString::fromUtf8(field.value("time"));
    if (record.File.isEmpty() || !device || !inode || record.OldHash.size() != HashLength ||
        record.NewHash.size() != HashLength) {
        return std::nullopt;
    }
    return record;
}

QString SaveJournal::Folder() {
    const QString base = baseFolder();
    return base.isEmpty() ? QString() : base + QStringLiteral("/voxtrel-editor/");
}

SaveJournal::Begun SaveJournal::Begin(const ResolvedTarget& Target, const QByteArray& Old,
                                      const QByteArray& New) {
    Begun begun;
    Fd folder(openFolder(true));
    if (folder.fd < 0) {
        begun.Reason =
            Folder().isEmpty()
                ? QCoreApplication::translate(
                      "voxtrel::SaveJournal",
                      "there is no folder to keep its present content in (neither "
                      "XDG_STATE_HOME nor HOME is set)")
                : QCoreApplication::translate("voxtrel::SaveJournal",
                                              "its present content cannot be kept in \"%1\": %2")
                      .arg(Folder(), reasonOf(errno));
        return begun;
    }
    const FileStamp stamp = Target.Restamp();
    const QString id =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmsszzz")) +
        QStringLiteral("-%1-%2")
            .arg(::getpid())
            .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    const QByteArray base = id.toLatin1();
    Record written;
    written.File = NativePath::Absolute(Target.Given());
    written.Device = stamp.Device;
    written.Inode = stamp.Inode;
    written.OldHash = hashOf(Old);
    written.NewHash = hashOf(New);
    written.When = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    const QByteArray record = written.Bytes();
    // The copy first: a record never stands for a copy that is not complete on disk. The
    // record gets its name only once it is whole.
    begun.Result = Begun::Outcome::Failed;
    if (!writeDurably(folder.fd, base + CopyEnd, Old) ||
        !writeDurably(folder.fd, base + PartialEnd, record) ||
        ::renameat(folder.fd, (base + PartialEnd).constData(), folder.fd,
                   (base + RecordEnd).constData()) != 0 ||
        ::fsync(folder.fd) != 0) {
        const int error = errno;
        ::unlinkat(folder.fd, (base + PartialEnd).constData(), 0);
        ::unlinkat(folder.fd, (base + RecordEnd).constData(), 0);
        ::unlinkat(folder.fd, (base + CopyEnd).constData(), 0);
        begun.Reason =
            QCoreApplication::translate("voxtrel::SaveJournal",
                                        "its present content cannot be kept in \"%1\": %2")
                .arg(Folder(), reasonOf(error));
        return begun;
    }
    begun.Result = Begun::Outcome::Begun;
    begun.Id = id;
    begun.Copy = Folder() + id + QString::fromLatin1(CopyEnd);
    return begun;
}

void SaveJournal::Finish(const QString& Id) {
    Fd folder(openFolder(false));
    if (folder.fd >= 0) {
        removeEntry(folder.fd, Id);
    }
}

QString SaveJournal::Recovered::Text() const {
    const QString file = NativePath::Shown(File);
    switch (Result) {
    case Outcome::Restored:
        return QCoreApplication::translate(
                   "voxtrel::SaveJournal",
                   "%1 was restored: a save of it at %2 was cut off; it holds what it "
                   "held before that save.")
            .arg(file, When);
    case Outcome::Kept:
        return QCoreApplication::translate(
                   "voxtrel::SaveJournal",
                   "A save of %1 at %2 was cut off, and %3; its content before that "
                   "save is kept in \"%4\".")
            .arg(file, When, Reason, Copy);
    case Outcome::Cleared:
    case Outcome::Busy:
        break;
    }
    return {};
}

QList<SaveJournal::Recovered> SaveJournal::Recover() {
    QList<Recovered> out;
    Fd folder(openFolder(false));
    if (folder.fd < 0) {
        return out;
    }
    QList<QByteArray> records;
    QList<QByteArray> parts; // copies and partial records
    {
        DIR* dir = ::fdopendir(::dup(folder.fd));
        if (dir == nullptr) {
            return out;
        }
        while (const dirent* entry = ::readdir(dir)) {
            const QByteArray name(entry->d_name);
            if (name.endsWith(RecordEnd)) {
                records << name.chopped(RecordEnd.size());
            } else if (name.endsWith(CopyEnd) || name.endsWith(PartialEnd)) {
                parts << name;
            }
        }
        ::closedir(dir);
    }
    std::sort(records.begin(), records.end());
    // A run killed before its record was whole left a copy or a partial record: no write
    // had begun. They go once the run that made them is gone (its pid is in their name).
    for (const QByteArray& part : parts) {
        const QByteArray base = part.left(part.lastIndexOf('.'));
        const qint64 pid = base.split('-').value(1).toLongLong();
        if (!records.contains(base) && pid > 0 && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH) {
            ::unlinkat(folder.fd, part.constData(), 0);
        }
    }
    for (const QByteArray& base : records) {
        const std::optional<Record> record = Record::Parse(readSmall(folder.fd, base + RecordEnd));
        if (!record) {
            continue; // not a record of ours: left as it is
        }
        Recovered r;
        r.File = record->File;
        r.When = record->When;
        r.Copy = Folder() + QString::fromLatin1(base + CopyEnd);
        const QString id = QString::fromLatin1(base);
        TargetResolution resolved = TargetResolution::Resolve(r.File);
        if (!resolved.Ok() || !resolved.Target->Stamp().Exists) {
            r.Result = Recovered::Outcome::Kept;
            r.Reason = QCoreApplication::translate("voxtrel::SaveJournal", "the file is gone");
            out << r;
            continue;
        }
        const ResolvedTarget& target = *resolved.Target;
        if (target.Stamp().Device != record->Device || target.Stamp().Inode != record->Inode) {
            r.Result = Recovered::Outcome::Kept;
            r.Reason = QCoreApplication::translate("voxtrel::SaveJournal",
                                                   "another file has its name now");
            out << r;
            continue;
        }
        // A save going on now holds the lock for as long as it writes.
        const FileLock::Taken lock =
            FileLock::Take(target, [](qint64, const QString&) { return false; });
        if (lock.Result == FileLock::Taken::Outcome::Cancelled ||
            lock.Result == FileLock::Taken::Outcome::Busy) {
            r.Result = Recovered::Outcome::Busy;
            out << r;
            continue;
        }
        const FileRead now = ReadTarget(target, std::numeric_limits<qint64>::max());
        const QByteArray hash = now.Ok() ? hashOf(now.Bytes) : QByteArray();
        if (now.Ok() && (hash == record->OldHash || hash == record->NewHash)) {
            removeEntry(folder.fd, id);
            out << r; // Cleared
            continue;
        }
        const QByteArray copy = readSmall(folder.fd, base + CopyEnd);
        if (hashOf(copy) != record->OldHash) {
            r.Result = Recovered::Outcome::Kept;
            r.Reason = QCoreApplication::translate("voxtrel::SaveJournal",
                                                   "the copy of its former content is damaged");
            out << r;
            continue;
        }
        // The record stays until the old bytes are back: a write-back cut in its turn is
        // rolled back again next time.
        const FileWrite back = WriteInPlace(target, copy);
        if (!back.Ok()) {
            r.Result = Recovered::Outcome::Kept;
            r.Reason =
                QCoreApplication::translate("voxtrel::SaveJournal",
                                            "its former content could not be written back (%1)")
                    .arg(back.Reason);
            out << r;
            continue;
        }
        removeEntry(folder.fd, id);
        r.Result = Recovered::Outcome::Restored;
        out << r;
    }
    return out;
}

} // namespace voxtrel

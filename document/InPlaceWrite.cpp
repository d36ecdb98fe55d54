#include "document/InPlaceWrite.h"

#include "document/PlainFile.h"
#include "document/ResolvedTarget.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace voxtrel {
namespace {

QString reasonOf(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

FileWrite writeAndClose(int fd, const QByteArray& bytes) {
    if (fd < 0) {
        return FileWrite::Error(reasonOf(errno));
    }
    FileWrite result = FileWrite::Done();
    if (!WriteAll(fd, bytes)) {
        result = FileWrite::Error(reasonOf(errno));
    }
    if (::close(fd) != 0 && result.Ok()) {
        result = FileWrite::Error(reasonOf(errno));
    }
    return result;
}

} // namespace

FileWrite WriteInPlace(const ResolvedTarget& Target, const QByteArray& Bytes) {
    const int fd = Target.Open(O_WRONLY);
    if (fd < 0) {
        return FileWrite::Error(reasonOf(errno));
    }
    FileWrite result = FileWrite::Done();
    // Written over, then cut: a kill in between leaves the new bytes and the old tail, which
    // the journal tells from either and rolls back; an emptied file it could not tell from
    // one the user emptied.
    if (!WriteAll(fd, Bytes) || ::ftruncate(fd, Bytes.size()) != 0) {
        result = FileWrite::Error(reasonOf(errno));
    } else if (::fdatasync(fd) != 0) {
        result = FileWrite::Error(reasonOf(errno), FileWrite::Outcome::SyncFailed);
    }
    if (::close(fd) != 0 && result.Ok()) {
        result = FileWrite::Error(reasonOf(errno), FileWrite::Outcome::SyncFailed);
    }
    return result;
}

FileWrite WriteStream(const ResolvedTarget& Target, const QByteArray& Bytes) {
    // A link that leads to a stream is followed here: it is what the user named.
    return writeAndClose(::openat(Target.Folder(), Target.Name().constData(), O_WRONLY | O_CLOEXEC),
                         Bytes);
}

FileWrite WriteStandardOutput(const QByteArray& Bytes) {
    return writeAndClose(::dup(STDOUT_FILENO), Bytes);
}

} // namespace voxtrel

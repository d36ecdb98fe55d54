#include "document/FileLock.h"

#include <QCoreApplication>

#include "document/NativePath.h"
#include "document/ResolvedTarget.h"

#include <QElapsedTimer>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace voxtrel {

FileLock::Taken FileLock::Take(const ResolvedTarget& Target, const LockWait& Wait) {
    Taken taken;
    const int fd = Target.Open(O_RDONLY | O_NONBLOCK);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (fd >= 0) {
            ::close(fd);
        }
        return taken;
    }
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            taken.Result = Taken::Outcome::Locked;
            taken.Lock.reset(new FileLock(fd));
            return taken;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            ::close(fd); // a file system without locks: nothing to take turns on
            return taken;
        }
        const QString holder = LockHolderOf(fd);
        if (waited.elapsed() >= LockBoundMs) {
            ::close(fd);
            taken.Result = Taken::Outcome::Busy;
            taken.Reason =
                QCoreApplication::translate("voxtrel::FileLock",
                                            "%1 is locked by %2; nothing written")
                    .arg(NativePath::Shown(Target.Given()),
                         holder.isEmpty()
                             ? QCoreApplication::translate("voxtrel::FileLock", "another program")
                             : holder);
            return taken;
        }
        if (Wait) {
            if (!Wait(waited.elapsed(), holder)) {
                ::close(fd);
                taken.Result = Taken::Outcome::Cancelled;
                taken.Reason =
                    QCoreApplication::translate("voxtrel::FileLock",
                                                "The save was cancelled while %1 was locked; "
                                                "nothing written")
                        .arg(NativePath::Shown(Target.Given()));
                return taken;
            }
        } else {
            QThread::msleep(WaitStepMs);
        }
    }
}

FileLock::~FileLock() {
    if (m_Fd >= 0) {
        ::close(m_Fd); // and with it the lock
    }
}

} // namespace voxtrel

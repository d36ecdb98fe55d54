// Who holds a lock: Linux lists every lock in /proc/locks.
#include "document/FileLock.h"

#include <QCoreApplication>

#include <QtGlobal>

#ifdef Q_OS_LINUX
#include <QFile>
#include <QList>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

namespace voxtrel {

#ifdef Q_OS_LINUX
QString LockHolderOf(int Fd) {
    struct stat st {};
    if (::fstat(Fd, &st) != 0) {
        return {};
    }
    // "1: FLOCK  ADVISORY  WRITE 4242 08:01:1234 0 EOF": the holder's pid, then the file as
    // major:minor:inode, the numbers of the device in hexadecimal.
    const QByteArray file = QByteArray::number(major(st.st_dev), 16).rightJustified(2, '0') + ':' +
                            QByteArray::number(minor(st.st_dev), 16).rightJustified(2, '0') + ':' +
                            QByteArray::number(quint64(st.st_ino));
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly)) {
        return {};
    }
    for (const QByteArray& line : locks.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        // A waiter's line is marked "->" and has one field more.
        const qsizetype at = fields.value(1) == "->" ? 1 : 0;
        if (fields.size() < at + 6 || fields.at(at + 5) != file) {
            continue;
        }
        const qint64 pid = fields.at(at + 4).toLongLong();
        if (pid <= 0 || at == 1) {
            continue;
        }
        QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
        const QString program =
            comm.open(QIODevice::ReadOnly)
                ? QString::fromLocal8Bit(comm.readAll().trimmed())
                : QCoreApplication::translate("voxtrel::LockHolder", "another program");
        return QCoreApplication::translate("voxtrel::LockHolder", "%1 (pid %2)")
            .arg(program)
            .arg(pid);
    }
    return {};
}
#else
QString LockHolderOf(int Fd) {
    Q_UNUSED(Fd);
    return {};
}
#endif

} // namespace voxtrel

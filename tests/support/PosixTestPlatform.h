#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <functional>

// Everything the tests need that exists only on POSIX systems.
namespace voxtrel::test {

// Runs check in a child process and returns its answer. When the tests run as root the child
// drops to the unprivileged user first, since file permissions mean nothing to root. With
// fileSizeLimit above 0, no file the child writes may grow past that many bytes: longer
// writes fail as on a full disk.
bool RunInChild(const std::function<bool()>& check, qint64 fileSizeLimit = 0);

// A program run to its end, with what it wrote on its standard and error outputs, in the
// order written, and the peak resident memory the kernel accounted to it alone.
struct MeasuredRun {
    int exitCode = -1;
    QString output;
    qint64 peakKiB = -1;
};
// XDG_STATE_HOME for a run as the unprivileged user: a folder of its own inside this
// process's, made for it when the tests run as root.
QString NobodyStateHome();

// With asNobody, a root test process runs the program as the unprivileged user.
MeasuredRun RunMeasured(const QString& program, const QStringList& arguments,
                        bool asNobody = false);

// While alive, no file this process (or a child it starts) writes may grow past bytes.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    qint64 m_OldSoft = 0;
    qint64 m_OldHard = 0;
    bool m_Active = false;
};

} // namespace voxtrel::test

#include "PosixTestPlatform.h"

#include <QTemporaryFile>

#include <csignal>
#include <grp.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace voxtrel::test {

namespace {
constexpr uid_t Nobody = 65534;
}

QString NobodyStateHome() {
    const QByteArray state = qgetenv("XDG_STATE_HOME");
    if (state.isEmpty() || ::geteuid() != 0) {
        return QString::fromLocal8Bit(state);
    }
    const QByteArray own = state + "/nobody";
    ::mkdir(own.constData(), 0700);
    if (::chown(own.constData(), Nobody, Nobody) != 0) {
        return {};
    }
    return QString::fromLocal8Bit(own);
}

bool RunInChild(const std::function<bool()>& check, qint64 fileSizeLimit) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)) {
            ::_exit(3);
        }
        if (fileSizeLimit > 0) {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{rlim_t(fileSizeLimit), rlim_t(fileSizeLimit)};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

MeasuredRun RunMeasured(const QString& program, const QStringList& arguments, bool asNobody) {
    // GNU time runs the program as its own child and reports that child's peak alone: the
    // kernel would count this test process's pages in a child forked from it.
    QTemporaryFile report;
    report.open();
    report.setPermissions(report.permissions() | QFile::WriteOther); // for the unprivileged user
    const QByteArray nobodyState = asNobody ? NobodyStateHome().toLocal8Bit() : QByteArray();
    std::vector<std::string> args{
        "/usr/bin/time", "-f", "%M", "-o", report.fileName().toStdString(), program.toStdString()};
    for (const QString& a : arguments) {
        args.push_back(a.toStdString());
    }
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        return {};
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(pipeFds[1], STDOUT_FILENO);
        ::dup2(pipeFds[1], STDERR_FILENO);
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        if (!nobodyState.isEmpty()) {
            ::setenv("XDG_STATE_HOME", nobodyState.constData(), 1);
        }
        if (asNobody && ::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)) {
            ::_exit(126);
        }
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    MeasuredRun run;
    QByteArray err;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0) {
        err.append(buffer, n);
    }
    ::close(pipeFds[0]);
    int status = 0;
    if (::waitpid(pid, &status, 0) == pid) {
        run.exitCode = WIFEXITED(status) && WEXITSTATUS(status) < 128 ? WEXITSTATUS(status) : -1;
        const QList<QByteArray> lines = report.readAll().trimmed().split('\n');
        bool ok = false;
        run.peakKiB = lines.last().toLongLong(&ok); // after "Command exited with non-zero status"
        if (!ok) {
            run.peakKiB = -1;
        }
    }
    run.output = QString::fromLocal8Bit(err);
    return run;
}

FileSizeLimit::FileSizeLimit(qint64 bytes) {
    rlimit old{};
    if (::getrlimit(RLIMIT_FSIZE, &old) != 0) {
        return;
    }
    m_OldSoft = qint64(old.rlim_cur);
    m_OldHard = qint64(old.rlim_max);
    ::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails with EFBIG instead
    const rlimit limit{rlim_t(bytes), old.rlim_max};
    m_Active = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit() {
    if (m_Active) {
        const rlimit old{rlim_t(m_OldSoft), rlim_t(m_OldHard)};
        ::setrlimit(RLIMIT_FSIZE, &old);
    }
}

} // namespace voxtrel::test

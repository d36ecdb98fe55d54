#include "PosixTestPlatform.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace voxtrel::test {

namespace {
constexpr uid_t Nobody = 65534;
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

#include "FileSizeLimit.h"

#include <csignal>
#include <sys/resource.h>

namespace voxtrel::test {

FileSizeLimit::FileSizeLimit(qint64 bytes) {
    rlimit old{};
    if (::getrlimit(RLIMIT_FSIZE, &old) != 0) {
        return;
    }
    m_OldSoft = static_cast<qint64>(old.rlim_cur);
    m_OldHard = static_cast<qint64>(old.rlim_max);
    ::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails with EFBIG instead
    const rlimit limit{static_cast<rlim_t>(bytes), old.rlim_max};
    m_Active = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit() {
    if (m_Active) {
        const rlimit old{static_cast<rlim_t>(m_OldSoft), static_cast<rlim_t>(m_OldHard)};
        ::setrlimit(RLIMIT_FSIZE, &old);
    }
}

} // namespace voxtrel::test

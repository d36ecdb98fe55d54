#pragma once

#include <QtGlobal>

namespace voxtrel::test {

// While alive, no file this process (or a child it starts) writes may grow past bytes:
// longer writes fail as on a full disk. POSIX only.
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

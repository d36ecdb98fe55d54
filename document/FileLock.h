#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace voxtrel {

class ResolvedTarget;

// Told while a lock is waited for, every WaitStep: how long it has waited and who holds the
// lock. False gives up (the user cancelled).
using LockWait = std::function<bool(qint64 WaitedMs, const QString& Holder)>;

// An advisory lock on a file for as long as it lives, so that two savers of one file take
// turns. Never waited for without a bound: it is tried, and tried again for LockBoundMs.
class FileLock {
public:
    static constexpr qint64 LockBoundMs = 4000;
    static constexpr qint64 WaitStepMs = 50;

    struct Taken;
    // Takes the lock on Target. Wait (when given) is told at every retry and does the
    // waiting (a window keeps its events going); without one, this thread sleeps.
    [[nodiscard]] static Taken Take(const ResolvedTarget& Target, const LockWait& Wait = {});

    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    explicit FileLock(int Fd) : m_Fd(Fd) {}
    int m_Fd = -1;
};

struct FileLock::Taken {
    enum class Outcome {
        Locked,
        Unlockable, // no lock to take (not a regular file, or none yet): nothing to wait for
        Busy,       // another program held it for the whole bound
        Cancelled,  // the wait was given up
    };
    Outcome Result = Outcome::Unlockable;
    QString Reason; // Busy: "FILE is locked by PROGRAM (pid N); nothing written"
    std::unique_ptr<FileLock> Lock;

    bool Ok() const { return Result == Outcome::Locked || Result == Outcome::Unlockable; }
};

// Who holds a lock on the file open as Fd: "PROGRAM (pid N)", or empty when the platform
// cannot tell.
QString LockHolderOf(int Fd);

} // namespace voxtrel

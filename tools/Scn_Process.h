#pragma once

#include <QString>

class QProcess;

namespace voxtrel {

// Starts a program from a command line and waits until it has ended. While it waits, the
// caller's event loop keeps running, so the window repaints and answers the user.
class Scn_Process {
public:
    // Path is the whole command line, program first; a double quote inside a quoted
    // argument is written as three. WindowStyle 0 asks for no visible window; programs
    // started here never get one on platforms without window styles.
    void Run_Process(const QString& Path, qint32 WindowStyle);

    // Ends the program that Run_Process is waiting for (called from an event handled during
    // the wait); Run_Process then returns at once with Cancelled() true. Does nothing when
    // no program runs.
    void Cancel();
    bool Cancelled() const { return m_Cancelled; }

    // Whether the last Run_Process started its program, and how that program ended.
    bool Started() const { return m_Started; }
    qint32 ExitCode() const { return m_ExitCode; }
    bool Crashed() const { return m_Crashed; }
    // What the program printed on its error output (its last line is its complaint).
    QString ErrorOutput() const { return m_ErrorOutput; }
    // Why the program could not be started, when it could not.
    QString StartError() const { return m_StartError; }

private:
    QProcess* m_Running = nullptr;
    bool m_Cancelled = false;
    bool m_Started = false;
    bool m_Crashed = false;
    qint32 m_ExitCode = 0;
    QString m_ErrorOutput;
    QString m_StartError;
};

} // namespace voxtrel

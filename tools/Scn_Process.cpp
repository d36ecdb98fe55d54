#include "tools/Scn_Process.h"

#include <QCoreApplication>

#include <QEventLoop>
#include <QProcess>

namespace voxtrel {

void Scn_Process::Run_Process(const QString& Path, qint32 WindowStyle) {
    Q_UNUSED(WindowStyle); // the tool is a console program: it never shows a window here
    m_Started = false;
    m_Cancelled = false;
    m_Crashed = false;
    m_ExitCode = 0;
    m_ErrorOutput.clear();
    m_StartError.clear();

    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());

    // Wait on the process's own signals: finished never comes for a program that fails to
    // start, errorOccurred does. The local loop keeps the window's events flowing.
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError) {
        if (process.state() == QProcess::NotRunning) {
            loop.quit();
        }
    });

    // startCommand's own splitting, done here: Qt 6.4's startCommand crashes on a command
    // line with no program in it.
    QStringList arguments = QProcess::splitCommand(Path);
    if (arguments.isEmpty()) {
        m_StartError = QCoreApplication::translate("voxtrel::Scn_Process",
                                                   "The command line names no program.");
        return;
    }
    const QString program = arguments.takeFirst();
    process.start(program, arguments);
    if (!process.waitForStarted(-1)) {
        m_StartError = process.errorString();
        return;
    }
    m_Started = true;
    if (process.state() != QProcess::NotRunning) {
        m_Running = &process;
        loop.exec();
        m_Running = nullptr;
    }
    if (m_Cancelled) {
        m_ExitCode = -1;
        return;
    }
    m_Crashed = process.exitStatus() == QProcess::CrashExit;
    m_ExitCode = m_Crashed ? -1 : process.exitCode();
    m_ErrorOutput = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
}

void Scn_Process::Cancel() {
    if (m_Running == nullptr || m_Cancelled) {
        return;
    }
    m_Cancelled = true;
    m_Running->kill(); // finished follows, which ends the wait
}

} // namespace voxtrel

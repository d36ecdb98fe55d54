#include "document/ToolRunner.h"

#include <QCoreApplication>

#include "tools/Scn_Process.h"
#include "tools/ToolCommands.h"

#include <utility>

namespace voxtrel {

QString ToolRunner::BusyText() {
    return QCoreApplication::translate("voxtrel::ToolRunner",
                                       "The compression tool is still running.");
}

ToolRunner::ToolRunner(QString AppPath, QObject* parent)
    : QObject(parent), m_AppPath(std::move(AppPath)) {}

ToolRunner::Run ToolRunner::Start(const QString& Command, const QString& Input,
                                  const QString& What) {
    if (Busy()) {
        return {Run::Outcome::Busy, BusyText()};
    }
    Scn_Process process;
    m_Running = &process;
    emit RunningChanged(true, What);
    process.Run_Process(Command, 0);
    m_Running = nullptr;
    emit RunningChanged(false, What);
    if (process.Cancelled()) {
        return {Run::Outcome::Cancelled,
                QCoreApplication::translate("voxtrel::ToolRunner",
                                            "The compression tool was cancelled.")};
    }
    if (!process.Started()) {
        return {Run::Outcome::NotStarted,
                QCoreApplication::translate("voxtrel::ToolRunner",
                                            "The compression tool could not be started:\n%1\n%2")
                    .arg(ToolCommands::ToolPath(m_AppPath), process.StartError())};
    }
    if (process.Crashed() || process.ExitCode() != 0) {
        // The tool names its input, a working file the user never chose: only its reason is
        // told.
        QString said = process.ErrorOutput().section(QLatin1Char('\n'), -1);
        said.remove(QStringLiteral("zlibtool: ") + Input + QStringLiteral(": "));
        return {Run::Outcome::Failed,
                said.isEmpty()
                    ? QCoreApplication::translate("voxtrel::ToolRunner",
                                                  "The compression tool failed (exit code %1).")
                          .arg(process.ExitCode())
                    : said};
    }
    return {Run::Outcome::Done, {}};
}

void ToolRunner::Cancel() {
    if (m_Running != nullptr) {
        m_Running->Cancel();
    }
}

} // namespace voxtrel

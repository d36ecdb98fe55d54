#pragma once

#include <QObject>
#include <QString>

namespace voxtrel {

class Scn_Process;

// Runs the compression tool, one run at a time, and tells what became of it. While a run is
// waited for the event loop goes on, so the window can cancel it.
class ToolRunner : public QObject {
    Q_OBJECT
public:
    // AppPath: the application folder, ending in a separator; it holds zlib/zlibtool.
    explicit ToolRunner(QString AppPath, QObject* parent = nullptr);

    // What a run came to, with the reason for all but Done, told without the working file's
    // path.
    struct [[nodiscard]] Run {
        enum class Outcome {
            Done,
            Busy,       // another run is under way
            Cancelled,  // the user ended it
            NotStarted, // the tool could not be started
            Failed,     // the tool crashed or said no
        };
        Outcome Result = Outcome::Failed;
        QString Reason;

        bool Ok() const { return Result == Outcome::Done; }
    };
    // Runs Command on the working file Input; What says what it does ("Compressing x...").
    Run Start(const QString& Command, const QString& Input, const QString& What);

    bool Busy() const { return m_Running != nullptr; }
    // Ends the run under way, which then fails as cancelled.
    void Cancel();

    static QString BusyText();

signals:
    void RunningChanged(bool Running, const QString& What);

private:
    QString m_AppPath;
    Scn_Process* m_Running = nullptr;
};

} // namespace voxtrel

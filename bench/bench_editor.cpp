// Open (copy, decompress, load, list 1209 names) and Save (write, compress, check, replace)
// in the real window with the real tool.
#include "BenchSupport.h"
#include "app/frmMain.h"
#include "dialogs/Scn_Common_Dialog.h"
#include "tools/ToolCommands.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

class Silent : public voxtrel::MessageBoxes {
public:
    void Show(QWidget*, const QString& Text, const QString&, Icon, const QString&) override {
        last = Text;
    }
    Answer AskToSave(QWidget*, const QString&, const QString&) override { return Answer::Discard; }
    bool AskYesNo(QWidget*, const QString&, const QString&) override { return true; }
    int Choose(QWidget*, const QString&, const QString&, const QStringList&) override { return 0; }
    QString last;
};

class Chosen : public voxtrel::OpenFileDialog {
public:
    explicit Chosen(QString path) : m_Path(std::move(path)) {}
    QString OpenFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return m_Path;
    }
    QString TitleName() const override { return voxtrel::Scn_Common_Dialog::BareName(m_Path); }

private:
    QString m_Path;
};

struct Setup {
    QTemporaryDir root;
    QString app = root.filePath("app") + QDir::separator();
    QString chosen = root.filePath("unnamed_1846.bin");
    std::shared_ptr<Silent> messages = std::make_shared<Silent>();
    std::unique_ptr<voxtrel::frmMain> window;

    Setup() {
        QDir().mkpath(voxtrel::ToolCommands::ToolWorkFolder(app));
        QFile::copy(ZLIBTOOL_PATH, voxtrel::ToolCommands::ToolPath(app));
        voxtrel::bench::WriteFullNameFile(chosen + ".plain");
        QProcess::execute(ZLIBTOOL_PATH, {chosen + ".plain"});
        QFile::rename(chosen + ".plain.zlib", chosen);
        voxtrel::AppServices services;
        services.Messages = messages;
        services.NewOpenDialog = [this] { return std::make_unique<Chosen>(chosen); };
        services.SettingsFile = app + "settings.ini";
        window = std::make_unique<voxtrel::frmMain>(services, app);
    }
};

void BM_Open(benchmark::State& state) {
    Setup s;
    for (auto _ : state) {
        s.window->MnuFileOpen_Click();
    }
    if (!s.messages->last.isEmpty()) {
        state.SkipWithError(s.messages->last.toUtf8().constData());
    }
}
BENCHMARK(BM_Open)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_Save(benchmark::State& state) {
    Setup s;
    s.window->MnuFileOpen_Click();
    for (auto _ : state) {
        s.window->Cmd_Zapisz_Click();
    }
    if (s.messages->last != "Save File") {
        state.SkipWithError(s.messages->last.toUtf8().constData());
    }
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

} // namespace

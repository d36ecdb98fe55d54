#include "app/Display.h"

#include "app/EditorSettings.h"
#include "app/frmMain.h"
#include "document/NativePath.h"
#include "document/SaveJournal.h"
#include "document/UiLanguage.h"
#include <QCoreApplication>

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>

namespace {

// The options that QGuiApplication and QApplication take from the command line: the four a
// user chooses a look with are listed in --help, the others only accepted.
QList<QCommandLineOption> QtOptions() {
    QList<QCommandLineOption> options{
        {QStringLiteral("style"),
         QCoreApplication::translate("voxtrel::EditorMain",
                                     "Qt: the widget style, such as Fusion (also -style=STYLE)."),
         QStringLiteral("STYLE")},
        {QStringLiteral("stylesheet"),
         QCoreApplication::translate(
             "voxtrel::EditorMain",
             "Qt: a style sheet file for the window, such as one of high contrast."),
         QStringLiteral("FILE")},
        {QStringLiteral("platform"),
         QCoreApplication::translate("voxtrel::EditorMain",
                                     "Qt: the platform plugin, such as xcb, wayland or offscreen."),
         QStringLiteral("PLUGIN")},
        {QStringLiteral("reverse"),
         QCoreApplication::translate("voxtrel::EditorMain",
                                     "Qt: lay the window out right to left.")}};
    for (const char* name :
         {"platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
          "qwindowtitle", "session", "display", "geometry", "qmljsdebugger"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("VALUE"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        options << option;
    }
    for (const char* name : {"widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        options << option;
    }
    return options;
}

// For the start-up benchmark: prints the moment the window is first mapped, as nanoseconds
// of the monotonic clock, and quits.
class MappedProbe : public QObject {
protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Event->type() == QEvent::Expose && static_cast<QWindow*>(Watched)->isExposed()) {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::printf("mapped %lld\n",
                        static_cast<long long>(std::chrono::nanoseconds(now).count()));
            std::fflush(stdout);
            Watched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(Watched, Event);
    }
};

} // namespace

int main(int argc, char** argv) {
    // The command line is read before any window system is asked for, so that --help and
    // --version work with no display at all.
    QStringList files;
    {
        QCoreApplication core(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("voxtrel-editor"));
        QCoreApplication::setApplicationVersion(QStringLiteral(VOXTREL_VERSION));
        voxtrel::UiLanguage::Install(); // before the help text is built
        QCommandLineParser parser;
        parser.setApplicationDescription(QCoreApplication::translate(
            "voxtrel::EditorMain", "Edits the names of a game's compressed name file."));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addPositionalArgument(
            QStringLiteral("FILE"),
            QCoreApplication::translate(
                "voxtrel::EditorMain",
                "A compressed name file to open, such as unnamed_1846.bin; a relative "
                "path is taken from the current folder."),
            QStringLiteral("[FILE]"));
        const QCommandLineOption reset(
            QStringLiteral("reset-settings"),
            QCoreApplication::translate(
                "voxtrel::EditorMain",
                "Forget what the editor remembers: the window's place, the last "
                "folder, the code page of each file name."));
        parser.addOption(reset);
        // Qt's own options, such as -style or -reverse, are left on the command line for
        // QApplication, which takes them below; a single dash starts a long option, as it
        // does in Qt's.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        for (const QCommandLineOption& option : QtOptions()) {
            parser.addOption(option);
        }
        parser.process(core); // --help and --version print and exit 0
        if (parser.isSet(reset)) {
            voxtrel::EditorSettings().Clear();
        }
        // The file from its bytes: a name that is not UTF-8 still names its file.
        const QStringList given = parser.positionalArguments();
        for (int i = 1; i < argc && !given.isEmpty() && files.isEmpty(); ++i) {
            if (QString::fromLocal8Bit(argv[i]) == given.front()) {
                files << voxtrel::NativePath::FromBytes(QByteArray(argv[i]));
            }
        }
    }
    if (!voxtrel::DisplayAvailable(argc, argv)) {
        std::fputs("voxtrel-editor: no display; start it on a desktop, or under xvfb-run\n",
                   stderr);
        return 1;
    }

    QApplication app(argc, argv);
    voxtrel::UiLanguage::Install(); // before any window is built
    QApplication::setApplicationVersion(QStringLiteral(VOXTREL_VERSION));
    QApplication::setApplicationName(QStringLiteral("Voxtrel String Editor"));
    QApplication::setDesktopFileName(QStringLiteral("voxtrel-editor"));

    // Saves a kill or a power cut left half written are rolled back before anything else.
    QStringList recovered;
    for (const voxtrel::SaveJournal::Recovered& r : voxtrel::SaveJournal::Recover()) {
        if (!r.Text().isEmpty()) {
            recovered << r.Text();
        }
    }
    voxtrel::frmMain window;
    MappedProbe probe;
    if (qEnvironmentVariableIsSet("VOXTREL_QUIT_WHEN_SHOWN")) {
        window.winId(); // the native window, to watch for its first exposure
        window.windowHandle()->installEventFilter(&probe);
    }
    window.show();
    if (!recovered.isEmpty()) {
        QTimer::singleShot(0, &window, [&window, recovered] { window.TellRecovered(recovered); });
    }
    if (!files.isEmpty()) {
        const QString file = files.front();
        QTimer::singleShot(0, &window, [&window, file] { window.OpenFile(file); });
    }
    return app.exec();
}

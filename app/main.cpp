#include "app/Display.h"
#include "app/EditorSettings.h"
#include "app/frmMain.h"
#include "document/NativePath.h"
#include "document/SaveJournal.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <cstdio>

namespace {

// The options that QGuiApplication and QApplication take from the command line: the four a
// user chooses a look with are listed in --help, the others only accepted.
QList<QCommandLineOption> QtOptions() {
    QList<QCommandLineOption> options{
        {QStringLiteral("style"),
         QStringLiteral("Qt: the widget style, such as Fusion (also -style=STYLE)."),
         QStringLiteral("STYLE")},
        {QStringLiteral("stylesheet"),
         QStringLiteral("Qt: a style sheet file for the window, such as one of high contrast."),
         QStringLiteral("FILE")},
        {QStringLiteral("platform"),
         QStringLiteral("Qt: the platform plugin, such as xcb, wayland or offscreen."),
         QStringLiteral("PLUGIN")},
        {QStringLiteral("reverse"), QStringLiteral("Qt: lay the window out right to left.")}};
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

} // namespace

int main(int argc, char** argv) {
    // The command line is read before any window system is asked for, so that --help and
    // --version work with no display at all.
    QStringList files;
    {
        QCoreApplication core(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("voxtrel-editor"));
        QCoreApplication::setApplicationVersion(QStringLiteral(VOXTREL_VERSION));
        QCommandLineParser parser;
        parser.setApplicationDescription(
            QStringLiteral("Edits the names of a game's compressed name file."));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addPositionalArgument(
            QStringLiteral("FILE"),
            QStringLiteral("A compressed name file to open, such as unnamed_1846.bin; a relative "
                           "path is taken from the current folder."),
            QStringLiteral("[FILE]"));
        const QCommandLineOption reset(
            QStringLiteral("reset-settings"),
            QStringLiteral("Forget what the editor remembers: the window's place, the last "
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
    window.show();
    if (!recovered.isEmpty()) {
        QTimer::singleShot(0, &window, [&window, recovered] { window.TellRecovered(recovered); });
    }
    if (qEnvironmentVariableIsSet("VOXTREL_QUIT_WHEN_SHOWN")) {
        // For the start-up benchmark: gone once the first paint is done.
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    }
    if (!files.isEmpty()) {
        const QString file = files.front();
        QTimer::singleShot(0, &window, [&window, file] { window.OpenFile(file); });
    }
    return app.exec();
}

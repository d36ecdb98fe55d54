#include "app/Display.h"
#include "app/EditorSettings.h"
#include "app/frmMain.h"
#include "document/NativePath.h"
#include "document/SaveJournal.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <cstdio>

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
        QTimer::singleShot(0, &window, [&window, recovered] { window.Tell_Recovered(recovered); });
    }
    if (qEnvironmentVariableIsSet("VOXTREL_QUIT_WHEN_SHOWN")) {
        // For the start-up benchmark: gone once the first paint is done.
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    }
    if (!files.isEmpty()) {
        const QString file = files.front();
        QTimer::singleShot(0, &window, [&window, file] { window.Open_File(file); });
    }
    return app.exec();
}

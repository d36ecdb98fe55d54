#include "app/frmMain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Voxtrel String Editor"));
    QApplication::setDesktopFileName(QStringLiteral("voxtrel-editor"));
    QApplication::setApplicationVersion(QStringLiteral(VOXTREL_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Edits the names of a game's compressed name file."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A compressed name file to open."),
                                 QStringLiteral("[FILE]"));
    parser.process(app);

    voxtrel::frmMain window;
    window.show();
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty()) {
        const QString file = files.front();
        QTimer::singleShot(0, &window, [&window, file] { window.Open_File(file); });
    }
    return app.exec();
}

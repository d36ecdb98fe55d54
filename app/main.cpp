#include "app/frmMain.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Voxtrel String Editor"));
    QApplication::setDesktopFileName(QStringLiteral("voxtrel-editor"));
    voxtrel::frmMain window;
    window.show();
    return app.exec();
}

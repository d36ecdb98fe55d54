// The yardstick of the editor's start-up: a bare main window with a menu bar and a list of
// 1209 lines, shown, and gone after its first paint.
#include <QApplication>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Menu"))->addAction(QStringLiteral("&Open"));
    auto* list = new QListWidget(&window);
    for (int i = 0; i < 1209; ++i) {
        list->addItem(QStringLiteral("Player %1").arg(i));
    }
    window.setCentralWidget(list);
    window.resize(763, 430);
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}

// The yardstick of the editor's start-up: a bare main window with a menu bar and an empty
// list, the work the editor's first paint does when it starts without a file. Like the
// editor under VOXTREL_QUIT_WHEN_SHOWN, it prints the moment its window is first mapped, as
// nanoseconds of the monotonic clock, and quits.
#include <QApplication>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>

namespace {

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
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Menu"))->addAction(QStringLiteral("&Open"));
    window.setCentralWidget(new QListWidget(&window));
    window.resize(763, 430);
    MappedProbe probe;
    window.winId();
    window.windowHandle()->installEventFilter(&probe);
    window.show();
    return app.exec();
}

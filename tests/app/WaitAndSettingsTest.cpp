// The window's side of two stalls: a save waiting for another program's lock shows the wait
// and can be cancelled, and a settings file that is no regular file never blocks the start.
#include "EditorRig.h"
#include "app/EditorSettings.h"
#include "app/LockWaitPanel.h"
#include "app/frmMain.h"
#include "document/FileLock.h"
#include "document/ResolvedTarget.h"
#include "document/SaveJournal.h"

#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace voxtrel;
using namespace voxtrel::test;

class WaitAndSettingsTest : public QObject {
    Q_OBJECT
private slots:
    // A save cut off while it wrote the file in place (the journal's record is there, the
    // file holds neither the old bytes nor the new): opening it restores it and says so once.
    void aCutSaveIsRestoredAtOpenAndToldOnce() {
        EditorRig rig;
        const QString file = rig.userFile("unnamed_1846.bin");
        QVERIFY(EditorRig::writeCompressed(file, EditorRig::nameImage(20)));
        const QByteArray before = EditorRig::read(file);
        QByteArray cut = before;
        cut.replace(0, 10, QByteArray(10, 'x'));
        {
            const TargetResolution target = TargetResolution::Resolve(file);
            QVERIFY(target.Ok());
            QVERIFY(SaveJournal::Begin(*target.Target, before, QByteArray("new")).Ok());
        }
        EditorRig::write(file, cut);
        rig.open(file);
        QCOMPARE(EditorRig::read(file), before);
        QCOMPARE(rig.messages->shown.size(), 1);
        const QString text = rig.messages->shown[0].text;
        QVERIFY2(text.contains(file + " was restored: a save of it at "), qPrintable(text));
        QCOMPARE(rig.listLines().value(3), QStringLiteral("Player 3"));
        rig.open(file);
        QCOMPARE(rig.messages->shown.size(), 1);
    }

    // While this process holds the lock from another descriptor, the panel shows the file
    // and the holder; Cancel ends the wait at once, long before the bound.
    void cancelEndsTheWait() {
        QTemporaryDir dir;
        const QString file = dir.filePath("names.bin");
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("names");
        f.close();
        const int held = ::open(QFile::encodeName(file).constData(), O_RDONLY);
        QCOMPARE(::flock(held, LOCK_EX), 0);
        QWidget window;
        window.show();
        LockWaitPanel panel(&window, QStringLiteral("names.bin"));
        QString shown;
        bool painted = false;
        QTimer::singleShot(300, [&] {
            auto* wait = window.findChild<QProgressDialog*>(QStringLiteral("lockWait"));
            QVERIFY(wait != nullptr && wait->isVisible());
            shown = wait->findChild<QLabel*>()->text();
            window.update();
            painted = true; // the window's own events ran during the wait
            wait->findChild<QPushButton*>()->click();
        });
        const TargetResolution target = TargetResolution::Resolve(file);
        QVERIFY(target.Ok());
        QElapsedTimer took;
        took.start();
        const FileLock::Taken lock = FileLock::Take(*target.Target, panel.Waiter());
        QCOMPARE(lock.Result, FileLock::Taken::Outcome::Cancelled);
        QVERIFY(took.elapsed() < FileLock::LockBoundMs);
        QVERIFY(painted);
        QVERIFY2(shown.startsWith(QStringLiteral("names.bin is locked by ")), qPrintable(shown));
        QVERIFY2(shown.contains(QStringLiteral("(pid %1)").arg(::getpid())), qPrintable(shown));
        ::close(held);
    }

    // A FIFO would block reading for ever, a link would have its target rewritten: neither
    // is read or written, and the note says why.
    void aSettingsFileThatIsNoPlainFileIsLeftAlone() {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("fifo.conf");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString target = dir.filePath("target.conf");
        QFile t(target);
        QVERIFY(t.open(QIODevice::WriteOnly));
        t.write("[files]\nopenFolder=/\n");
        t.close();
        const QString link = dir.filePath("link.conf");
        QVERIFY(QFile::link(target, link));
        for (const QString& file : {fifo, link}) {
            {
                EditorSettings settings(file);
                QVERIFY(!settings.Note().isEmpty());
                QVERIFY(settings.Geometry().isEmpty());
                settings.setGeometry("window");
                settings.setOpenFolder(dir.path());
            }
            QFileInfo info(file);
            QVERIFY(info.isSymLink() || !info.isFile());
        }
        QVERIFY(t.open(QIODevice::ReadOnly));
        QCOMPARE(t.readAll(), QByteArray("[files]\nopenFolder=/\n"));
    }

    // With no home at all nothing is kept, and nothing is made anywhere.
    void noHomeKeepsNothing() {
        const QByteArray home = qgetenv("HOME");
        const QByteArray config = qgetenv("XDG_CONFIG_HOME");
        qunsetenv("HOME");
        qunsetenv("XDG_CONFIG_HOME");
        const bool rootHadConfig = QFileInfo::exists(QStringLiteral("/.config"));
        {
            EditorSettings settings;
            settings.setGeometry("window");
            settings.setEncoding(QStringLiteral("unnamed_1846.bin"), QStringLiteral("cp1250"));
            QVERIFY(settings.Geometry().isEmpty());
            QVERIFY(settings.Encoding(QStringLiteral("unnamed_1846.bin")).isEmpty());
        }
        QCOMPARE(QFileInfo::exists(QStringLiteral("/.config")), rootHadConfig);
        qputenv("HOME", home);
        if (!config.isEmpty()) {
            qputenv("XDG_CONFIG_HOME", config);
        }
    }
};

QTEST_MAIN(WaitAndSettingsTest)
#include "WaitAndSettingsTest.moc"

// The editor as a process: Qt's own command-line options reach QApplication, and an option
// neither knows is still refused.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class EditorCommandLineTest : public QObject {
    Q_OBJECT

    struct Run {
        int code = -1;
        QString err;
    };

    // Starts the editor, which quits once its window is shown, in a home of its own.
    Run run(const QStringList& args) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM"); // -platform chooses it
        env.insert("HOME", m_Home.path());
        env.insert("XDG_CONFIG_HOME", m_Home.filePath(".config"));
        env.insert("XDG_CACHE_HOME", m_Home.filePath(".cache"));
        env.insert("VOXTREL_QUIT_WHEN_SHOWN", "1");
        QProcess p;
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(m_Home.path());
        p.start(QStringLiteral(VOXTREL_APP_DIR) + "/voxtrel-editor", args);
        p.waitForFinished(30000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromLocal8Bit(p.readAllStandardError())};
    }

    QTemporaryDir m_Home;

private slots:
    void qtOptionsReachTheApplication() {
        QVERIFY(m_Home.isValid());
        QFile sheet(m_Home.filePath("contrast.qss"));
        QVERIFY(sheet.open(QIODevice::WriteOnly));
        sheet.write("QWidget { background: black; color: yellow; }\n");
        sheet.close();

        const Run all = run({"-platform", "offscreen", "-style", "fusion", "-reverse",
                             "-stylesheet", sheet.fileName()});
        QVERIFY2(all.code == 0, qPrintable(all.err));
        QVERIFY2(!all.err.contains("nknown option"), qPrintable(all.err));

        // Qt itself read these: it names the style it could not find.
        for (const QStringList& args :
             {QStringList{"-platform", "offscreen", "-style=nosuch"},
              QStringList{"--platform", "offscreen", "--style", "nosuch"}}) {
            const Run style = run(args);
            QCOMPARE(style.code, 0);
            QVERIFY2(style.err.contains("'nosuch'"), qPrintable(style.err));
        }

        const Run unknown = run({"-platform", "offscreen", "--no-such-option"});
        QCOMPARE(unknown.code, 1);
        QVERIFY2(unknown.err.contains("Unknown option 'no-such-option'"), qPrintable(unknown.err));
    }
};

QTEST_GUILESS_MAIN(EditorCommandLineTest)
#include "EditorCommandLineTest.moc"

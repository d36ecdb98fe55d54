#pragma once

// voxtrel-names as a real process in an application folder of its own, with the real tool.
#include "NameFiles.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace voxtrel::test {

struct Result {
    int code = -1;
    QString out;
    QString err;
    QByteArray raw; // standard output as written
};

// An application folder with voxtrel-names and the tool, and a compressed file of all 1209
// names "Player <i>" in the user's folder.
struct Cli {
    AppFolder app;
    QString file = app.userFile("unnamed_1846.bin");
    QString csv = app.userFile("names.csv");
    QByteArray plain = NameImage(1209);
    QByteArray before;

    Cli() {
        EXPECT_TRUE(QFile::copy(VOXTREL_NAMES_PATH, app.appPath() + "voxtrel-names"));
        // The list formats, which voxtrel-names loads from its own folder.
        EXPECT_TRUE(QFile::copy(VOXTREL_LISTS_MODULE, app.appPath() + "libvoxtrel-lists.so"));
        EXPECT_TRUE(WriteCompressed(file, plain));
        before = ReadBytes(file);
    }

    Result run(const QStringList& args) const {
        QProcess p;
        // The runs' private working folders stay in the rig's own folder.
        const QString tmp = app.userFile("../tmp");
        QDir().mkpath(tmp);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TMPDIR", tmp);
        p.setProcessEnvironment(env);
        p.start(app.appPath() + "voxtrel-names", args);
        p.waitForFinished(60000);
        const QByteArray out = p.readAllStandardOutput();
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(out),
                QString::fromUtf8(p.readAllStandardError()), out};
    }
    Result import(const QByteArray& list, QStringList extra = {}) const {
        EXPECT_TRUE(WriteBytes(csv, list));
        return run(QStringList{"import", file, csv} + extra);
    }
    bool unchanged() const { return ReadBytes(file) == before; }
};

} // namespace voxtrel::test

#include "NameFiles.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace voxtrel::test {

QByteArray NameImage(int k, const QString& prefix) {
    QByteArray image(117585, '\0');
    for (int i = 0; i < 9872; ++i) {
        image[i] = static_cast<char>((i * 5 + 1) & 0xFF);
    }
    for (int r = 0; r < k; ++r) {
        const QByteArray name = (prefix + QString::number(r)).toLatin1();
        image.replace(9872 + 88 * r, name.size(), name);
        for (int j = 58; j < 88; ++j) {
            image[9872 + 88 * r + j] = static_cast<char>((r + j * 3) & 0xFF);
        }
    }
    if (k < 1209) {
        image.truncate(9872 + 88 * k); // the file ends after its last record
        return image;
    }
    for (int i = 116264; i < 117585; ++i) {
        image[i] = static_cast<char>((i * 11) & 0xFF);
    }
    return image;
}

QByteArray WithName(QByteArray image, int record, const QByteArray& name) {
    image.replace(9872 + 88 * record, 58, name.leftJustified(58, '\0'));
    return image;
}

bool WriteCompressed(const QString& path, const QByteArray& plain) {
    const QString tmp = path + QStringLiteral(".plain");
    WriteBytes(tmp, plain);
    const int rc = QProcess::execute(QStringLiteral(ZLIBTOOL_PATH), {tmp});
    QFile::remove(tmp);
    QFile::remove(path);
    return rc == 0 && QFile::rename(tmp + QStringLiteral(".zlib"), path);
}

QByteArray PythonDecompress(const QString& path) {
    QProcess py;
    py.start(
        QStandardPaths::findExecutable(QStringLiteral("python3")),
        {QStringLiteral("-c"),
         QStringLiteral("import sys, zlib; "
                        "sys.stdout.buffer.write(zlib.decompress(open(sys.argv[1], 'rb').read()))"),
         path});
    py.waitForFinished(30000);
    return py.exitCode() == 0 ? py.readAllStandardOutput() : QByteArray();
}

PythonRun SystemPython(const QString& script, const QStringList& arguments) {
    QProcess py;
    py.setProcessChannelMode(QProcess::MergedChannels);
    py.start(QStringLiteral("/usr/bin/python3"),
             QStringList{QStringLiteral("-c"), script} + arguments);
    py.waitForFinished(60000);
    return {py.exitStatus() == QProcess::NormalExit ? py.exitCode() : -1,
            QString::fromUtf8(py.readAll())};
}

AppFolder::AppFolder() {
    QDir root(m_Root.path());
    root.mkpath(QStringLiteral("app/zlib/temp"));
    root.mkpath(QStringLiteral("user"));
    // The journal of in-place writes goes here, in this process and the programs it starts.
    root.mkpath(QStringLiteral("state"));
    qputenv("XDG_STATE_HOME", QFile::encodeName(statePath()));
    // What the editor remembers (code pages by file name) stays here too.
    root.mkpath(QStringLiteral("config"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_Root.filePath(QStringLiteral("config"))));
    restoreTool();
}

QString AppFolder::statePath() const {
    return m_Root.filePath(QStringLiteral("state"));
}

QString AppFolder::appPath() const {
    return m_Root.filePath(QStringLiteral("app")) + QDir::separator();
}
QString AppFolder::workFolder() const {
    return appPath() + QStringLiteral("zlib/temp/");
}
QString AppFolder::toolPath() const {
    return appPath() + QStringLiteral("zlib/zlibtool");
}
QString AppFolder::userFile(const QString& name) const {
    return m_Root.filePath(QStringLiteral("user/") + name);
}

void AppFolder::restoreTool() const {
    QFile::remove(toolPath());
    QFile::copy(QStringLiteral(ZLIBTOOL_PATH), toolPath());
}

void AppFolder::replaceTool(const QByteArray& script) const {
    QFile::remove(toolPath());
    WriteBytes(toolPath(), "#!/bin/sh\n" + script);
    QFile::setPermissions(toolPath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace voxtrel::test

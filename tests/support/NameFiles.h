#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace voxtrel::test {

// A name file image: a header and k records named "<prefix><i>" with distinct fields; a file
// of all 1209 records also has its own trailing block.
QByteArray NameImage(int k, const QString& prefix = QStringLiteral("Player "));
// The image with record's 58-byte name field replaced by name and zero bytes.
QByteArray WithName(QByteArray image, int record, const QByteArray& name);
// Writes plain bytes compressed with the real tool to path.
bool WriteCompressed(const QString& path, const QByteArray& plain);
// Decompresses with Python's zlib, independent of the tool.
QByteArray PythonDecompress(const QString& path);
// Runs a Python script with the system's Python, which has the independent spreadsheet
// library (openpyxl): its exit code and what it printed.
struct PythonRun {
    int exitCode = -1;
    QString output;
};
PythonRun SystemPython(const QString& script, const QStringList& arguments = {});

// A temporary application folder, app/ with the real zlibtool and zlib/temp/, beside user/,
// a folder for the user's own files.
class AppFolder {
public:
    AppFolder();

    QString appPath() const; // ends in a separator
    QString workFolder() const;
    QString toolPath() const;
    QString userFile(const QString& name) const;
    // XDG_STATE_HOME while this folder lives: the recovery folder is its voxtrel-editor/.
    QString statePath() const;

    // Replaces the tool with a shell script, or puts the real one back.
    void replaceTool(const QByteArray& script) const;
    void restoreTool() const;

private:
    QTemporaryDir m_Root;
};

} // namespace voxtrel::test

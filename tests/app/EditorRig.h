#pragma once

#include "app/AppServices.h"
#include "app/frmMain.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace voxtrel::test {

struct Message {
    QString text;
    QString title;
    MessageBoxes::Icon icon;
};

class FakeMessages : public MessageBoxes {
public:
    void Show(QWidget*, const QString& Text, const QString& Title, Icon Kind) override {
        shown.append({Text, Title, Kind});
    }
    QList<Message> shown;
};

class FakeLinks : public LinkOpener {
public:
    void Open(const QUrl& Url, QWidget* Owner) override {
        opened << Url.toString();
        owner = Owner;
    }
    QStringList opened;
    QWidget* owner = nullptr;
};

// A temporary application folder with the real zlibtool, and the main window on it with
// fakes for every platform service. The next file the open dialog "chooses" is nextChoice.
class EditorRig {
public:
    EditorRig();
    ~EditorRig();

    QString appPath() const;
    QString workFolder() const;
    QString toolPath() const;
    // A folder for the user's own files.
    QString userFile(const QString& name) const;

    // Writes plain bytes compressed with the real tool to path.
    static bool writeCompressed(const QString& path, const QByteArray& plain);
    // Decompresses with Python's zlib, independent of the tool.
    static QByteArray pythonDecompress(const QString& path);
    static QByteArray read(const QString& path);
    static void write(const QString& path, const QByteArray& bytes);
    // A name file image: a header and k records named "<prefix><i>" with fields; a file of
    // all 1209 records also has its own trailing block.
    static QByteArray nameImage(int k, const QString& prefix = QStringLiteral("Player "));

    // Opens path through the window's Open, as if chosen in the dialog.
    void open(const QString& path);
    // Replaces the tool with a shell script.
    void replaceTool(const QByteArray& script);
    void restoreTool();

    frmMain& window() { return *m_Window; }
    std::shared_ptr<FakeMessages> messages = std::make_shared<FakeMessages>();
    std::shared_ptr<FakeLinks> links = std::make_shared<FakeLinks>();
    QString nextChoice = QStringLiteral("-1");
    int dialogsOpened = 0;

    template <typename T> T* find(const QString& name) { return m_Window->findChild<T*>(name); }
    QStringList listLines();
    QStringList workFiles() const;

private:
    QTemporaryDir m_Root;
    std::unique_ptr<frmMain> m_Window;
};

} // namespace voxtrel::test

#include "EditorRig.h"

#include "TestFiles.h"

#include "controls/button_xp/ButtonServices.h"
#include "dialogs/Scn_Common_Dialog.h"
#include "tools/ToolCommands.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QStandardPaths>

namespace voxtrel::test {
namespace {

class ChosenDialog : public OpenFileDialog {
public:
    explicit ChosenDialog(QString choice) : m_Choice(std::move(choice)) {}
    QString OpenFileName(QWidget*, const QString&, const QString&, const QString&) override {
        if (m_Choice != QLatin1String("-1")) {
            m_Full = m_Choice;
        }
        return m_Choice;
    }
    QString TitleName() const override { return m_Full.isEmpty() ? QString() : Scn_Common_Dialog::BareName(m_Full); }

private:
    QString m_Choice;
    QString m_Full;
};

class NoPointer : public PointerLocator {
public:
    QWidget* WidgetUnderPointer() const override { return nullptr; }
};
class NoSound : public SoundPlayer {
public:
    bool Play(const QString&) override { return false; }
};
class NoUrls : public UrlOpener {
public:
    void Open(const QUrl&, QWidget*) override {}
};

} // namespace

EditorRig::EditorRig() {
    QDir root(m_Root.path());
    root.mkpath(QStringLiteral("app/zlib/temp"));
    root.mkpath(QStringLiteral("user"));
    restoreTool();
    AppServices services;
    services.Messages = messages;
    services.Links = links;
    services.NewOpenDialog = [this] {
        ++dialogsOpened;
        return std::make_unique<ChosenDialog>(nextChoice);
    };
    services.Button = ButtonServices{std::make_shared<NoPointer>(), std::make_shared<NoSound>(), std::make_shared<NoUrls>()};
    m_Window = std::make_unique<frmMain>(services, appPath());
}

EditorRig::~EditorRig() = default;

QString EditorRig::appPath() const { return m_Root.filePath(QStringLiteral("app")) + QDir::separator(); }
QString EditorRig::workFolder() const { return ToolCommands::Work_Folder(appPath()); }
QString EditorRig::toolPath() const { return ToolCommands::Tool_Path(appPath()); }
QString EditorRig::userFile(const QString& name) const { return m_Root.filePath(QStringLiteral("user/") + name); }

void EditorRig::restoreTool() {
    QFile::remove(toolPath());
    QFile::copy(QStringLiteral(ZLIBTOOL_PATH), toolPath());
}

void EditorRig::replaceTool(const QByteArray& script) {
    QFile::remove(toolPath());
    write(toolPath(), "#!/bin/sh\n" + script);
    QFile::setPermissions(toolPath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool EditorRig::writeCompressed(const QString& path, const QByteArray& plain) {
    const QString tmp = path + QStringLiteral(".plain");
    write(tmp, plain);
    const int rc = QProcess::execute(QStringLiteral(ZLIBTOOL_PATH), {tmp});
    QFile::remove(tmp);
    QFile::remove(path);
    return rc == 0 && QFile::rename(tmp + QStringLiteral(".zlib"), path);
}

QByteArray EditorRig::pythonDecompress(const QString& path) {
    QProcess py;
    py.start(QStandardPaths::findExecutable(QStringLiteral("python3")),
             {QStringLiteral("-c"),
              QStringLiteral("import sys, zlib; sys.stdout.buffer.write(zlib.decompress(open(sys.argv[1], 'rb').read()))"),
              path});
    py.waitForFinished(30000);
    return py.exitCode() == 0 ? py.readAllStandardOutput() : QByteArray();
}

QByteArray EditorRig::read(const QString& path) { return ReadBytes(path); }

void EditorRig::write(const QString& path, const QByteArray& bytes) { WriteBytes(path, bytes); }

QByteArray EditorRig::nameImage(int k, const QString& prefix) {
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

void EditorRig::open(const QString& path) {
    nextChoice = path;
    m_Window->MnuFileOpen_Click();
}

QStringList EditorRig::listLines() {
    QStringList lines;
    auto* list = find<QListWidget>(QStringLiteral("List1"));
    for (int i = 0; i < list->count(); ++i) {
        lines << list->item(i)->text();
    }
    return lines;
}

QStringList EditorRig::workFiles() const { return QDir(workFolder()).entryList(QDir::Files); }

} // namespace voxtrel::test

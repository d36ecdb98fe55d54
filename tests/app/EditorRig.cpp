#include "EditorRig.h"

#include "TestFiles.h"

#include "controls/button_xp/ButtonServices.h"
#include "dialogs/Scn_Common_Dialog.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace voxtrel::test {
namespace {

class ChosenDialog : public OpenFileDialog {
public:
    ChosenDialog(QString choice, QString* startedIn)
        : m_Choice(std::move(choice)), m_StartedIn(startedIn) {}
    QString OpenFileName(QWidget*, const QString&, const QString& Dir, const QString&) override {
        *m_StartedIn = Dir;
        if (m_Choice != QLatin1String("-1")) {
            m_Full = m_Choice;
        }
        return m_Choice;
    }
    QString TitleName() const override {
        return m_Full.isEmpty() ? QString() : Scn_Common_Dialog::BareName(m_Full);
    }

private:
    QString m_Choice;
    QString m_Full;
    QString* m_StartedIn;
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

EditorRig::EditorRig(const QString& SettingsFile, std::shared_ptr<FakeMessages> Messages) {
    if (Messages) {
        messages = std::move(Messages);
    }
    AppServices services;
    services.Messages = messages;
    services.Links = links;
    services.Files = files;
    services.Preview = preview;
    // What the window remembers stays in the test's own folder.
    services.SettingsFile = SettingsFile.isEmpty() ? settingsFile() : SettingsFile;
    services.NewOpenDialog = [this] {
        ++dialogsOpened;
        return std::make_unique<ChosenDialog>(nextChoice, &openStartedIn);
    };
    services.Button = ButtonServices{std::make_shared<NoPointer>(), std::make_shared<NoSound>(),
                                     std::make_shared<NoUrls>()};
    m_Window = std::make_unique<frmMain>(services, appPath());
}

EditorRig::~EditorRig() = default;

QByteArray EditorRig::read(const QString& path) {
    return ReadBytes(path);
}

void EditorRig::write(const QString& path, const QByteArray& bytes) {
    WriteBytes(path, bytes);
}

void EditorRig::open(const QString& path) {
    nextChoice = path;
    m_Window->MnuFileOpen_Click();
}

QStringList EditorRig::listLines() {
    QStringList lines;
    ListProbe* shown = list();
    for (int i = 0; i < shown->count(); ++i) {
        lines << shown->item(i)->text();
    }
    return lines;
}

ListProbe* EditorRig::list() {
    if (!m_List) {
        m_List = std::make_unique<ListProbe>(find<QListView>(QStringLiteral("List1")));
    }
    return m_List.get();
}

void EditorRig::type(QWidget* w, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(w, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Press, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

void EditorRig::retype(const QString& text) {
    QLineEdit* field = nameField();
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    type(field, text);
}

QStringList EditorRig::workFiles() const {
    return QDir(workFolder()).entryList(QDir::Files);
}

} // namespace voxtrel::test

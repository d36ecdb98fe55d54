#pragma once

#include "NameFiles.h"
#include "app/AppServices.h"
#include "app/Search.h"
#include "app/frmMain.h"

#include <QBrush>
#include <QFont>
#include <QLineEdit>
#include <QListView>

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
    QString detail;
};

// Records every message; answers each question with the next scripted answer, or, when
// none is left, Cancel to saving, Yes to opening a file of an unusual size, and the first
// button (going ahead) to a choice.
class FakeMessages : public MessageBoxes {
public:
    void Show(QWidget*, const QString& Text, const QString& Title, Icon Kind,
              const QString& Detail) override {
        shown.append({Text, Title, Kind, Detail});
    }
    Answer AskToSave(QWidget*, const QString& Text, const QString&) override {
        asked << Text;
        return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
    }
    bool AskYesNo(QWidget*, const QString& Text, const QString&) override {
        asked << Text;
        return yesNo.isEmpty() || yesNo.takeFirst();
    }
    int Choose(QWidget*, const QString& Text, const QString&, const QStringList& Buttons) override {
        asked << Text;
        Q_UNUSED(Buttons);
        return choices.isEmpty() ? 0 : choices.takeFirst();
    }
    QList<Message> shown;
    QStringList asked;
    QList<Answer> answers;
    QList<bool> yesNo;
    QList<int> choices; // by position; none left: the first button, going ahead
};

class FakeFileDialogs : public FileDialogs {
public:
    QString OpenPath(QWidget*, const QString&, const QString&, const QString&) override {
        return asked();
    }
    QString SavePath(QWidget*, const QString&, const QString& Suggested, const QString&) override {
        suggested = Suggested;
        return asked();
    }
    QString next; // the path the next dialog "chooses"; empty cancels
    QString suggested;
    int shown = 0;

private:
    QString asked() {
        ++shown;
        return next;
    }
};

// Answers each preview with the next scripted answer, or Apply when none is left.
class FakePreview : public ChangePreview {
public:
    bool Confirm(QWidget*, const QString&, const NameChanges& Changes) override {
        shown << Changes;
        return answers.isEmpty() || answers.takeFirst();
    }
    QList<NameChanges> shown;
    QList<bool> answers;
};

class FakeLinks : public LinkOpener {
public:
    bool Open(const QUrl& Url, QWidget* Owner) override {
        opened << Url.toString();
        owner = Owner;
        return browser;
    }
    bool browser = true;
    QStringList opened;
    QWidget* owner = nullptr;
};

// The window's list of names as a test reads and drives it: by the rows it shows.
class ListProbe {
public:
    explicit ListProbe(QListView* View) : m_View(View) {}
    struct Item {
        QModelIndex Index;
        QString text() const { return Index.data().toString(); }
        QFont font() const { return Index.data(Qt::FontRole).value<QFont>(); }
        QBrush background() const { return Index.data(Qt::BackgroundRole).value<QBrush>(); }
    };
    int count() const { return m_View->model()->rowCount(); }
    std::shared_ptr<Item> item(int Row) const {
        return std::make_shared<Item>(Item{m_View->model()->index(Row, 0)});
    }
    int currentRow() const { return Search::CurrentRow(m_View); }
    void setCurrentRow(int Row) { Search::SetCurrentRow(m_View, Row); }
    QRect geometry() const { return m_View->geometry(); }
    bool hasFocus() const { return m_View->hasFocus(); }
    void setFocus() { m_View->setFocus(); }
    // The selected rows, as the view has them.
    QModelIndexList selectedItems() const { return m_View->selectionModel()->selectedIndexes(); }
    QListView* view() const { return m_View; }

private:
    QListView* m_View;
};

// A temporary application folder with the real zlibtool, and the main window on it with
// fakes for every platform service. The next file the open dialog "chooses" is nextChoice.
class EditorRig {
public:
    // SettingsFile: where the window keeps what it remembers; empty for a file of the rig's.
    explicit EditorRig(const QString& SettingsFile = {});
    ~EditorRig();

    QString appPath() const { return m_App.appPath(); }
    QString workFolder() const { return m_App.workFolder(); }
    QString toolPath() const { return m_App.toolPath(); }
    // A folder for the user's own files.
    QString userFile(const QString& name) const { return m_App.userFile(name); }

    static bool writeCompressed(const QString& path, const QByteArray& plain) {
        return WriteCompressed(path, plain);
    }
    static QByteArray pythonDecompress(const QString& path) { return PythonDecompress(path); }
    static QByteArray read(const QString& path);
    static void write(const QString& path, const QByteArray& bytes);
    static QByteArray nameImage(int k, const QString& prefix = QStringLiteral("Player ")) {
        return NameImage(k, prefix);
    }
    static QByteArray withName(const QByteArray& image, int record, const QByteArray& name) {
        return WithName(image, record, name);
    }
    // Types text as key presses; characters outside ASCII come as the text of a key event,
    // as an input method delivers them.
    static void type(QWidget* w, const QString& text);

    // Opens path through the window's Open, as if chosen in the dialog.
    void open(const QString& path);
    void replaceTool(const QByteArray& script) { m_App.replaceTool(script); }
    void restoreTool() { m_App.restoreTool(); }

    frmMain& window() { return *m_Window; }
    std::shared_ptr<FakeMessages> messages = std::make_shared<FakeMessages>();
    std::shared_ptr<FakeLinks> links = std::make_shared<FakeLinks>();
    std::shared_ptr<FakeFileDialogs> files = std::make_shared<FakeFileDialogs>();
    std::shared_ptr<FakePreview> preview = std::make_shared<FakePreview>();
    QString nextChoice = QStringLiteral("-1");
    int dialogsOpened = 0;
    QString openStartedIn; // the folder the last open dialog started in
    QString settingsFile() const { return userFile(QStringLiteral("../settings.ini")); }

    template <typename T> T* find(const QString& name) { return m_Window->findChild<T*>(name); }
    QStringList listLines();
    ListProbe* list();
    // Selects the list's row, as a click does.
    void select(int row) { list()->setCurrentRow(row); }
    QLineEdit* nameField() { return find<QLineEdit>(QStringLiteral("txt0")); }
    // Empties the name field and types text into it.
    void retype(const QString& text);
    QStringList workFiles() const;

private:
    AppFolder m_App;
    std::unique_ptr<frmMain> m_Window;
    std::unique_ptr<ListProbe> m_List;
};

} // namespace voxtrel::test

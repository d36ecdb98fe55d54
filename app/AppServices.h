#pragma once

#include "controls/button_xp/ButtonServices.h"
#include "dialogs/OpenFileDialog.h"
#include "document/NameChange.h"

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>

class QWidget;

namespace voxtrel {

// Modal message boxes: messages with one OK button, and the window's two questions.
class MessageBoxes {
public:
    enum class Icon { None, Information, Warning };
    enum class Answer { Save, Discard, Cancel };
    virtual ~MessageBoxes() = default;
    // Detail, when not empty, is shown under Text in smaller type.
    virtual void Show(QWidget* Owner, const QString& Text, const QString& Title, Icon Kind,
                      const QString& Detail = {}) = 0;
    // Save, Discard or Cancel, for unsaved changes.
    virtual Answer AskToSave(QWidget* Owner, const QString& Text, const QString& Title) = 0;
    // Yes (true) or No.
    virtual bool AskYesNo(QWidget* Owner, const QString& Text, const QString& Title) = 0;
    // One of Buttons (their texts, with access keys), by its position; the last is the
    // default and what Escape answers.
    virtual int Choose(QWidget* Owner, const QString& Text, const QString& Title,
                       const QStringList& Buttons) = 0;
};

// Opens a web page in the user's browser.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    // False when no browser could be started.
    virtual bool Open(const QUrl& Url, QWidget* Owner) = 0;
};

// Asks for a file to read or to write, name lists and Save As; empty when the user cancels.
// Filter is in Qt's form: "Name lists (*.csv);;All files (*)".
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual QString OpenPath(QWidget* Owner, const QString& Title, const QString& Dir,
                             const QString& Filter) = 0;
    virtual QString SavePath(QWidget* Owner, const QString& Title, const QString& Suggested,
                             const QString& Filter) = 0;
};

// Shows the renames a name list asks for before any is applied: index, current name, new
// name. True when the user applies them; Cancel (and Escape) is false. Rows whose typed name
// (Typed) had characters replaced are marked, and Apply waits until the user agrees to the
// replacements.
class ChangePreview {
public:
    virtual ~ChangePreview() = default;
    virtual bool Confirm(QWidget* Owner, const QString& Title, const NameChanges& Changes) = 0;
};

// Everything the main window asks of the platform. Tests replace any of them.
struct AppServices {
    std::shared_ptr<MessageBoxes> Messages;
    std::shared_ptr<LinkOpener> Links;
    // A fresh dialog for every opening.
    std::function<std::unique_ptr<OpenFileDialog>()> NewOpenDialog;
    std::shared_ptr<FileDialogs> Files;
    std::shared_ptr<ChangePreview> Preview;
    // Where the editor keeps what it remembers; empty for the user's configuration folder.
    QString SettingsFile;
    ButtonServices Button;

    // The real implementations for whatever is left unset.
    AppServices WithDefaults() const;
};

} // namespace voxtrel

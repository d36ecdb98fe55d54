#pragma once

#include "app/AppServices.h"

#include <QObject>
#include <QString>

class QAction;
class QWidget;

namespace voxtrel {

class NameDocument;

// Menu > Export names... and Import names...: the window's side of moving a whole name list
// out and in. The document reads, checks, applies and writes; this asks for the file and
// tells the outcome. It owns those two menu entries.
class ListCommands : public QObject {
    Q_OBJECT
public:
    // The menu entries it owns and runs; MainMenus places them.
    struct Entries {
        QAction* MnuExportNames;
        QAction* MnuImportNames;
    };

    // Title heads the messages.
    ListCommands(QWidget* Window, QString Title, NameDocument& Document,
                 const AppServices& Services);

    const Entries& Actions() const { return m_Actions; }

    // A file is open: its names can go out and come in.
    void FileOpened();

private:
    void Export();
    void Import();

    QWidget* m_Window;
    QString m_Title;
    NameDocument& m_Document;
    const AppServices& m_Services;
    Entries m_Actions;
};

} // namespace voxtrel

#pragma once

#include "app/AppServices.h"

#include <QString>
#include <utility>

class QWidget;

namespace voxtrel {

class NameDocument;

// Menu > Export names... and Import names...: the window's side of moving a whole name list
// out and in. The document reads, checks, applies and writes; this asks for the file and
// tells the outcome.
class ListCommands {
public:
    // Title heads the messages; Importing is true while an import applies its renames.
    ListCommands(QWidget* Window, QString Title, NameDocument& Document,
                 const AppServices& Services, bool& Importing)
        : m_Window(Window), m_Title(std::move(Title)), m_Document(Document), m_Services(Services),
          m_Importing(Importing) {}

    void Export();
    void Import();

private:
    QWidget* m_Window;
    QString m_Title;
    NameDocument& m_Document;
    const AppServices& m_Services;
    bool& m_Importing;
};

} // namespace voxtrel

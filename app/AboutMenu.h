#pragma once

#include "app/AppServices.h"

#include <QObject>
#include <QString>

class QAction;

namespace voxtrel {

// About > Visit's pages, opened in the user's browser, and About > Copyright's credit. None
// of them touches the document.
class AboutMenu : public QObject {
    Q_OBJECT
public:
    // The menu entries it owns and runs; MainMenus places them.
    struct Entries {
        QAction* cmdSiteHome;
        QAction* cmdPartnerSite;
        QAction* cmdAuthorPage;
        QAction* Copyright;
    };

    AboutMenu(QWidget* Window, QString Title, const AppServices& Services);

    const Entries& Actions() const { return m_Actions; }

private:
    void Visit(const QString& Url);
    void Credit();

    QWidget* m_Window;
    QString m_Title;
    const AppServices& m_Services;
    Entries m_Actions;
};

} // namespace voxtrel

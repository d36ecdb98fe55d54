#pragma once

#include "app/AppServices.h"
#include "app/MainMenus.h"

#include <QObject>
#include <QString>

namespace voxtrel {

// About > Visit's pages, opened in the user's browser, and About > Copyright's credit. None
// of them touches the document.
class AboutMenu : public QObject {
    Q_OBJECT
public:
    AboutMenu(QWidget* Window, QString Title, const AppServices& Services, const MainMenus& Menus);

private:
    void Visit(const QString& Url);
    void Credit();

    QWidget* m_Window;
    QString m_Title;
    const AppServices& m_Services;
};

} // namespace voxtrel

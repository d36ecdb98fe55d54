#include "app/AboutMenu.h"

#include <QCoreApplication>

#include "app/Links.h"
#include "app/MenuEntry.h"
#include "document/NativePath.h"

#include <QAction>
#include <QUrl>
#include <QWidget>
#include <utility>

namespace voxtrel {

AboutMenu::AboutMenu(QWidget* Window, QString Title, const AppServices& Services)
    : QObject(Window), m_Window(Window), m_Title(std::move(Title)),
      m_Services(Services), m_Actions{MenuEntry(this, Links::SiteHomeCaption, "cmdSiteHome"),
                                      MenuEntry(this, Links::PartnerCaption, "cmdPartnerSite"),
                                      MenuEntry(this,
                                                QCoreApplication::translate("voxtrel::Links",
                                                                            Links::AuthorCaption),
                                                "cmdAuthorPage"),
                                      MenuEntry(this, tr("&Copyright"), "Copyright")} {
    const std::pair<QAction*, QString> pages[] = {{m_Actions.cmdSiteHome, Links::SiteHomeUrl},
                                                  {m_Actions.cmdPartnerSite, Links::PartnerUrl},
                                                  {m_Actions.cmdAuthorPage, Links::AuthorUrl}};
    for (const auto& [action, url] : pages) {
        connect(action, &QAction::triggered, this, [this, url = url] { Visit(url); });
    }
    connect(m_Actions.Copyright, &QAction::triggered, this, &AboutMenu::Credit);
}

void AboutMenu::Visit(const QString& Url) {
    if (!m_Services.Links->Open(QUrl(Url), m_Window)) {
        // Shown, so that the address can be copied into a browser by hand.
        m_Services.Messages->Show(
            m_Window,
            NativePath::Shown(tr("No web browser could be opened for this page:\n%1").arg(Url)),
            m_Title, MessageBoxes::Icon::Information);
    }
}

void AboutMenu::Credit() {
    m_Services.Messages->Show(m_Window, NativePath::Shown(Links::Credit), m_Title,
                              MessageBoxes::Icon::Information);
}

} // namespace voxtrel

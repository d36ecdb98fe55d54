#include "app/FormButtonHost.h"

#include "app/AppServices.h"

#include <QWidget>

namespace voxtrel {

FormButtonHost::FormButtonHost(QWidget* form, QString displayName, LinkOpener* links)
    : m_Form(form), m_DisplayName(std::move(displayName)), m_Links(links) {}

StdFontData FormButtonHost::AmbientFont() const {
    return StdFontData::fromQFont(m_Form->font());
}

void FormButtonHost::NavigateTo(const QString& Url) {
    if (m_Links) {
        m_Links->Open(QUrl::fromUserInput(Url), m_Form);
    }
}

} // namespace voxtrel

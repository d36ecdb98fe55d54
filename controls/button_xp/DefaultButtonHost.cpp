#include "controls/button_xp/DefaultButtonHost.h"

#include "controls/button_xp/ButtonServices.h"

#include <QWidget>

namespace voxtrel {

DefaultButtonHost::DefaultButtonHost(QWidget* control, UrlOpener* urls)
    : m_Control(control), m_Urls(urls) {}

QString DefaultButtonHost::AmbientDisplayName() const {
    if (m_Control && !m_Control->objectName().isEmpty()) {
        return m_Control->objectName();
    }
    return QStringLiteral("Button_XP1");
}

StdFontData DefaultButtonHost::AmbientFont() const {
    const QWidget* parent = m_Control ? m_Control->parentWidget() : nullptr;
    return parent ? StdFontData::fromQFont(parent->font()) : StdFontData{};
}

QPointF DefaultButtonHost::ExtenderPosition() const {
    return m_Control ? QPointF(m_Control->pos()) : QPointF();
}

void DefaultButtonHost::PropertyChanged(const QString& Name) {
    Q_UNUSED(Name);
}

void DefaultButtonHost::NavigateTo(const QString& Url) {
    if (m_Urls) {
        m_Urls->Open(QUrl::fromUserInput(Url), m_Control ? m_Control->window() : nullptr);
    }
}

} // namespace voxtrel

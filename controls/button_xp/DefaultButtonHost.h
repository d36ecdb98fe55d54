#pragma once

#include "controls/button_xp/ButtonHost.h"

#include <QPointer>

class QWidget;

namespace voxtrel {

class UrlOpener;

// The host for a Button_XP placed on a plain parent widget: the control's object name as
// display name, the parent's font, no change tracking, links opened by the desktop, and
// always in user mode.
class DefaultButtonHost : public ButtonHost {
public:
    DefaultButtonHost(QWidget* control, UrlOpener* urls);

    QString AmbientDisplayName() const override;
    StdFontData AmbientFont() const override;
    void PropertyChanged(const QString& Name) override;
    void NavigateTo(const QString& Url) override;
    bool UserMode() const override { return true; }
    bool IsDefaultButton() const override { return false; }
    QPointF ExtenderPosition() const override;

private:
    QPointer<QWidget> m_Control;
    UrlOpener* m_Urls;
};

} // namespace voxtrel

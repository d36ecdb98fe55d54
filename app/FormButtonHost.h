#pragma once

#include "controls/button_xp/ButtonHost.h"

#include <QString>

class QWidget;

namespace voxtrel {

class LinkOpener;

// The main window as the container of its skinned button.
class FormButtonHost : public ButtonHost {
public:
    FormButtonHost(QWidget* form, QString displayName, LinkOpener* links);

    QString AmbientDisplayName() const override { return m_DisplayName; }
    StdFontData AmbientFont() const override;
    void PropertyChanged(const QString& Name) override { Q_UNUSED(Name); }
    void NavigateTo(const QString& Url) override;
    bool UserMode() const override { return true; }
    bool IsDefaultButton() const override { return false; }

private:
    QWidget* m_Form;
    QString m_DisplayName;
    LinkOpener* m_Links;
};

} // namespace voxtrel

#pragma once

#include "controls/button_xp/StdFont.h"

#include <QImage>
#include <QPointF>
#include <QString>

namespace voxtrel {

// What the container that holds a Button_XP offers it.
class ButtonHost {
public:
    virtual ~ButtonHost() = default;

    // The name the container gives the instance (the default caption), and its font.
    virtual QString AmbientDisplayName() const = 0;
    virtual StdFontData AmbientFont() const = 0;
    // A persisted property changed; Name is the property's key.
    virtual void PropertyChanged(const QString& Name) = 0;
    // Opens an address with the container's hyperlink navigation.
    virtual void NavigateTo(const QString& Url) = 0;
    // True while the program runs, false while the container's window is being designed.
    virtual bool UserMode() const = 0;
    // True when the control is the form's default button.
    virtual bool IsDefaultButton() const = 0;

    // For a transparent face: the parent's background picture (null when it has none), the
    // control's position in the container's units, and how many of those units make a pixel
    // (1 for pixels, 15 for twips).
    virtual QImage ParentPicture() const { return {}; }
    virtual QPointF ExtenderPosition() const { return {}; }
    virtual double ParentUnitsPerPixel() const { return 1.0; }
};

} // namespace voxtrel

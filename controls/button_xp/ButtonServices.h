#pragma once

#include <QString>
#include <QUrl>
#include <memory>

class QWidget;

namespace voxtrel {

// The widget under the mouse pointer, as the pointer's own platform sees it.
class PointerLocator {
public:
    virtual ~PointerLocator() = default;
    virtual QWidget* WidgetUnderPointer() const = 0;
};

// Plays a sound file in the background; returns whether it started. Never blocks.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual bool Play(const QString& FilePath) = 0;
};

// Opens an address with the desktop's handler for it (mail links).
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void Open(const QUrl& Url, QWidget* Owner) = 0;
};

// The platform services a Button_XP uses; any left null gets the Qt implementation.
struct ButtonServices {
    std::shared_ptr<PointerLocator> Pointer;
    std::shared_ptr<SoundPlayer> Sound;
    std::shared_ptr<UrlOpener> Urls;

    ButtonServices WithDefaults() const;
};

} // namespace voxtrel

#pragma once

#include "controls/button_xp/ButtonServices.h"

class QSoundEffect;

namespace voxtrel {

// QCursor::pos and QApplication::widgetAt.
class QtPointerLocator : public PointerLocator {
public:
    QWidget* WidgetUnderPointer() const override;
};

// QSoundEffect; a missing file or a machine without sound plays nothing.
class QtSoundPlayer : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    bool Play(const QString& FilePath) override;

private:
    QSoundEffect* m_Effect = nullptr;
};

// QDesktopServices::openUrl.
class QtUrlOpener : public UrlOpener {
public:
    void Open(const QUrl& Url, QWidget* Owner) override;
};

} // namespace voxtrel

#pragma once

#include "controls/button_xp/ButtonServices.h"

namespace voxtrel {

// QCursor::pos and QApplication::widgetAt.
class QtPointerLocator : public PointerLocator {
public:
    QWidget* WidgetUnderPointer() const override;
};

// QSoundEffect, from the module voxtrel-sound beside the program, loaded on the first sound
// there is a file for; a missing file, a missing module or a machine without sound plays
// nothing.
class QtSoundPlayer : public SoundPlayer {
public:
    // ModuleFolder: where voxtrel-sound is; empty for the running program's folder.
    explicit QtSoundPlayer(QString ModuleFolder = {});
    ~QtSoundPlayer() override;
    bool Play(const QString& FilePath) override;

private:
    QString m_ModuleFolder;
    std::unique_ptr<SoundPlayer> m_Player;
    bool m_Loaded = false; // whether loading was tried
};

// QDesktopServices::openUrl.
class QtUrlOpener : public UrlOpener {
public:
    void Open(const QUrl& Url, QWidget* Owner) override;
};

} // namespace voxtrel

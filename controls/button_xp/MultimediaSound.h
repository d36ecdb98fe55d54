#pragma once

#include "controls/button_xp/ButtonServices.h"

class QSoundEffect;

namespace voxtrel {

// QSoundEffect. Built into the module voxtrel-sound, which QtSoundPlayer loads on the first
// sound, so that Qt Multimedia and the sound system's libraries cost nothing at start-up.
class MultimediaSound : public SoundPlayer {
public:
    MultimediaSound();
    ~MultimediaSound() override;
    bool Play(const QString& FilePath) override;

private:
    QSoundEffect* m_Effect = nullptr;
};

} // namespace voxtrel

// The module's one entry point: a new player, owned by the caller.
extern "C" Q_DECL_EXPORT voxtrel::SoundPlayer* VoxtrelNewSoundPlayer();

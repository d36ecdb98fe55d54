#include "controls/button_xp/MultimediaSound.h"

#include <QFileInfo>
#include <QSoundEffect>

namespace voxtrel {

MultimediaSound::MultimediaSound() = default;

MultimediaSound::~MultimediaSound() {
    delete m_Effect;
}

bool MultimediaSound::Play(const QString& FilePath) {
    if (!m_Effect) {
        m_Effect = new QSoundEffect;
    }
    // A new sound cuts off one still playing.
    m_Effect->stop();
    const QUrl source = QUrl::fromLocalFile(QFileInfo(FilePath).absoluteFilePath());
    if (m_Effect->source() != source) {
        m_Effect->setSource(source);
    }
    m_Effect->play();
    return true;
}

} // namespace voxtrel

voxtrel::SoundPlayer* VoxtrelNewSoundPlayer() {
    return new voxtrel::MultimediaSound;
}

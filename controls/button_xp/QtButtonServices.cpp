#include "controls/button_xp/QtButtonServices.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QFileInfo>
#include <QSoundEffect>

namespace voxtrel {

ButtonServices ButtonServices::WithDefaults() const {
    ButtonServices s = *this;
    if (!s.Pointer) {
        s.Pointer = std::make_shared<QtPointerLocator>();
    }
    if (!s.Sound) {
        s.Sound = std::make_shared<QtSoundPlayer>();
    }
    if (!s.Urls) {
        s.Urls = std::make_shared<QtUrlOpener>();
    }
    return s;
}

QWidget* QtPointerLocator::WidgetUnderPointer() const {
    return QApplication::widgetAt(QCursor::pos());
}

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer() {
    delete m_Effect;
}

bool QtSoundPlayer::Play(const QString& FilePath) {
    if (!QFileInfo(FilePath).isFile()) {
        return false;
    }
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

void QtUrlOpener::Open(const QUrl& Url, QWidget* Owner) {
    Q_UNUSED(Owner);
    QDesktopServices::openUrl(Url);
}

} // namespace voxtrel

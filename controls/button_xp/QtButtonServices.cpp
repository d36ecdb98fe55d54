#include "controls/button_xp/QtButtonServices.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLibrary>

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

QtSoundPlayer::QtSoundPlayer(QString ModuleFolder) : m_ModuleFolder(std::move(ModuleFolder)) {}

QtSoundPlayer::~QtSoundPlayer() = default;

bool QtSoundPlayer::Play(const QString& FilePath) {
    if (!QFileInfo(FilePath).isFile()) {
        return false;
    }
    if (!m_Loaded) {
        m_Loaded = true;
        // The library stays loaded for the rest of the run: the player's code lives in it.
        const QString folder =
            m_ModuleFolder.isEmpty() ? QCoreApplication::applicationDirPath() : m_ModuleFolder;
        QLibrary module(folder + QStringLiteral("/voxtrel-sound"));
        using NewPlayer = SoundPlayer* (*)();
        if (const auto make =
                reinterpret_cast<NewPlayer>(module.resolve("VoxtrelNewSoundPlayer"))) {
            m_Player.reset(make());
        }
    }
    return m_Player && m_Player->Play(FilePath);
}

void QtUrlOpener::Open(const QUrl& Url, QWidget* Owner) {
    Q_UNUSED(Owner);
    QDesktopServices::openUrl(Url);
}

} // namespace voxtrel

#include "app/EditorSettings.h"

#include "document/RememberedEncodings.h"

#include <QDir>
#include <QSettings>

namespace voxtrel {

EditorSettings::EditorSettings(const QString& File) {
    const QString file = File.isEmpty() ? RememberedEncodings::UserFile() : File;
    if (file.isEmpty()) {
        return; // no home: nothing is kept, and nothing is written anywhere
    }
    m_Note = RememberedEncodings::Refusal(file);
    if (m_Note.isEmpty()) {
        m_Store = std::make_unique<QSettings>(file, QSettings::IniFormat);
    }
}

EditorSettings::~EditorSettings() = default;

QByteArray EditorSettings::Geometry() const {
    if (!m_Store) {
        return {};
    }
    return m_Store->value(QStringLiteral("window/geometry")).toByteArray();
}

void EditorSettings::setGeometry(const QByteArray& New_Geometry) {
    if (!m_Store) {
        return;
    }
    m_Store->setValue(QStringLiteral("window/geometry"), New_Geometry);
}

QString EditorSettings::OpenFolder() const {
    const QString folder =
        !m_Store ? QString() : m_Store->value(QStringLiteral("files/openFolder")).toString();
    return !folder.isEmpty() && QDir(folder).exists() ? folder : QDir::homePath();
}

void EditorSettings::setOpenFolder(const QString& New_OpenFolder) {
    if (!m_Store) {
        return;
    }
    m_Store->setValue(QStringLiteral("files/openFolder"), New_OpenFolder);
}

QString EditorSettings::Encoding(const QString& Name) const {
    if (!m_Store) {
        return {};
    }
    return m_Store->value(RememberedEncodings::Key(Name)).toString();
}

void EditorSettings::setEncoding(const QString& Name, const QString& Page) {
    if (!m_Store) {
        return;
    }
    m_Store->setValue(RememberedEncodings::Key(Name), Page);
}

void EditorSettings::Clear() {
    if (!m_Store) {
        return;
    }
    m_Store->clear();
    m_Store->sync();
}

} // namespace voxtrel

#include "app/EditorSettings.h"

#include <QDir>
#include <QSettings>

namespace voxtrel {
namespace {

// A file name as a key: its slashes and the settings' own separators taken out.
QString nameKey(const QString& name) {
    return QStringLiteral("encodings/") +
           QString::fromLatin1(name.toUtf8().toPercentEncoding(QByteArray(), "/\\\\"));
}

} // namespace

EditorSettings::EditorSettings(const QString& File)
    : m_Store(File.isEmpty() ? std::make_unique<QSettings>(QStringLiteral("voxtrel-editor"),
                                                           QStringLiteral("voxtrel-editor"))
                             : std::make_unique<QSettings>(File, QSettings::IniFormat)) {}

EditorSettings::~EditorSettings() = default;

QByteArray EditorSettings::Geometry() const {
    return m_Store->value(QStringLiteral("window/geometry")).toByteArray();
}

void EditorSettings::setGeometry(const QByteArray& New_Geometry) {
    m_Store->setValue(QStringLiteral("window/geometry"), New_Geometry);
}

QString EditorSettings::OpenFolder() const {
    const QString folder = m_Store->value(QStringLiteral("files/openFolder")).toString();
    return !folder.isEmpty() && QDir(folder).exists() ? folder : QDir::homePath();
}

void EditorSettings::setOpenFolder(const QString& New_OpenFolder) {
    m_Store->setValue(QStringLiteral("files/openFolder"), New_OpenFolder);
}

QString EditorSettings::Encoding(const QString& Name) const {
    return m_Store->value(nameKey(Name)).toString();
}

void EditorSettings::setEncoding(const QString& Name, const QString& Page) {
    m_Store->setValue(nameKey(Name), Page);
}

void EditorSettings::Clear() {
    m_Store->clear();
    m_Store->sync();
}

} // namespace voxtrel

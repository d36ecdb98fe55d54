#include "app/EditorSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <sys/stat.h>

namespace voxtrel {
namespace {

// A file name as a key: its slashes and the settings' own separators taken out.
QString nameKey(const QString& name) {
    return QStringLiteral("encodings/") +
           QString::fromLatin1(name.toUtf8().toPercentEncoding(QByteArray(), "/\\\\"));
}

// The user's settings file, where the user has a configuration folder; else empty.
QString userFile() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!QDir::isAbsolutePath(base)) {
        const QString home = qEnvironmentVariable("HOME");
        base = QDir::isAbsolutePath(home) ? home + QStringLiteral("/.config") : QString();
    }
    return base.isEmpty() ? QString()
                          : base + QStringLiteral("/voxtrel-editor/voxtrel-editor.conf");
}

// Why Path may not be read or written as settings; empty when it may (or is not there yet).
QString refusal(const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    for (const QString& p : {folder, path}) {
        struct stat st {};
        if (::lstat(QFile::encodeName(p).constData(), &st) != 0) {
            continue;
        }
        const bool wanted = p == path ? S_ISREG(st.st_mode) : S_ISDIR(st.st_mode);
        if (S_ISLNK(st.st_mode) || !wanted) {
            return QStringLiteral("Settings are not kept: \"%1\" is %2.")
                .arg(p, S_ISLNK(st.st_mode) ? QStringLiteral("a link")
                                            : QStringLiteral("not a regular file"));
        }
    }
    return {};
}

} // namespace

EditorSettings::EditorSettings(const QString& File) {
    const QString file = File.isEmpty() ? userFile() : File;
    if (file.isEmpty()) {
        return; // no home: nothing is kept, and nothing is written anywhere
    }
    m_Note = refusal(file);
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
    return m_Store->value(nameKey(Name)).toString();
}

void EditorSettings::setEncoding(const QString& Name, const QString& Page) {
    if (!m_Store) {
        return;
    }
    m_Store->setValue(nameKey(Name), Page);
}

void EditorSettings::Clear() {
    if (!m_Store) {
        return;
    }
    m_Store->clear();
    m_Store->sync();
}

} // namespace voxtrel

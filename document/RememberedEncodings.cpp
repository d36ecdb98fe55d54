#include "document/RememberedEncodings.h"

#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <sys/stat.h>

namespace voxtrel::RememberedEncodings {

QString UserFile() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!QDir::isAbsolutePath(base)) {
        const QString home = qEnvironmentVariable("HOME");
        base = QDir::isAbsolutePath(home) ? home + QStringLiteral("/.config") : QString();
    }
    return base.isEmpty() ? QString()
                          : base + QStringLiteral("/voxtrel-editor/voxtrel-editor.conf");
}

QString Key(const QString& Name) {
    // The name's slashes and the settings' own separators are taken out.
    return QStringLiteral("encodings/") +
           QString::fromLatin1(Name.toUtf8().toPercentEncoding(QByteArray(), "/\\\\"));
}

QString Refusal(const QString& File) {
    const QString folder = QFileInfo(File).absolutePath();
    for (const QString& p : {folder, File}) {
        struct stat st {};
        if (::lstat(QFile::encodeName(p).constData(), &st) != 0) {
            continue;
        }
        const bool wanted = p == File ? S_ISREG(st.st_mode) : S_ISDIR(st.st_mode);
        if (S_ISLNK(st.st_mode) || !wanted) {
            return QCoreApplication::translate("voxtrel::RememberedEncodings",
                                               "Settings are not kept: \"%1\" is %2.")
                .arg(p, S_ISLNK(st.st_mode)
                            ? QCoreApplication::translate("voxtrel::RememberedEncodings", "a link")
                            : QCoreApplication::translate("voxtrel::RememberedEncodings",
                                                          "not a regular file"));
        }
    }
    return {};
}

std::optional<QString> For(const QString& Path, const QString& File) {
    const QString file = File.isEmpty() ? UserFile() : File;
    if (file.isEmpty() || !QFileInfo::exists(file) || !Refusal(file).isEmpty()) {
        return std::nullopt;
    }
    const QSettings store(file, QSettings::IniFormat);
    const QString page = store.value(Key(QFileInfo(Path).fileName())).toString();
    if (page.isEmpty()) {
        return std::nullopt;
    }
    return page;
}

} // namespace voxtrel::RememberedEncodings

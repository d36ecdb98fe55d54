#include "document/UiLanguage.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace voxtrel {

namespace {

const QString OurPrefix = QStringLiteral("voxtrel_");
const QString QtPrefix = QStringLiteral("qtbase_");
const QString Suffix = QStringLiteral(".qm");

bool IsEnglish(const QString& Language) {
    return Language == QLatin1String("C") || Language == QLatin1String("en") ||
           Language.startsWith(QLatin1String("en-")) || Language.startsWith(QLatin1String("en_"));
}

// Loads Prefix + Language + ".qm" from Folder onto the application; the file's path, or
// empty when there is none or it does not load.
QString InstallFile(const QString& Folder, const QString& Prefix, const QString& Language) {
    const QString path = Folder + QLatin1Char('/') + Prefix + Language + Suffix;
    if (!QFileInfo(path).isFile()) {
        return {};
    }
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(path)) {
        delete translator;
        return {};
    }
    // Qt refuses to install a file without messages; such a one is in use all the same.
    if (translator->isEmpty() || !QCoreApplication::installTranslator(translator)) {
        delete translator;
    }
    return path;
}

// The locale messages follow, as C's setlocale reads it: LC_ALL, then LC_MESSAGES, then LANG.
// "C" and "POSIX" (with or without a code set) ask for the program's own texts, whatever
// LANGUAGE lists.
bool MessagesInPosixLocale() {
    QString value;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        value = qEnvironmentVariable(name);
        if (!value.isEmpty()) {
            break;
        }
    }
    const QString locale = value.section(QLatin1Char('.'), 0, 0);
    return locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX");
}

// "pl-PL" is looked for as pl_PL, then pl.
QStringList Candidates(const QString& Language) {
    QString name = Language;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    QStringList out;
    while (!name.isEmpty()) {
        out << name;
        const qsizetype cut = name.lastIndexOf(QLatin1Char('_'));
        name.truncate(cut < 0 ? 0 : cut);
    }
    return out;
}

} // namespace

QString UiLanguage::DefaultFolder() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
}

QString UiLanguage::Choose(const QStringList& Languages, const QString& Folder) {
    for (const QString& language : Languages) {
        if (IsEnglish(language)) {
            return {}; // the user prefers English to any language further down the list
        }
        for (const QString& name : Candidates(language)) {
            if (QFileInfo(Folder + QLatin1Char('/') + OurPrefix + name + Suffix).isFile()) {
                return name;
            }
        }
    }
    return {};
}

UiLanguage::Installed UiLanguage::Install(const QString& Folder) {
    Installed out;
    if (MessagesInPosixLocale()) {
        return out;
    }
    const QString folder = Folder.isEmpty() ? DefaultFolder() : Folder;
    out.Language = Choose(QLocale::system().uiLanguages(), folder);
    if (out.Language.isEmpty()) {
        return out;
    }
    const QString ours = InstallFile(folder, OurPrefix, out.Language);
    if (ours.isEmpty()) {
        out.Language.clear();
        return out;
    }
    out.Files << ours;
    // Qt's files are named by language alone (qtbase_de.qm), a few by region too.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& name : Candidates(out.Language)) {
        const QString qt = InstallFile(qtFolder, QtPrefix, name);
        if (!qt.isEmpty()) {
            out.Files << qt;
            break;
        }
    }
    return out;
}

} // namespace voxtrel

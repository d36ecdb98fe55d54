#pragma once

#include <QString>
#include <QStringList>

namespace voxtrel {

// The language the interface speaks. English is the source text and needs no file; another
// language is our translations/voxtrel_xx.qm in the application folder, with Qt's own
// qtbase_xx.qm for the standard dialogs and buttons where Qt ships one.
class UiLanguage {
public:
    struct Installed {
        QString Language;  // "de", "pl_PL", ...; empty: English
        QStringList Files; // the .qm files now in use
    };

    // Under the C or POSIX locale (LC_ALL, LC_MESSAGES, LANG, as setlocale reads them) the
    // texts stay English. Otherwise chooses the first of the user's languages
    // (QLocale::uiLanguages: LANGUAGE, or the locale) that is English or has a translation
    // in Folder, and installs that translation on the running application. Call it right
    // after the application object is made, before any window or help text is built. Folder
    // defaults to the application folder's translations/.
    static Installed Install(const QString& Folder = {});

    // The same choice from a list of languages ("de-DE", "pl", "C"), without installing.
    [[nodiscard]] static QString Choose(const QStringList& Languages, const QString& Folder);

    // The application folder's translations/.
    static QString DefaultFolder();
};

} // namespace voxtrel

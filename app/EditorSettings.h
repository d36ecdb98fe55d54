#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class QSettings;

namespace voxtrel {

// What the editor remembers between runs, under the user's configuration folder: the
// window's place and size, the folder a file was last opened from, and the code page last
// used for each bare file name. A setting that cannot be read or written is left out, never
// an error. A settings file that is a link, or not a regular file (a FIFO would block the
// start for ever), is neither read nor written; with no HOME and no XDG_CONFIG_HOME nothing
// is kept at all.
class EditorSettings {
public:
    // File: the settings file; empty for the user's own (~/.config/voxtrel-editor/).
    explicit EditorSettings(const QString& File = {});
    ~EditorSettings();

    QByteArray Geometry() const;
    void setGeometry(const QByteArray& New_Geometry);
    // The folder the open dialog starts in: the last one a file was opened from, or the
    // user's home folder.
    QString OpenFolder() const;
    void setOpenFolder(const QString& New_OpenFolder);
    // The code page last chosen for files named Name ("unnamed_1849.bin"); empty for none.
    QString Encoding(const QString& Name) const;
    void setEncoding(const QString& Name, const QString& Page);

    // Forgets everything (--reset-settings).
    void Clear();

    // Why no settings are kept, for one status-bar note; empty when they are.
    QString Note() const { return m_Note; }

private:
    std::unique_ptr<QSettings> m_Store; // none when no settings are kept
    QString m_Note;
};

} // namespace voxtrel

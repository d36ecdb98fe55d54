#pragma once

#include <QString>
#include <optional>

namespace voxtrel {

// The editor's settings file, as far as the code pages it remembers go: where it lies, the
// key of one bare file name, and whether it may be read at all. The window writes it
// (EditorSettings); voxtrel-names reads the code page the editor last used for a file name.
namespace RememberedEncodings {

// The user's settings file (~/.config/voxtrel-editor/voxtrel-editor.conf, or under
// XDG_CONFIG_HOME); empty when the user has no configuration folder.
[[nodiscard]] QString UserFile();
// The settings key of the code page remembered for files named Name ("unnamed_1849.bin").
[[nodiscard]] QString Key(const QString& Name);
// Why File may not be read or written as settings (a link, not a regular file); empty when
// it may, or is not there yet.
[[nodiscard]] QString Refusal(const QString& File);
// The code page remembered for the bare name of Path in the settings File (empty: the
// user's); none when nothing is remembered or the settings may not be read.
[[nodiscard]] std::optional<QString> For(const QString& Path, const QString& File = {});

} // namespace RememberedEncodings
} // namespace voxtrel

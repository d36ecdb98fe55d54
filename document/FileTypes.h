#pragma once

#include <QString>

// The kinds of file the editor reads and writes, as file dialogs offer them, and the suffix a
// name given without one takes.
namespace voxtrel::FileTypes {

// Compressed name files.
QString NameFileFilter();
// A name list or a patch to write: a workbook first, the default.
QString ListWriteFilter();
// A name list or a patch to read, of either format.
QString ListReadFilter();

// Path with ".bin" added when it has no suffix: a name file unless the name says otherwise.
QString NameFileTarget(const QString& Path);
// Path with ".xlsx" added when it has no suffix: a workbook unless asked otherwise.
QString ListTarget(const QString& Path);
// A name offered beside File: its folder and base name, then Ending ("-patch.xlsx").
QString Beside(const QString& File, const QString& Ending);

} // namespace voxtrel::FileTypes

#pragma once

#include <QString>

namespace voxtrel {

// The compression tool's command lines and the files each command leaves. AppPath is the
// application folder and always ends in a separator: the tool is AppPath + "zlib/zlibtool"
// and its working folder AppPath + "zlib/temp/".
class ToolCommands {
public:
    // Path with a separator at its end, as AppPath and the working folder always have.
    static QString WithSeparator(QString Path);

    static QString ToolPath(const QString& AppPath);
    static QString ToolWorkFolder(const QString& AppPath);

    // Decompresses the copy of the chosen file, ToolWorkFolder + Name, into Name + ".unzlib".
    static QString DecompressCommand(const QString& AppPath, const QString& Name);
    static QString DecompressOutput(const QString& AppPath, const QString& Name);
    // The same for a compressed file anywhere: FilePath is decompressed into
    // FilePath + ".unzlib".
    static QString DecompressFileCommand(const QString& AppPath, const QString& FilePath);
    static QString DecompressFileOutput(const QString& FilePath);

    // Compresses FilePath (the name table's path) into FilePath + ".zlib".
    static QString CompressCommand(const QString& AppPath, const QString& FilePath);
    static QString CompressOutput(const QString& FilePath);

    // One argument in double quotes; a double quote inside it is written as three, so it
    // can never end the argument early.
    static QString Quote(const QString& Argument);
};

} // namespace voxtrel

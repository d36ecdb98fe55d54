#pragma once

#include <QString>

namespace voxtrel {

// The compression tool's command lines and the files each command leaves. AppPath is the
// application folder and always ends in a separator: the tool is AppPath + "zlib/zlibtool"
// and its working folder AppPath + "zlib/temp/".
class ToolCommands {
public:
    // Path with a separator at its end, as AppPath and the working folder always have.
    static QString With_Separator(QString Path);

    static QString Tool_Path(const QString& AppPath);
    static QString Work_Folder(const QString& AppPath);

    // Decompresses the copy of the chosen file, Work_Folder + Name, into Name + ".unzlib".
    static QString Decompress_Command(const QString& AppPath, const QString& Name);
    static QString Decompress_Output(const QString& AppPath, const QString& Name);
    // The same for a compressed file anywhere: FilePath is decompressed into
    // FilePath + ".unzlib".
    static QString Decompress_File_Command(const QString& AppPath, const QString& FilePath);
    static QString Decompress_File_Output(const QString& FilePath);

    // Compresses FilePath (the name table's path) into FilePath + ".zlib".
    static QString Compress_Command(const QString& AppPath, const QString& FilePath);
    static QString Compress_Output(const QString& FilePath);

    // One argument in double quotes; a double quote inside it is written as three, so it
    // can never end the argument early.
    static QString Quote(const QString& Argument);
};

} // namespace voxtrel

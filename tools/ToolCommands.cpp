#include "tools/ToolCommands.h"

#include <QDir>

namespace voxtrel {
namespace {

const QString& separator() {
    static const QString sep = QDir::separator();
    return sep;
}

#ifdef Q_OS_WIN
constexpr auto ExeSuffix = ".exe";
#else
constexpr auto ExeSuffix = "";
#endif

} // namespace

QString ToolCommands::With_Separator(QString Path) {
    if (!Path.endsWith(QLatin1Char('/')) && !Path.endsWith(separator())) {
        Path += separator();
    }
    return Path;
}

QString ToolCommands::Tool_Path(const QString& AppPath) {
    return AppPath + QStringLiteral("zlib") + separator() + QStringLiteral("zlibtool") +
           QLatin1String(ExeSuffix);
}

QString ToolCommands::Work_Folder(const QString& AppPath) {
    return AppPath + QStringLiteral("zlib") + separator() + QStringLiteral("temp") + separator();
}

QString ToolCommands::Quote(const QString& Argument) {
    QString escaped = Argument;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString ToolCommands::Decompress_Command(const QString& AppPath, const QString& Name) {
    return Decompress_File_Command(AppPath, Work_Folder(AppPath) + Name);
}

QString ToolCommands::Decompress_Output(const QString& AppPath, const QString& Name) {
    return Decompress_File_Output(Work_Folder(AppPath) + Name);
}

QString ToolCommands::Decompress_File_Command(const QString& AppPath, const QString& FilePath) {
    return Quote(Tool_Path(AppPath)) + QLatin1Char(' ') + Quote(FilePath) + QStringLiteral(" -d");
}

QString ToolCommands::Decompress_File_Output(const QString& FilePath) {
    return FilePath + QStringLiteral(".unzlib");
}

QString ToolCommands::Compress_Command(const QString& AppPath, const QString& FilePath) {
    return Quote(Tool_Path(AppPath)) + QLatin1Char(' ') + Quote(FilePath);
}

QString ToolCommands::Compress_Output(const QString& FilePath) {
    return FilePath + QStringLiteral(".zlib");
}

} // namespace voxtrel

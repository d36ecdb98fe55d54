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

QString ToolCommands::WithSeparator(QString Path) {
    if (!Path.endsWith(QLatin1Char('/')) && !Path.endsWith(separator())) {
        Path += separator();
    }
    return Path;
}

QString ToolCommands::ToolPath(const QString& AppPath) {
    return AppPath + QStringLiteral("zlib") + separator() + QStringLiteral("zlibtool") +
           QLatin1String(ExeSuffix);
}

QString ToolCommands::ToolWorkFolder(const QString& AppPath) {
    return AppPath + QStringLiteral("zlib") + separator() + QStringLiteral("temp") + separator();
}

QString ToolCommands::Quote(const QString& Argument) {
    QString escaped = Argument;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString ToolCommands::DecompressCommand(const QString& AppPath, const QString& Name) {
    return DecompressFileCommand(AppPath, ToolWorkFolder(AppPath) + Name);
}

QString ToolCommands::DecompressOutput(const QString& AppPath, const QString& Name) {
    return DecompressFileOutput(ToolWorkFolder(AppPath) + Name);
}

QString ToolCommands::DecompressFileCommand(const QString& AppPath, const QString& FilePath) {
    return Quote(ToolPath(AppPath)) + QLatin1Char(' ') + Quote(FilePath) + QStringLiteral(" -d");
}

QString ToolCommands::DecompressFileOutput(const QString& FilePath) {
    return FilePath + QStringLiteral(".unzlib");
}

QString ToolCommands::CompressCommand(const QString& AppPath, const QString& FilePath) {
    return Quote(ToolPath(AppPath)) + QLatin1Char(' ') + Quote(FilePath);
}

QString ToolCommands::CompressOutput(const QString& FilePath) {
    return FilePath + QStringLiteral(".zlib");
}

} // namespace voxtrel

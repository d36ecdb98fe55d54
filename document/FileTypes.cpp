#include "document/FileTypes.h"

#include <QDir>
#include <QFileInfo>

namespace voxtrel::FileTypes {
namespace {

QString withSuffix(const QString& path, const QString& suffix) {
    return QFileInfo(path).suffix().isEmpty() ? path + suffix : path;
}

} // namespace

QString NameFileTarget(const QString& Path) {
    return withSuffix(Path, QStringLiteral(".bin"));
}

QString ListTarget(const QString& Path) {
    return withSuffix(Path, QStringLiteral(".xlsx"));
}

QString Beside(const QString& File, const QString& Ending) {
    const QFileInfo file(File);
    return file.dir().filePath(file.completeBaseName() + Ending);
}

} // namespace voxtrel::FileTypes

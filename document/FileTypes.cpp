#include "document/FileTypes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace voxtrel::FileTypes {

QString NameFileFilter() {
    return QCoreApplication::translate("voxtrel::FileTypes", "Name files (*.bin);;All files (*)");
}

QString ListWriteFilter() {
    return QCoreApplication::translate("voxtrel::FileTypes",
                                       "Workbooks (*.xlsx);;CSV lists (*.csv);;All files (*)");
}

QString ListReadFilter() {
    return QCoreApplication::translate("voxtrel::FileTypes",
                                       "Name lists (*.xlsx *.csv);;All files (*)");
}
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

#include "document/NameFileSize.h"

#include <QCoreApplication>

#include "names/NameFileLayout.h"

#include <QLocale>

namespace voxtrel::NameFileSize {

QString WrongSize(const QString& Name, qint64 Bytes) {
    const QLocale english(QLocale::English);
    return QCoreApplication::translate("voxtrel::NameFileSize",
                                       "%1 is %2 bytes when decompressed; a name file is %3 bytes.")
        .arg(Name, english.toString(Bytes), english.toString(layout::FileSize));
}

} // namespace voxtrel::NameFileSize

#include "NameFileImage.h"

#include "TestFiles.h"

namespace voxtrel::test {

QByteArray NameFileImage::withRecords(int k) {
    QByteArray image(Header + Record * k, '\0');
    for (qint64 i = 0; i < Header; ++i) {
        image[i] = static_cast<char>((i * 7 + 3) & 0xFF);
    }
    for (int r = 0; r < k; ++r) {
        QByteArray field = QByteArray("Name") + QByteArray::number(r);
        field.resize(58, '\0');
        setName(image, r, field);
        for (int j = 0; j < 30; ++j) {
            image[Header + Record * r + 58 + j] = static_cast<char>((r * 31 + j) & 0xFF);
        }
    }
    return image;
}

void NameFileImage::setName(QByteArray& image, int record, const QByteArray& field58) {
    image.replace(Header + Record * record, 58, field58.left(58).leftJustified(58, '\0'));
}

QByteArray NameFileImage::nameField(const QByteArray& image, int record) {
    return image.mid(Header + Record * record, 58);
}

TempApp::TempApp() = default;

QString TempApp::write(const QString& name, const QByteArray& bytes) const {
    WriteBytes(file(name), bytes);
    return file(name);
}

QByteArray TempApp::read(const QString& path) {
    return ReadBytes(path);
}

} // namespace voxtrel::test

#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <array>

namespace voxtrel::test {

// Builds decompressed name files byte by byte, independent of the code under test.
struct NameFileImage {
    static constexpr qint64 Header = 9872;
    static constexpr qint64 Record = 88;
    static constexpr qint64 Tail = 116264;
    static constexpr qint64 Full = 117585;

    // A header of distinct bytes, k records whose name is "Name<k>" and whose 30 fields are
    // (k * 31 + j) & 0xFF, and no trailing block.
    static QByteArray withRecords(int k);
    static void setName(QByteArray& image, int record, const QByteArray& field58);
    static QByteArray nameField(const QByteArray& image, int record);
};

// A temporary application folder with helpers to place files in it.
class TempApp {
public:
    TempApp();
    QString path() const { return m_Dir.path(); }
    QString file(const QString& name) const { return m_Dir.filePath(name); }
    QString write(const QString& name, const QByteArray& bytes) const;
    static QByteArray read(const QString& path);

private:
    QTemporaryDir m_Dir;
};

} // namespace voxtrel::test

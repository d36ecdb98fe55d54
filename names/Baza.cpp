#include "names/Baza.h"

#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <utility>

namespace voxtrel {

using namespace layout;

Baza::Baza(QString appPath)
    : m_AppPath(std::move(appPath)), m_Header(HeaderSize, '\0'), m_Tail(TailSize, '\0') {}

QString Baza::Path() const {
    return m_Path;
}

qint32 Baza::Count() const {
    return static_cast<qint32>(m_Records.size());
}

bool Baza::Loaded() const {
    return m_Loaded;
}

QString Baza::ErrorString() const {
    return m_Error;
}

QString Baza::DataFilePath() const {
    return QDir(m_AppPath).filePath(QStringLiteral("Data.dll"));
}

bool Baza::File_Exists(const QString& Str_Path) {
    return !Str_Path.isEmpty() && QFileInfo::exists(Str_Path);
}

qint32 Baza::Clamp_Index(qint32 Index) const {
    if (!m_Loaded || Count() <= 0) {
        return -1;
    }
    return std::clamp(Index, 0, Count() - 1);
}

QString Baza::Get_Nazwa(qint32 Index) const {
    const qint32 i = Clamp_Index(Index);
    return i < 0 ? QString() : m_Encoding->decode(m_Records[i].Nazwa);
}

QByteArray Baza::GetNazwaBytes(qint32 Index) const {
    const qint32 i = Clamp_Index(Index);
    return i < 0 ? QByteArray() : m_Records[i].Nazwa;
}

quint8 Baza::Field(qint32 Index, int offsetInRecord) const {
    const qint32 i = Clamp_Index(Index);
    return i < 0 ? quint8(0) : m_Records[i].field(offsetInRecord);
}

// clang-format off
quint8 Baza::Get_Pole(qint32 Index) const { return Field(Index, FieldOffset::Pole); }
quint8 Baza::Get_Pole2(qint32 Index) const { return Field(Index, FieldOffset::Pole2); }
quint8 Baza::Get_ID(qint32 Index) const { return Field(Index, FieldOffset::ID); }
quint8 Baza::Get_ID2(qint32 Index) const { return Field(Index, FieldOffset::ID2); }
quint8 Baza::Get_Pole3(qint32 Index) const { return Field(Index, FieldOffset::Pole3); }
quint8 Baza::Get_Pole4(qint32 Index) const { return Field(Index, FieldOffset::Pole4); }
quint8 Baza::Get_Grupa(qint32 Index) const { return Field(Index, FieldOffset::Grupa); }
quint8 Baza::Get_Grupa2(qint32 Index) const { return Field(Index, FieldOffset::Grupa2); }
quint8 Baza::Get_Pole5(qint32 Index) const { return Field(Index, FieldOffset::Pole5); }
quint8 Baza::Get_Pole6(qint32 Index) const { return Field(Index, FieldOffset::Pole6); }
quint8 Baza::Get_Pole7(qint32 Index) const { return Field(Index, FieldOffset::Pole7); }
quint8 Baza::Get_Pole8(qint32 Index) const { return Field(Index, FieldOffset::Pole8); }
quint8 Baza::Get_Pole9(qint32 Index) const { return Field(Index, FieldOffset::Pole9); }
quint8 Baza::Get_Pole10(qint32 Index) const { return Field(Index, FieldOffset::Pole10); }
quint8 Baza::Get_Pole11(qint32 Index) const { return Field(Index, FieldOffset::Pole11); }
quint8 Baza::Get_Pole12(qint32 Index) const { return Field(Index, FieldOffset::Pole12); }
quint8 Baza::Get_Pole13(qint32 Index) const { return Field(Index, FieldOffset::Pole13); }
quint8 Baza::Get_Pole15(qint32 Index) const { return Field(Index, FieldOffset::Pole15); }
quint8 Baza::Get_Pole16(qint32 Index) const { return Field(Index, FieldOffset::Pole16); }
quint8 Baza::Get_Pole17(qint32 Index) const { return Field(Index, FieldOffset::Pole17); }
quint8 Baza::Get_Pole18(qint32 Index) const { return Field(Index, FieldOffset::Pole18); }
quint8 Baza::Get_Pole19(qint32 Index) const { return Field(Index, FieldOffset::Pole19); }
quint8 Baza::Get_Pole20(qint32 Index) const { return Field(Index, FieldOffset::Pole20); }
quint8 Baza::Get_Pole21(qint32 Index) const { return Field(Index, FieldOffset::Pole21); }
quint8 Baza::Get_Pole22(qint32 Index) const { return Field(Index, FieldOffset::Pole22); }
quint8 Baza::Get_Pole23(qint32 Index) const { return Field(Index, FieldOffset::Pole23); }
quint8 Baza::Get_Pole24(qint32 Index) const { return Field(Index, FieldOffset::Pole24); }
quint8 Baza::Get_Pole25(qint32 Index) const { return Field(Index, FieldOffset::Pole25); }
quint8 Baza::Get_Pole26(qint32 Index) const { return Field(Index, FieldOffset::Pole26); }
// clang-format on

bool Baza::Wczytaj(const QString& Str_Path) {
    m_Error.clear();
    if (!Str_Path.isEmpty()) {
        m_Path = Str_Path;
    }
    if (!File_Exists(Str_Path)) {
        m_Error = QCoreApplication::translate("voxtrel::Baza", "The file \"%1\" does not exist.")
                      .arg(Str_Path);
        return false;
    }

    m_Records.clear();
    m_Header.fill('\0', HeaderSize);
    m_Loaded = true;

    QFile file(Str_Path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_Error = QCoreApplication::translate("voxtrel::Baza", "Cannot open \"%1\": %2")
                      .arg(Str_Path, file.errorString());
        return false;
    }
    // Only the first 117585 bytes matter: the header, 1209 records and the file's own
    // trailing block. Anything after them is never read.
    QByteArray bytes = file.read(FileSize);
    if (file.error() != QFileDevice::NoError) {
        m_Error = QCoreApplication::translate("voxtrel::Baza", "Cannot read \"%1\": %2")
                      .arg(Str_Path, file.errorString());
        return false;
    }
    file.close();
    ParseImage(bytes);
    return ReadTail(bytes);
}

bool Baza::WczytajImage(const QByteArray& Bytes) {
    m_Error.clear();
    m_Records.clear();
    m_Header.fill('\0', HeaderSize);
    m_Loaded = true;
    ParseImage(Bytes.left(FileSize));
    // The image's own trailing block, as with a missing Data.dll.
    m_Tail.fill('\0', TailSize);
    const qint64 own = std::clamp<qint64>(Bytes.size() - TailOffset, 0, TailSize);
    std::memcpy(m_Tail.data(), Bytes.constData() + TailOffset, static_cast<size_t>(own));
    return true;
}

void Baza::ParseImage(const QByteArray& bytes) {
    const qint64 length = bytes.size();
    std::memcpy(m_Header.data(), bytes.constData(),
                static_cast<size_t>(std::min(length, HeaderSize)));

    // One byte left is enough to start a record; a record the end of the file cuts short
    // reads zero for its missing bytes.
    m_Records.reserve(MaxRecords);
    for (qint64 pos = HeaderSize; pos < length && m_Records.size() < MaxRecords;
         pos += RecordSize) {
        char raw[RecordSize] = {};
        std::memcpy(raw, bytes.constData() + pos,
                    static_cast<size_t>(std::min(RecordSize, length - pos)));
        NameRecord record;
        const char* zero = static_cast<const char*>(std::memchr(raw, 0, NameSize));
        record.Nazwa = QByteArray(raw, zero ? zero - raw : NameSize);
        std::memcpy(record.Fields.data(), raw + NameSize, FieldCount);
        m_Records.append(std::move(record));
    }
}

bool Baza::ReadTail(const QByteArray& fileBytes) {
    // The trailing block comes from Data.dll. Where Data.dll is missing or too short, the
    // loaded file's own trailing block fills the gap, so a save never replaces it with zeros.
    QByteArray tail(TailSize, '\0');
    const qint64 own = std::clamp<qint64>(fileBytes.size() - TailOffset, 0, TailSize);
    std::memcpy(tail.data(), fileBytes.constData() + TailOffset, static_cast<size_t>(own));

    const QString dataPath = DataFilePath();
    QFile data(dataPath);
    if (!data.exists()) {
        // A missing Data.dll is created empty; a folder that refuses it is no failure.
        if (data.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            data.close();
        }
    } else {
        if (!data.open(QIODevice::ReadOnly)) {
            m_Error = QCoreApplication::translate("voxtrel::Baza", "Cannot open \"%1\": %2")
                          .arg(dataPath, data.errorString());
            return false;
        }
        const QByteArray fromData = data.read(TailSize);
        if (data.error() != QFileDevice::NoError) {
            m_Error = QCoreApplication::translate("voxtrel::Baza", "Cannot read \"%1\": %2")
                          .arg(dataPath, data.errorString());
            return false;
        }
        std::memcpy(tail.data(), fromData.constData(), static_cast<size_t>(fromData.size()));
    }
    m_Tail = tail;
    return true;
}

bool Baza::Zmien_Dane(qint32 Index, const QString& Nazwa) {
    if (Count() == 0 || !m_Loaded) {
        return false;
    }
    return ZmienDaneBytes(Index, EncodeNazwa(Nazwa));
}

QByteArray Baza::EncodeNazwa(const QString& Nazwa) const {
    // Encoded at once in the code page in force: what the list shows is what is saved. A
    // zero byte ends the name in the file: nothing after it is kept.
    const QByteArray bytes = m_Encoding->encode(Nazwa.left(NameSize));
    const qsizetype zero = bytes.indexOf('\0');
    return zero < 0 ? bytes : bytes.left(zero);
}

bool Baza::ZmienDaneBytes(qint32 Index, const QByteArray& Bytes) {
    if (Count() == 0 || !m_Loaded) {
        return false;
    }
    // A zero byte ends the name in the file: nothing after it is kept.
    const qsizetype zero = Bytes.indexOf('\0');
    m_Records[Clamp_Index(Index)].Nazwa =
        Bytes.left(zero < 0 ? NameSize : std::min<qsizetype>(zero, NameSize));
    return true;
}

QByteArray Baza::ToImage() const {
    QByteArray image(FileSize, '\0');
    char* out = image.data();
    std::memcpy(out, m_Header.constData(), HeaderSize);
    qint64 pos = HeaderSize;
    for (const NameRecord& record : m_Records) {
        const QByteArray& name = record.Nazwa;
        std::memcpy(out + pos, name.constData(), static_cast<size_t>(name.size()));
        std::memcpy(out + pos + NameSize, record.Fields.data(), FieldCount);
        pos += RecordSize;
    }
    std::memcpy(out + TailOffset, m_Tail.constData(), TailSize);
    return image;
}

bool Baza::Zapisz(const QString& Str_Path) {
    m_Error.clear();
    if (!m_Loaded) {
        m_Error = QCoreApplication::translate("voxtrel::Baza", "No name file has been loaded.");
        return false;
    }
    const QString target = Str_Path.isEmpty() ? m_Path : Str_Path;
    if (target.isEmpty()) {
        m_Error = QCoreApplication::translate("voxtrel::Baza", "No file to save to.");
        return false;
    }
    const QFileInfo info(target);
    if (info.exists() && (info.isDir() || !info.isWritable())) {
        m_Error = QCoreApplication::translate("voxtrel::Baza", "The file \"%1\" cannot be written.")
                      .arg(target);
        return false;
    }

    // The working file is the document's own: written plainly, cut to the new image. Keeping
    // the user's file safe is the document's part.
    const QByteArray image = ToImage();
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(image) != image.size() || !file.flush()) {
        m_Error = QCoreApplication::translate("voxtrel::Baza", "Cannot write \"%1\": %2")
                      .arg(target, file.errorString());
        return false;
    }
    return true;
}

} // namespace voxtrel

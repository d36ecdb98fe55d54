#pragma once

#include "names/CodePage.h"
#include "names/NameRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace voxtrel {

// The name table: one decompressed name file held in memory. It loads the file, hands out
// every record's name and single-byte fields, renames records and writes the file back.
// Indexes outside the records are clamped to the first or the last record, never an error.
class Baza {
public:
    // appPath: the application folder, where Data.dll is read (and created empty). Names are
    // decoded and encoded in the code page Encoding, windows-1252 unless set.
    explicit Baza(QString appPath);

    // Switching the code page decodes the same bytes again; it never changes a byte.
    const voxtrel::CodePage& Encoding() const { return *m_Encoding; }
    void setEncoding(const voxtrel::CodePage& New_Encoding) { m_Encoding = &New_Encoding; }

    // The bytes Zmien_Dane stores for Nazwa: its first 58 characters in the code page in
    // force, up to a zero byte.
    QByteArray EncodeNazwa(const QString& Nazwa) const;
    // A name's bytes as the file holds them, and a rename given in bytes (cut to 58).
    QByteArray GetNazwaBytes(qint32 Index) const;
    bool ZmienDaneBytes(qint32 Index, const QByteArray& Bytes);

    bool Zmien_Dane(qint32 Index, const QString& Nazwa);
    QString Path() const;

    QString Get_Nazwa(qint32 Index) const;
    quint8 Get_Pole(qint32 Index) const;
    quint8 Get_Pole2(qint32 Index) const;
    quint8 Get_ID(qint32 Index) const;
    quint8 Get_ID2(qint32 Index) const;
    quint8 Get_Pole3(qint32 Index) const;
    quint8 Get_Pole4(qint32 Index) const;
    quint8 Get_Grupa(qint32 Index) const;
    quint8 Get_Grupa2(qint32 Index) const;
    quint8 Get_Pole5(qint32 Index) const;
    quint8 Get_Pole6(qint32 Index) const;
    quint8 Get_Pole7(qint32 Index) const;
    quint8 Get_Pole8(qint32 Index) const;
    quint8 Get_Pole9(qint32 Index) const;
    quint8 Get_Pole10(qint32 Index) const;
    quint8 Get_Pole11(qint32 Index) const;
    quint8 Get_Pole12(qint32 Index) const;
    quint8 Get_Pole13(qint32 Index) const;
    quint8 Get_Pole15(qint32 Index) const;
    quint8 Get_Pole16(qint32 Index) const;
    quint8 Get_Pole17(qint32 Index) const;
    quint8 Get_Pole18(qint32 Index) const;
    quint8 Get_Pole19(qint32 Index) const;
    quint8 Get_Pole20(qint32 Index) const;
    quint8 Get_Pole21(qint32 Index) const;
    quint8 Get_Pole22(qint32 Index) const;
    quint8 Get_Pole23(qint32 Index) const;
    quint8 Get_Pole24(qint32 Index) const;
    quint8 Get_Pole25(qint32 Index) const;
    quint8 Get_Pole26(qint32 Index) const;

    bool Wczytaj(const QString& Str_Path);
    // Loads a name file's bytes held in memory, as Wczytaj loads a file; the trailing block
    // is the image's own, as when Data.dll is missing.
    bool WczytajImage(const QByteArray& Bytes);
    bool Zapisz(const QString& Str_Path);
    static bool File_Exists(const QString& Str_Path);
    qint32 Count() const;
    bool Loaded() const;

    // Why the last Wczytaj or Zapisz returned false, for the window's message; empty after
    // a success.
    QString ErrorString() const;

    // Where Data.dll is looked for.
    QString DataFilePath() const;

    // The whole image Zapisz writes, 117585 bytes.
    QByteArray ToImage() const;

private:
    qint32 Clamp_Index(qint32 Index) const;
    quint8 Field(qint32 Index, int offsetInRecord) const;
    bool ReadTail(const QByteArray& fileBytes);
    void ParseImage(const QByteArray& bytes);

    QString m_AppPath;
    QByteArray m_Header;
    QString m_Path;
    bool m_Loaded = false;
    QByteArray m_Tail;
    QList<NameRecord> m_Records;
    QString m_Error;
    const voxtrel::CodePage* m_Encoding = &voxtrel::CodePage::Western();
};

} // namespace voxtrel

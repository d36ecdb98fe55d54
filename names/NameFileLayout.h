#pragma once

#include <QtGlobal>

namespace voxtrel::layout {

// A decompressed name file: an opaque header, up to 1209 records of 88 bytes, and an opaque
// trailing block. A file the editor writes is always FileSize bytes long.
inline constexpr qint64 HeaderSize = 9872;
inline constexpr qint64 RecordSize = 88;
inline constexpr qint32 MaxRecords = 1209;
inline constexpr qint64 NameSize = 58;
inline constexpr qint64 FieldCount = 30;
inline constexpr qint64 TailOffset = HeaderSize + RecordSize * MaxRecords; // 116264
inline constexpr qint64 TailSize = 1321;
inline constexpr qint64 FileSize = TailOffset + TailSize; // 117585

static_assert(NameSize + FieldCount == RecordSize);
static_assert(TailOffset == 116264 && FileSize == 117585);

// Offsets of the single-byte fields inside a record. Offset 74 holds a byte without a name,
// and nothing is numbered 14: Pole13 is at 75 and Pole15 at 76.
enum FieldOffset : int {
    Pole = 58,
    Pole2 = 59,
    ID = 60,
    ID2 = 61,
    Pole3 = 62,
    Pole4 = 63,
    Grupa = 64,
    Grupa2 = 65,
    Pole5 = 66,
    Pole6,
    Pole7,
    Pole8,
    Pole9,
    Pole10,
    Pole11,
    Pole12 = 73,
    Unnamed = 74,
    Pole13 = 75,
    Pole15 = 76,
    Pole16,
    Pole17,
    Pole18,
    Pole19,
    Pole20,
    Pole21,
    Pole22,
    Pole23,
    Pole24,
    Pole25,
    Pole26 = 87,
};

} // namespace voxtrel::layout

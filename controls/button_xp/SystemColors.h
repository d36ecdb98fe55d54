#pragma once

#include <QColor>
#include <QtGlobal>

namespace voxtrel {

// Colours are 32-bit values: an RGB colour 0x00BBGGRR, or 0x80000000 plus an index into the
// system-colour table (0 to 30, numbered like the platform's system colours: 13 highlight,
// 15 button face, 16 button shadow, 18 button text, 20 button highlight, 21 dark shadow,
// 22 3-D light). The table is filled from the application palette, and again whenever that
// changes; colours fixed by SetSystemColor stay.
inline constexpr quint32 SystemColorFlag = 0x80000000u;
inline constexpr int SystemColorCount = 31;

// The RGB value (0x00BBGGRR) of a colour; a system-colour reference is looked up in the table.
quint32 TranslateColor(quint32 color);

// Tests fix the table with these; ResetSystemColors refills it from the palette.
void SetSystemColor(int index, quint32 rgb);
void ResetSystemColors();

// 0x00BBGGRR to and from Qt's colour types.
inline QRgb ToQRgb(quint32 rgb) {
    return qRgb(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}
inline quint32 FromQRgb(QRgb c) {
    return quint32(qRed(c)) | (quint32(qGreen(c)) << 8) | (quint32(qBlue(c)) << 16);
}
inline QColor ToQColor(quint32 rgb) {
    return QColor(ToQRgb(rgb));
}
inline quint32 FromQColor(const QColor& color) {
    return FromQRgb(color.rgb());
}

} // namespace voxtrel

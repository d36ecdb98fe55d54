#include "controls/button_xp/StdFont.h"

namespace voxtrel {

StdFontData StdFontData::fromQFont(const QFont& font) {
    StdFontData d;
    d.Name = font.family();
    d.Size = font.pointSizeF() > 0 ? font.pointSizeF() : 8.25;
    d.Bold = font.bold();
    d.Italic = font.italic();
    d.Underline = font.underline();
    d.Strikethrough = font.strikeOut();
    d.Weight = static_cast<qint16>(font.bold() ? 700 : 400);
    return d;
}

QFont StdFontData::toQFont() const {
    QFont f(Name);
    f.setPointSizeF(Size > 0 ? Size : 8.25);
    // Bold wins over a lighter stored weight; otherwise the stored weight is kept.
    f.setWeight(Bold ? QFont::Bold : (Weight >= 600 ? QFont::DemiBold : QFont::Normal));
    f.setItalic(Italic);
    f.setUnderline(Underline);
    f.setStrikeOut(Strikethrough);
    return f;
}

StdFont::StdFont(const StdFontData& data, QObject* parent) : QObject(parent), m_Data(data) {}

#define VOXTREL_FONT_SETTER(Setter, Field, Type)                                                   \
    void StdFont::Setter(Type v) {                                                                 \
        m_Data.Field = v;                                                                          \
        emit FontChanged(QStringLiteral(#Field));                                                  \
    }
VOXTREL_FONT_SETTER(setName, Name, const QString&)
VOXTREL_FONT_SETTER(setSize, Size, double)
VOXTREL_FONT_SETTER(setBold, Bold, bool)
VOXTREL_FONT_SETTER(setItalic, Italic, bool)
VOXTREL_FONT_SETTER(setUnderline, Underline, bool)
VOXTREL_FONT_SETTER(setStrikethrough, Strikethrough, bool)
VOXTREL_FONT_SETTER(setWeight, Weight, qint16)
VOXTREL_FONT_SETTER(setCharset, Charset, qint16)
#undef VOXTREL_FONT_SETTER

} // namespace voxtrel

#pragma once

#include <QFont>
#include <QMetaType>
#include <QObject>
#include <QString>

namespace voxtrel {

// The attributes of a font as the button keeps and persists them.
struct StdFontData {
    QString Name = QStringLiteral("MS Sans Serif");
    double Size = 8.25;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strikethrough = false;
    qint16 Weight = 400;
    qint16 Charset = 0;

    static StdFontData fromQFont(const QFont& font);
    QFont toQFont() const;
    bool operator==(const StdFontData&) const = default;
};

// A font object with change notification: every assignment of an attribute emits
// FontChanged with the attribute's name.
class StdFont : public QObject {
    Q_OBJECT
public:
    explicit StdFont(const StdFontData& data = {}, QObject* parent = nullptr);

    const StdFontData& data() const { return m_Data; }
    // Takes every attribute of data at once, without FontChanged: for the control's own
    // loading, which repaints once at its end.
    void assign(const StdFontData& data) { m_Data = data; }
    void setName(const QString& v);
    void setSize(double v);
    void setBold(bool v);
    void setItalic(bool v);
    void setUnderline(bool v);
    void setStrikethrough(bool v);
    void setWeight(qint16 v);
    void setCharset(qint16 v);

signals:
    void FontChanged(const QString& PropertyName);

private:
    StdFontData m_Data;
};

} // namespace voxtrel

Q_DECLARE_METATYPE(voxtrel::StdFontData)

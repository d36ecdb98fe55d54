#pragma once

#include <QString>
#include <QVariant>

namespace voxtrel {

// The container's property store for one control. Values are QVariants holding qint32,
// qint16 (Booleans as -1 and 0), QString, StdFontData or PictureRef.
class PropertyBag {
public:
    virtual ~PropertyBag() = default;
    // The stored value of Name, or DefaultValue when the key is absent.
    virtual QVariant ReadProperty(const QString& Name, const QVariant& DefaultValue) = 0;
    // Stores Value under Name; a store may leave out a value equal to DefaultValue.
    virtual void WriteProperty(const QString& Name, const QVariant& Value,
                               const QVariant& DefaultValue) = 0;
};

} // namespace voxtrel

#pragma once

#include "controls/button_xp/PropertyBag.h"

#include <QMap>
#include <QStringList>

namespace voxtrel {

// A property store in memory. Writing a value equal to its default removes the key, as a
// store may; every read and write is also logged in order.
class MemoryPropertyBag : public PropertyBag {
public:
    QVariant ReadProperty(const QString& Name, const QVariant& DefaultValue) override;
    void WriteProperty(const QString& Name, const QVariant& Value,
                       const QVariant& DefaultValue) override;

    void set(const QString& Name, const QVariant& Value) { m_Values[Name] = Value; }
    bool contains(const QString& Name) const { return m_Values.contains(Name); }
    QVariant value(const QString& Name) const { return m_Values.value(Name); }

    // "R:Key" and "W:Key" in call order.
    QStringList log;

private:
    QMap<QString, QVariant> m_Values;
};

} // namespace voxtrel

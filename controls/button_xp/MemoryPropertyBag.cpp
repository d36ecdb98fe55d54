#include "controls/button_xp/MemoryPropertyBag.h"

#include "controls/button_xp/ButtonPicture.h"
#include "controls/button_xp/StdFont.h"

namespace voxtrel {
namespace {

bool sameValue(const QVariant& a, const QVariant& b) {
    if (a.metaType() == QMetaType::fromType<PictureRef>() ||
        b.metaType() == QMetaType::fromType<PictureRef>()) {
        return a.value<PictureRef>() == b.value<PictureRef>();
    }
    if (a.metaType() == QMetaType::fromType<StdFontData>() &&
        b.metaType() == QMetaType::fromType<StdFontData>()) {
        return a.value<StdFontData>() == b.value<StdFontData>();
    }
    if (a.metaType().id() == QMetaType::QString || b.metaType().id() == QMetaType::QString) {
        return a.toString() == b.toString() && a.metaType() == b.metaType();
    }
    bool okA = false;
    bool okB = false;
    const qlonglong x = a.toLongLong(&okA);
    const qlonglong y = b.toLongLong(&okB);
    return okA && okB ? x == y : a == b;
}

} // namespace

QVariant MemoryPropertyBag::ReadProperty(const QString& Name, const QVariant& DefaultValue) {
    log << QStringLiteral("R:") + Name;
    const auto it = m_Values.constFind(Name);
    return it == m_Values.constEnd() ? DefaultValue : *it;
}

void MemoryPropertyBag::WriteProperty(const QString& Name, const QVariant& Value,
                                      const QVariant& DefaultValue) {
    log << QStringLiteral("W:") + Name;
    if (sameValue(Value, DefaultValue)) {
        m_Values.remove(Name);
    } else {
        m_Values[Name] = Value;
    }
}

} // namespace voxtrel

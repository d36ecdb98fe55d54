#pragma once

#include "names/NameFileLayout.h"

#include <QByteArray>
#include <array>

namespace voxtrel {

// One name as the table holds it: the name's bytes as loaded or renamed (at most 58, up to
// the first zero byte), decoded only when shown, and the record's 30 single-byte fields in
// file order, offsets 58 to 87, the unnamed byte at 74 included.
struct NameRecord {
    QByteArray Nazwa;
    std::array<quint8, layout::FieldCount> Fields{};

    quint8 field(int offsetInRecord) const { return Fields[offsetInRecord - layout::NameSize]; }
};

} // namespace voxtrel

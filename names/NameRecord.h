#pragma once

#include "names/NameFileLayout.h"

#include <QString>
#include <array>

namespace voxtrel {

// One name as the table holds it: the decoded name (at most 58 characters) and the record's
// 30 single-byte fields in file order, offsets 58 to 87, the unnamed byte at 74 included.
struct NameRecord {
    QString Nazwa;
    std::array<quint8, layout::FieldCount> Fields{};

    quint8 field(int offsetInRecord) const { return Fields[offsetInRecord - layout::NameSize]; }
};

} // namespace voxtrel

// The journal's records are read back from the user's state folder, where anything may have
// been put: parsing any bytes must neither crash nor take what is not a record, and a record
// read back must write the same bytes again.
#include "document/SaveJournal.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<voxtrel::SaveJournal::Record> record =
        voxtrel::SaveJournal::Record::Parse(bytes);
    if (record) {
        const std::optional<voxtrel::SaveJournal::Record> again =
            voxtrel::SaveJournal::Record::Parse(record->Bytes());
        if (!again || again->Bytes() != record->Bytes()) {
            std::abort();
        }
    }
    return 0;
}

// Arbitrary bytes through zlibtool's decompression core: no crash, and no output on error.
#include "zlibtool/ZlibCodec.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A small limit keeps runs fast and exercises the bomb guard.
    const voxtrel::ZlibCodec::Coded out = voxtrel::ZlibCodec::decompress(data, size, 1 << 20);
    if (!out.Ok() && (!out.Bytes.empty() || out.Failed->empty())) {
        std::abort();
    }
    if (out.Ok() && out.Bytes.size() > (1u << 20)) {
        std::abort();
    }
    return 0;
}

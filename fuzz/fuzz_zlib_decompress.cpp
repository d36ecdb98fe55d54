// Arbitrary bytes through zlibtool's decompression core: no crash, and no output on error.
#include "zlibtool/ZlibCodec.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::uint8_t> out;
    std::string error;
    // A small limit keeps runs fast and exercises the bomb guard.
    const bool ok = voxtrel::ZlibCodec::decompress(data, size, out, error, 1 << 20);
    if (!ok && (!out.empty() || error.empty())) {
        std::abort();
    }
    if (ok && out.size() > (1u << 20)) {
        std::abort();
    }
    return 0;
}

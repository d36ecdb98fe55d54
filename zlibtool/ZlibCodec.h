#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace voxtrel {

// Whole-buffer zlib streams (RFC 1950).
class ZlibCodec {
public:
    // Decompressed output larger than this is refused as a decompression bomb.
    static constexpr std::size_t MaxOutput = 64u * 1024u * 1024u;

    // Compresses at the best level. On failure returns false with error set.
    static bool compress(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& out,
                         std::string& error);

    // Decompresses one complete stream; bytes after its end are ignored. On any failure
    // (empty input, not zlib, truncated, bad checksum, output over limit) returns false with
    // out emptied and error set.
    static bool decompress(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& out,
                           std::string& error, std::size_t limit = MaxOutput);
};

} // namespace voxtrel

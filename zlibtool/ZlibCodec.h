#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace voxtrel {

// zlib streams (RFC 1950), streamed through fixed-size chunks so that memory stays bounded
// whatever the input.
class ZlibCodec {
public:
    // Decompressed output larger than this is refused as a decompression bomb.
    static constexpr std::size_t MaxOutput = 64u * 1024u * 1024u;
    static constexpr std::size_t Chunk = 64u * 1024u;

    // Fills up to size bytes of buffer and sets got (0 at the end of the input); false on a
    // read error.
    using Reader = std::function<bool(std::uint8_t* buffer, std::size_t size, std::size_t& got)>;
    // Takes the next piece of output; false on a write error.
    using Writer = std::function<bool(const std::uint8_t* data, std::size_t size)>;

    // Compresses everything read at the best level. On failure returns false with error set.
    static bool compressStream(const Reader& read, const Writer& write, std::string& error);

    // Decompresses one complete stream. The 2-byte header is checked before anything more is
    // read; bytes after the stream's end are never read. On any failure (empty input, not
    // zlib, truncated, bad checksum, output over limit, a read or write error) returns false
    // with error set; what was written before the failure must be thrown away.
    static bool decompressStream(const Reader& read, const Writer& write, std::string& error,
                                 std::size_t limit = MaxOutput);

    // The same on whole buffers.
    static bool compress(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& out,
                         std::string& error);
    static bool decompress(const std::uint8_t* data, std::size_t size,
                           std::vector<std::uint8_t>& out, std::string& error,
                           std::size_t limit = MaxOutput);
};

} // namespace voxtrel

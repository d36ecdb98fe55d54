#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
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

    // Why a stream failed; none when it worked.
    using Failure = std::optional<std::string>;

    // Compresses everything read at the best level.
    [[nodiscard]] static Failure compressStream(const Reader& read, const Writer& write);

    // Decompresses one complete stream. The 2-byte header is checked before anything more is
    // read; bytes after the stream's end are never read. Fails on empty input, data that is
    // not zlib, a cut stream, a bad checksum, output over limit, a read or write error; what
    // was written before the failure must be thrown away.
    [[nodiscard]] static Failure decompressStream(const Reader& read, const Writer& write,
                                                  std::size_t limit = MaxOutput);

    // The same on whole buffers: the output, or why there is none.
    struct [[nodiscard]] Coded {
        std::vector<std::uint8_t> Bytes; // empty on failure
        Failure Failed;
        bool Ok() const { return !Failed; }
    };
    static Coded compress(const std::uint8_t* data, std::size_t size);
    static Coded decompress(const std::uint8_t* data, std::size_t size,
                            std::size_t limit = MaxOutput);
};

} // namespace voxtrel

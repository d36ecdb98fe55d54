#include "zlibtool/ZlibCodec.h"

#include <algorithm>
#include <cstring>
#include <zlib.h>

namespace voxtrel {
namespace {

// A zlib header: deflate (method 8) with a window of at most 32 KiB, and a check value that
// makes the two bytes a multiple of 31.
bool validHeader(const std::uint8_t h[2]) {
    return (h[0] & 0x0F) == 8 && (h[0] >> 4) <= 7 && ((h[0] << 8) | h[1]) % 31 == 0;
}

// Reads until buffer holds size bytes or the input ends.
bool readFully(const ZlibCodec::Reader& read, std::uint8_t* buffer, std::size_t size,
               std::size_t& got) {
    got = 0;
    while (got < size) {
        std::size_t n = 0;
        if (!read(buffer + got, size - got, n)) {
            return false;
        }
        if (n == 0) {
            break;
        }
        got += n;
    }
    return true;
}

ZlibCodec::Reader bufferReader(const std::uint8_t* data, std::size_t size) {
    return [data, size, pos = std::size_t(0)](std::uint8_t* buffer, std::size_t cap,
                                              std::size_t& got) mutable {
        got = std::min(cap, size - pos);
        std::memcpy(buffer, data + pos, got);
        pos += got;
        return true;
    };
}

ZlibCodec::Writer bufferWriter(std::vector<std::uint8_t>& out) {
    return [&out](const std::uint8_t* data, std::size_t size) {
        out.insert(out.end(), data, data + size);
        return true;
    };
}

} // namespace

ZlibCodec::Failure ZlibCodec::compressStream(const Reader& read, const Writer& write) {
    z_stream zs{};
    if (deflateInit(&zs, Z_BEST_COMPRESSION) != Z_OK) {
        return "cannot start compression";
    }
    std::vector<std::uint8_t> in(Chunk);
    std::vector<std::uint8_t> out(Chunk);
    Failure failure;
    int flush = Z_NO_FLUSH;
    while (!failure && flush != Z_FINISH) {
        std::size_t got = 0;
        if (!readFully(read, in.data(), in.size(), got)) {
            failure = "cannot read the input";
            break;
        }
        flush = got < in.size() ? Z_FINISH : Z_NO_FLUSH;
        zs.next_in = in.data();
        zs.avail_in = static_cast<uInt>(got);
        do {
            zs.next_out = out.data();
            zs.avail_out = static_cast<uInt>(out.size());
            const int rc = deflate(&zs, flush);
            if (rc == Z_STREAM_ERROR) {
                failure = "compression failed";
                break;
            }
            const std::size_t produced = out.size() - zs.avail_out;
            if (produced > 0 && !write(out.data(), produced)) {
                failure = "cannot write the output";
                break;
            }
        } while (zs.avail_out == 0);
    }
    deflateEnd(&zs);
    return failure;
}

ZlibCodec::Failure ZlibCodec::decompressStream(const Reader& read, const Writer& write,
                                               std::size_t limit) {
    std::uint8_t header[2];
    std::size_t got = 0;
    if (!readFully(read, header, 2, got)) {
        return "cannot read the input";
    }
    if (got == 0) {
        return "input is empty";
    }
    if (got < 2 || !validHeader(header)) {
        return "not valid zlib data (no zlib header)";
    }

    z_stream zs{};
    if (inflateInit(&zs) != Z_OK) {
        return "cannot start decompression";
    }
    std::vector<std::uint8_t> in(Chunk);
    std::vector<std::uint8_t> out(Chunk);
    std::memcpy(in.data(), header, 2);
    zs.next_in = in.data();
    zs.avail_in = 2;
    bool ended = false; // the input has no more bytes
    std::size_t total = 0;
    int rc = Z_OK;
    Failure failure;
    for (;;) {
        if (zs.avail_in == 0 && !ended) {
            if (!read(in.data(), in.size(), got)) {
                failure = "cannot read the input";
                break;
            }
            ended = got == 0;
            zs.next_in = in.data();
            zs.avail_in = static_cast<uInt>(got);
        }
        zs.next_out = out.data();
        zs.avail_out = static_cast<uInt>(out.size());
        rc = inflate(&zs, Z_NO_FLUSH);
        if (rc == Z_DATA_ERROR) {
            failure = zs.msg && std::string(zs.msg) == "incorrect data check"
                          ? "bad checksum in compressed data"
                          : std::string("not valid zlib data") +
                                (zs.msg ? std::string(" (") + zs.msg + ")" : "");
            break;
        }
        if (rc == Z_NEED_DICT) {
            failure = "not valid zlib data (needs a preset dictionary)";
            break;
        }
        if (rc == Z_MEM_ERROR || rc == Z_STREAM_ERROR) {
            failure = rc == Z_MEM_ERROR ? "out of memory" : "decompression failed";
            break;
        }
        const std::size_t produced = out.size() - zs.avail_out;
        total += produced;
        if (total > limit) {
            failure = "decompressed data is larger than " + std::to_string(limit / (1024 * 1024)) +
                      " MiB";
            rc = Z_MEM_ERROR;
            break;
        }
        if (produced > 0 && !write(out.data(), produced)) {
            failure = "cannot write the output";
            rc = Z_ERRNO;
            break;
        }
        if (rc == Z_STREAM_END) {
            break; // whatever follows the stream is left unread
        }
        // Room for output left over, no input left and none to come: the stream is cut short.
        if (ended && zs.avail_in == 0 && zs.avail_out > 0) {
            failure = "the compressed data ends too early";
            break;
        }
    }
    inflateEnd(&zs);
    return rc == Z_STREAM_END ? std::nullopt : failure;
}

ZlibCodec::Coded ZlibCodec::compress(const std::uint8_t* data, std::size_t size) {
    Coded out;
    out.Failed = compressStream(bufferReader(data, size), bufferWriter(out.Bytes));
    if (out.Failed) {
        out.Bytes.clear();
    }
    return out;
}

ZlibCodec::Coded ZlibCodec::decompress(const std::uint8_t* data, std::size_t size,
                                       std::size_t limit) {
    Coded out;
    out.Failed = decompressStream(bufferReader(data, size), bufferWriter(out.Bytes), limit);
    if (out.Failed) {
        out.Bytes.clear();
        out.Bytes.shrink_to_fit();
    }
    return out;
}

} // namespace voxtrel

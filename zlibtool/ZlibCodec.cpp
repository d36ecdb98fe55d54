#include "zlibtool/ZlibCodec.h"

#include <algorithm>
#include <limits>
#include <zlib.h>

namespace voxtrel {

bool ZlibCodec::compress(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& out,
                         std::string& error) {
    out.clear();
    if (size > std::numeric_limits<uLong>::max()) {
        error = "input too large";
        return false;
    }
    uLongf bound = compressBound(static_cast<uLong>(size));
    out.resize(bound);
    const int rc = compress2(out.data(), &bound, data, static_cast<uLong>(size), Z_BEST_COMPRESSION);
    if (rc != Z_OK) {
        out.clear();
        error = rc == Z_MEM_ERROR ? "out of memory" : "compression failed";
        return false;
    }
    out.resize(bound);
    return true;
}

bool ZlibCodec::decompress(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& out,
                           std::string& error, std::size_t limit) {
    out.clear();
    if (size == 0) {
        error = "input is empty";
        return false;
    }
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK) {
        error = "cannot start decompression";
        return false;
    }
    std::size_t consumed = 0;
    std::uint8_t chunk[64 * 1024];
    int rc = Z_OK;
    while (rc != Z_STREAM_END) {
        if (zs.avail_in == 0 && consumed < size) {
            const std::size_t take = std::min<std::size_t>(size - consumed, 1u << 30);
            zs.next_in = const_cast<Bytef*>(data + consumed);
            zs.avail_in = static_cast<uInt>(take);
            consumed += take;
        }
        zs.next_out = chunk;
        zs.avail_out = sizeof chunk;
        rc = inflate(&zs, Z_NO_FLUSH);
        const std::size_t produced = sizeof chunk - zs.avail_out;
        if (out.size() + produced > limit) {
            error = "decompressed data is larger than " + std::to_string(limit / (1024 * 1024)) +
                    " MiB";
            rc = Z_MEM_ERROR;
            break;
        }
        out.insert(out.end(), chunk, chunk + produced);
        if (rc == Z_BUF_ERROR && zs.avail_in == 0 && consumed == size) {
            error = "the compressed data ends too early";
            break;
        }
        if (rc == Z_DATA_ERROR) {
            error = zs.msg && std::string(zs.msg) == "incorrect data check"
                        ? "bad checksum in compressed data"
                        : std::string("not valid zlib data") + (zs.msg ? std::string(" (") + zs.msg + ")" : "");
            break;
        }
        if (rc == Z_NEED_DICT) {
            error = "not valid zlib data (needs a preset dictionary)";
            break;
        }
        if (rc == Z_MEM_ERROR) {
            error = "out of memory";
            break;
        }
        if (rc == Z_STREAM_ERROR) {
            error = "decompression failed";
            break;
        }
    }
    inflateEnd(&zs);
    if (rc != Z_STREAM_END) {
        out.clear();
        out.shrink_to_fit();
        return false;
    }
    return true;
}

} // namespace voxtrel

#include "zlibtool/ZlibToolMain.h"

#include "zlibtool/ZlibCodec.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <system_error>
#include <vector>

namespace voxtrel {
namespace {

namespace fs = std::filesystem;

enum ExitCode { Ok = 0, Failed = 1, Usage = 2 };

bool readWhole(const fs::path& path, std::vector<std::uint8_t>& data, std::string& error) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        error = "cannot read " + path.string() + ": it is a folder";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path.string() + ": " + std::strerror(errno);
        return false;
    }
    data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        error = "cannot read " + path.string();
        return false;
    }
    return true;
}

// Writes to a temporary file beside target and renames it over target once complete.
bool writeAtomically(const fs::path& target, const std::vector<std::uint8_t>& data, std::string& error) {
    std::random_device rd;
    fs::path temp = target;
    temp += ".tmp" + std::to_string(rd() % 1000000000u);
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = "cannot write " + target.string() + ": " + std::strerror(errno);
            return false;
        }
        out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
        out.flush();
        if (!out) {
            error = "cannot write " + target.string() + ": " + std::strerror(errno);
            out.close();
            std::error_code ignored;
            fs::remove(temp, ignored);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec) {
        error = "cannot write " + target.string() + ": " + ec.message();
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

} // namespace

int ZlibToolMain::run(int argc, char** argv, std::ostream& err) {
    const bool decompress = argc == 3 && std::string(argv[2]) == "-d";
    if (argc != 2 && !decompress) {
        err << "usage: zlibtool INPUT [-d]" << std::endl;
        return Usage;
    }
    const fs::path input = argv[1];
    fs::path output = input;
    output += decompress ? ".unzlib" : ".zlib";

    std::string error;
    std::vector<std::uint8_t> in;
    std::vector<std::uint8_t> out;
    bool ok = readWhole(input, in, error);
    if (ok) {
        ok = decompress ? ZlibCodec::decompress(in.data(), in.size(), out, error)
                        : ZlibCodec::compress(in.data(), in.size(), out, error);
        if (!ok) {
            error = input.string() + ": " + error;
        }
    }
    if (ok) {
        ok = writeAtomically(output, out, error);
    }
    if (!ok) {
        // Whatever an earlier run left under the output name is not this run's output.
        std::error_code ignored;
        if (!fs::is_directory(output, ignored)) {
            fs::remove(output, ignored);
        }
        err << "zlibtool: " << error << std::endl;
        return Failed;
    }
    return Ok;
}

} // namespace voxtrel

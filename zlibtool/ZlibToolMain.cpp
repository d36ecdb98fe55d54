#include "zlibtool/ZlibToolMain.h"

#include "zlibtool/ZlibCodec.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace voxtrel {
namespace {

namespace fs = std::filesystem;

enum ExitCode { Ok = 0, Failed = 1, Usage = 2 };

constexpr auto UsageText = "usage: zlibtool INPUT [-d]";

// Inputs larger than this are refused unread: a name file is 117585 bytes, and its
// compressed form smaller still.
constexpr std::uintmax_t MaxInput = 64u * 1024u * 1024u;
// The longest file name most file systems allow, in bytes.
constexpr std::size_t MaxNameBytes = 255;

struct File {
    std::FILE* f = nullptr;
    ~File() {
        if (f) {
            std::fclose(f);
        }
    }
};

// Refuses what is not a plain file, or is too large, before a byte of it is read.
bool checkInput(const fs::path& input, std::string& error) {
    std::error_code ec;
    const fs::file_status status = fs::status(input, ec);
    if (ec) {
        error = "cannot read " + input.string() + ": " + ec.message();
        return false;
    }
    if (fs::is_directory(status)) {
        error = "cannot read " + input.string() + ": it is a folder";
        return false;
    }
    if (!fs::is_regular_file(status)) {
        error = "cannot read " + input.string() + ": it is not a plain file";
        return false;
    }
    const std::uintmax_t size = fs::file_size(input, ec);
    if (ec || size > MaxInput) {
        error = input.string() + ": the input is larger than " +
                std::to_string(MaxInput / (1024 * 1024)) + " MiB, the tool's input limit";
        return false;
    }
    return true;
}

// Opens a new file with a short unique name in folder, so that any output name the file
// system allows still has a temporary name that fits.
std::FILE* createTemporary(const fs::path& folder, fs::path& temp) {
    std::random_device rd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[16];
        std::snprintf(name, sizeof name, ".zt%08x", static_cast<unsigned>(rd()));
        temp = folder / name;
        if (std::FILE* f = std::fopen(temp.c_str(), "wbx")) {
            return f;
        }
        if (errno != EEXIST) {
            return nullptr;
        }
    }
    return nullptr;
}

} // namespace

int ZlibToolMain::run(int argc, char** argv, std::ostream& said, std::ostream& err) {
    const std::string first = argc > 1 ? argv[1] : "";
    if (argc == 2 && (first == "--help" || first == "-h")) {
        said << UsageText << "\n"
             << "  writes INPUT.zlib, or with -d INPUT.unzlib, through a temporary name; an\n"
             << "  existing output is replaced only by a finished one.\n"
             << "exit codes: 0 done, 1 failed (nothing written), 2 a usage error" << std::endl;
        return Ok;
    }
    if (argc == 2 && first == "--version") {
        said << "zlibtool " << VOXTREL_VERSION << std::endl;
        return Ok;
    }
    const bool decompress = argc == 3 && std::string(argv[2]) == "-d";
    // An input whose name starts with "-" is given as ./-name.
    if ((argc != 2 && !decompress) || first.empty() || first.front() == '-') {
        err << UsageText << std::endl;
        return Usage;
    }
    const fs::path input = argv[1];
    fs::path output = input;
    output += decompress ? ".unzlib" : ".zlib";
    const fs::path folder = output.has_parent_path() ? output.parent_path() : fs::path(".");

    std::string error;
    File in;
    File out;
    fs::path temp;
    bool ok = true;
    if (output.filename().string().size() > MaxNameBytes) {
        error = "cannot write " + output.string() + ": its name would be longer than " +
                std::to_string(MaxNameBytes) + " bytes";
        ok = false;
    }
    ok = ok && checkInput(input, error);
    if (ok && !(in.f = std::fopen(input.c_str(), "rb"))) {
        error = "cannot read " + input.string() + ": " + std::strerror(errno);
        ok = false;
    }
    if (ok && !(out.f = createTemporary(folder, temp))) {
        error = "cannot write " + output.string() + ": " + std::strerror(errno);
        ok = false;
    }

    if (ok) {
        std::uintmax_t readSoFar = 0;
        std::string ioError;
        const ZlibCodec::Reader read = [&](std::uint8_t* buffer, std::size_t size,
                                           std::size_t& got) {
            got = std::fread(buffer, 1, size, in.f);
            readSoFar += got;
            if (std::ferror(in.f)) {
                ioError = "cannot read " + input.string() + ": " + std::strerror(errno);
                return false;
            }
            if (readSoFar > MaxInput) { // it grew while being read
                ioError = input.string() + ": the input is larger than the tool's input limit";
                return false;
            }
            return true;
        };
        const ZlibCodec::Writer write = [&](const std::uint8_t* data, std::size_t size) {
            if (std::fwrite(data, 1, size, out.f) != size) {
                ioError = "cannot write " + output.string() + ": " + std::strerror(errno);
                return false;
            }
            return true;
        };
        const ZlibCodec::Failure failed = decompress ? ZlibCodec::decompressStream(read, write)
                                                     : ZlibCodec::compressStream(read, write);
        if (failed) {
            ok = false;
            error = ioError.empty() ? input.string() + ": " + *failed : ioError;
        }
    }
    if (ok) {
        const bool closed = std::fflush(out.f) == 0 && std::fclose(out.f) == 0;
        out.f = nullptr;
        std::error_code ec;
        if (!closed) {
            error = "cannot write " + output.string() + ": " + std::strerror(errno);
            ok = false;
        } else if (fs::rename(temp, output, ec); ec) {
            error = "cannot write " + output.string() + ": " + ec.message();
            ok = false;
        }
    }
    if (!ok) {
        std::error_code ignored;
        if (out.f) {
            std::fclose(out.f);
            out.f = nullptr;
        }
        if (!temp.empty()) {
            fs::remove(temp, ignored);
        }
        // The output name is only ever replaced by a finished output: a file of that name
        // that this run did not make stays as it was.
        err << "zlibtool: " << error << std::endl;
        return Failed;
    }
    return Ok;
}

} // namespace voxtrel

#pragma once

#include <ostream>

namespace voxtrel {

// zlibtool INPUT       writes INPUT.zlib, a zlib stream at the best level
// zlibtool INPUT -d    writes INPUT.unzlib, the decompressed data
// zlibtool --help      usage, to out; --version the version
// Exits 0 on success. On failure prints one line to err, exits 1 and leaves the output name
// as it was: only a finished output replaces it. A usage error exits 2.
class ZlibToolMain {
public:
    static int run(int argc, char** argv, std::ostream& out, std::ostream& err);
};

} // namespace voxtrel

#pragma once

#include <ostream>

namespace voxtrel {

// zlibtool INPUT       writes INPUT.zlib, a zlib stream at the best level
// zlibtool INPUT -d    writes INPUT.unzlib, the decompressed data
// Exits 0 on success. On failure prints one line to err, exits non-zero and leaves no
// output file.
class ZlibToolMain {
public:
    static int run(int argc, char** argv, std::ostream& err);
};

} // namespace voxtrel

#include "document/NameSearch.h"

namespace voxtrel::NameSearch {

std::optional<int> Next(int Count, int From, bool Forward,
                        const std::function<bool(int)>& Matches) {
    if (Count <= 0) {
        return std::nullopt;
    }
    const int start = From < 0 ? (Forward ? -1 : Count) : From;
    for (int step = 1; step <= Count; ++step) {
        const int at = ((start + (Forward ? step : -step)) % Count + Count) % Count;
        if (Matches(at)) {
            return at;
        }
    }
    return std::nullopt;
}

} // namespace voxtrel::NameSearch

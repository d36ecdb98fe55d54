#pragma once

#include <functional>
#include <optional>

namespace voxtrel::NameSearch {

// The first of Count positions after From (before it, when not Forward) for which Matches
// holds, going round the ends; From itself comes last. From -1 (nothing selected) starts at
// the first position going forward and at the last going back. None when no position
// matches.
std::optional<int> Next(int Count, int From, bool Forward, const std::function<bool(int)>& Matches);

} // namespace voxtrel::NameSearch

#!/usr/bin/env bash
# The naming check: clang-tidy's identifier naming (.clang-tidy) over document/, cli/ and app/,
# with the compile commands of a configured build (default: build/).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
tidy=$(command -v clang-tidy-14 || command -v clang-tidy)
ls document/*.cpp cli/*.cpp app/*.cpp | xargs -P "$(nproc)" -n 4 "$tidy" -p "$build" --quiet
echo "naming check passed"

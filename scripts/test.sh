#!/usr/bin/env bash
# Set-up, the release build with warnings as errors and all its tests, then the same tests
# once more under AddressSanitizer and UBSan, with the fuzz targets run for a bounded count.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake --preset release
cmake --build --preset release -j "$jobs"
ctest --preset release -j "$jobs"

cmake --preset sanitize
cmake --build --preset sanitize -j "$jobs"
ctest --preset sanitize -j "$jobs"

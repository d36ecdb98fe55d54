#!/usr/bin/env bash
# Set-up, the release build with warnings as errors and all its tests, then the same tests
# once more under AddressSanitizer and UBSan, with the fuzz targets run for a bounded count.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

# Tests may change only folders they made: the folder that holds their temporary folders
# keeps its mode (a lost sticky bit on /tmp would go unnoticed otherwise).
tmp=${TMPDIR:-/tmp}
tmp_mode=$(stat -c %a "$tmp")
check_tmp() {
    local now
    now=$(stat -c %a "$tmp")
    if [[ $now != "$tmp_mode" ]]; then
        echo "FAILED: the tests changed the mode of $tmp from $tmp_mode to $now" >&2
        exit 1
    fi
}

cmake --preset release
cmake --build --preset release -j "$jobs"
# The naming check reads the sources while the release tests run, which mostly wait on the
# programs they start; it is reported once they are done.
nice bash scripts/naming.sh build >build/naming.log 2>&1 &
naming=$!
ctest --preset release -j "$jobs"
check_tmp
if ! wait "$naming"; then
    cat build/naming.log >&2
    echo "FAILED: the naming check (scripts/naming.sh)" >&2
    exit 1
fi
tail -n 1 build/naming.log

cmake --preset sanitize
cmake --build --preset sanitize -j "$jobs"
ctest --preset sanitize -j "$jobs"
check_tmp

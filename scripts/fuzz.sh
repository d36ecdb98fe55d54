#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each, at the same time, from the seed corpora the build
# makes from the sample, and prints each one's execution count and rate. For speed these are
# the optimised builds with UBSan (preset "fuzz"); the test run keeps short runs under
# AddressSanitizer. Findings go to build-fuzz/fuzz/findings/. Usage: bash scripts/fuzz.sh SECONDS
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: fuzz.sh SECONDS}

bash scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target fuzz_name_file fuzz_zlib_decompress fuzz_csv_import fuzz_workbook_import fuzz_journal_record fuzz_corpus

dir=build-fuzz/fuzz
mkdir -p "$dir/findings" "$dir/grown"
export QT_QPA_PLATFORM=offscreen
status=0
pids=()
for target in name_file:name_file zlib_decompress:zlib csv_import:csv workbook_import:workbook journal_record:journal; do
    name=${target%%:*}
    corpus=${target##*:}
    mkdir -p "$dir/grown/$corpus"
    "$dir/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 -rss_limit_mb=512 -timeout=5 -artifact_prefix="$dir/findings/$name-" \
        "$dir/grown/$corpus" "$dir/corpus/$corpus" >"$dir/fuzz_$name.log" 2>&1 &
    pids+=($!)
done
for pid in "${pids[@]}"; do
    wait "$pid" || status=1
done
for name in name_file zlib_decompress csv_import workbook_import journal_record; do
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$dir/fuzz_$name.log" | grep -o '[0-9]*$' || echo 0)
    rate=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$dir/fuzz_$name.log" | grep -o '[0-9]*$' || echo 0)
    echo "fuzz_$name: $runs executions, $rate per second"
done
if ((status)); then
    echo "A fuzz target found a fault: see $dir/findings/ and $dir/fuzz_*.log" >&2
fi
exit $status

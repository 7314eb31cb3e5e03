#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz, writes their seeds with the program's own
# writer, and runs both targets side by side for a short bounded time (30 s each).
#   scripts/fuzz-short.sh             the short run ./test.sh makes
#   scripts/fuzz-short.sh 10000000    each target for ten million inputs instead
# A failing input is kept in build-fuzz/artifacts/; rerun it with: build-fuzz/<target> <file>
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${VAD_FUZZ_BUILD_DIR:-build-fuzz}
runs=${1:-}
seconds=${VAD_FUZZ_SECONDS:-30}

cmake -S fuzz -B "$dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" -j "$(nproc)"

# One frame per allocation's stack: full stacks of every allocation fill the sanitizer's store
# and slow a long run down several times. Rerun a kept input for the full stacks.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:malloc_context_size=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
rm -rf "$dir/seeds"
"$dir/makeseeds" "$dir/seeds"
mkdir -p "$dir/artifacts" "$dir/logs"

if [ -n "$runs" ]; then bound=(-runs="$runs"); else bound=(-max_total_time="$seconds"); fi

# fuzz_<name> with its seeds in seeds/<name> and the inputs it finds in corpus/<name>.
start() {
    local name=$1; shift
    mkdir -p "$dir/corpus/$name"
    "$dir/fuzz_$name" "${bound[@]}" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$dir/artifacts/$name-" "$@" "$dir/corpus/$name" "$dir/seeds/$name" \
        >"$dir/logs/$name.log" 2>&1
}

declare -A pids
start readingfile -max_len=4096 -dict="$dir/seeds/readingfile.dict" & pids[readingfile]=$!
start textshift -max_len=4096 & pids[textshift]=$!

status=0
for name in readingfile textshift; do
    if wait "${pids[$name]}"; then
        echo "fuzz_$name: $(grep -E '^Done [0-9]+ runs' "$dir/logs/$name.log" | tail -1)"
    else
        status=1
        echo "fuzz_$name FAILED; the end of its log ($dir/logs/$name.log):" >&2
        tail -n 40 "$dir/logs/$name.log" >&2
    fi
done
exit "$status"

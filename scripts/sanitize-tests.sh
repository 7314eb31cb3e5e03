#!/usr/bin/env bash
# Builds the whole program and its tests with the address and undefined-behaviour sanitizers
# in build-asan and runs every test there headless, windows included. Any sanitizer report
# (memory error, undefined behaviour, leak) fails the test it happens in. The end-to-end tests
# of the real program (label or name "e2e") run in the normal build only.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${VAD_ASAN_BUILD_DIR:-build-asan}
exclude=${VAD_ASAN_EXCLUDE:-^e2e}
jobs=$(nproc)

cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVAD_SANITIZE=ON >/dev/null

# Leak checking needs to stop the process's threads, which some sandboxes forbid; find out
# once with a program that leaks on purpose.
leaks=1
probe="$dir/leakprobe"
printf '#include <cstdlib>\nvoid* kept;\nint main() { kept = std::malloc(64); kept = nullptr; return 0; }\n' >"$probe.cpp"
if c++ -fsanitize=address -g "$probe.cpp" -o "$probe" 2>/dev/null; then
    found=$(ASAN_OPTIONS=detect_leaks=1 "$probe" 2>&1 || true)
    if [[ $found != *"detected memory leaks"* ]]; then
        leaks=0
        echo "sanitize-tests: leak checking does not work here; running without it" >&2
    fi
fi

export ASAN_OPTIONS="detect_leaks=$leaks:halt_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen

# The picture generator runs under the sanitizers during the build as well.
cmake --build "$dir" -j "$jobs"
ctest --test-dir "$dir" --output-on-failure -j "$jobs" -LE '^e2e$' -E "$exclude"

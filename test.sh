#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless: the test suite
# (end-to-end tests of the real program included), the sanitizer build's tests, then a short
# run of each fuzz target. The last line sums up the tests of both builds.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
vad_install_packages "${VAD_BUILD_PACKAGES[@]}" "${VAD_TEST_PACKAGES[@]}" \
    "${VAD_E2E_PACKAGES[@]}" "${VAD_FUZZ_PACKAGES[@]}"
vad_build build
export QT_QPA_PLATFORM=offscreen
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
ctest --test-dir build --output-on-failure -j "$(nproc)" | tee "$logs/tests.log"
if [ -x scripts/sanitize-tests.sh ]; then scripts/sanitize-tests.sh | tee "$logs/sanitized.log"; fi
if [ -x scripts/fuzz-short.sh ]; then scripts/fuzz-short.sh; fi

# "N% tests passed, F tests failed out of T" from each run, added up.
cat "$logs"/*.log | awk '/tests passed, [0-9]+ tests? failed out of/ {
    failed += $4; total += $NF } END { printf "tests: %d passed, %d failed\n", total - failed, failed }'

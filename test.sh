#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless: the test suite
# (end-to-end tests of the real program included), the sanitizer build's tests, then a short
# run of each fuzz target.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
vad_install_packages "${VAD_BUILD_PACKAGES[@]}" "${VAD_TEST_PACKAGES[@]}" \
    "${VAD_E2E_PACKAGES[@]}" "${VAD_FUZZ_PACKAGES[@]}"
vad_build build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"
if [ -x scripts/sanitize-tests.sh ]; then scripts/sanitize-tests.sh; fi
if [ -x scripts/fuzz-short.sh ]; then scripts/fuzz-short.sh; fi

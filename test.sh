#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
vad_install_packages "${VAD_BUILD_PACKAGES[@]}" "${VAD_TEST_PACKAGES[@]}"
vad_build build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"

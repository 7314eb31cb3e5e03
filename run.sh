#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
vad_install_packages "${VAD_BUILD_PACKAGES[@]}" "${VAD_TEST_PACKAGES[@]}"
vad_build build
exec build/bin/VezorAdarizuDudiruvo "$@"

#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when they are missing.
# Sourced by run.sh and test.sh with the package list in VAD_PACKAGES.
set -euo pipefail

vad_missing_packages() {
    local missing=()
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
        fi
    done
    echo "${missing[@]:-}"
}

vad_install_packages() {
    local missing
    missing=$(vad_missing_packages "$@")
    [ -z "$missing" ] && return 0
    echo "Installing: $missing"
    if [ "$(id -u)" -eq 0 ]; then
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
    elif command -v sudo >/dev/null 2>&1; then
        sudo apt-get update -qq
        sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
    else
        echo "Please run: apt-get install $missing" >&2
        exit 1
    fi
}

# libx11-dev: the end-to-end tests' own X client that pings the program as a window manager does.
VAD_BUILD_PACKAGES=(cmake g++ make qt6-base-dev libgl-dev libx11-dev fonts-dejavu-core)
# pdftotext and pdfinfo (poppler-utils) read the printouts back; the pause test posts events as a
# platform plugin does, through Qt's window-system interface (qt6-base-private-dev);
# desktop-file-validate (desktop-file-utils) checks the installed desktop entry.
VAD_TEST_PACKAGES=(libgtest-dev libgmock-dev poppler-utils qt6-base-private-dev desktop-file-utils)
# The end-to-end tests drive the real program under a virtual X server with a window manager,
# under the weston, kwin_wayland and nested mutter compositors with Qt's Wayland plugin, under
# GNOME's window manager on X11, through the IBus input method, and print through a private print
# server to a PDF printer. ibus-rime: an IBus engine (Rime's pinyin) whose preedit is the letters
# typed, for the name box's refusal of what it commits.
VAD_E2E_PACKAGES=(xvfb openbox wmctrl xdotool xclip x11-utils x11-xserver-utils imagemagick cups
    printer-driver-cups-pdf weston qt6-wayland mutter kwin-wayland dbus-daemon ibus ibus-rime)
# The fuzz targets and the sanitizer build (which links libjpeg, found through its headers).
VAD_FUZZ_PACKAGES=(clang libclang-rt-14-dev libjpeg-dev)

vad_build() {
    local dir=$1; shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}

#!/usr/bin/env bash
# The sanitizer build links the libjpeg that CMake finds, whatever that system names its file,
# and without one it still configures (with a warning) and links none.
# Usage: sanitizer_libjpeg.sh <source folder> <cmake>
set -euo pipefail
source_dir=$1
cmake=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# The program's link command in a sanitizer build configured with the given arguments.
link_line() {
    local tree=$work/tree-$1; shift
    "$cmake" -S "$source_dir" -B "$tree" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVAD_SANITIZE=ON -DVAD_BUILD_TESTS=OFF "$@" >"$tree.log" 2>&1 || { cat "$tree.log" >&2; fail "configure $*"; }
    cat "$tree/CMakeFiles/VezorAdarizuDudiruvo.dir/link.txt"
}

# A libjpeg of another system: its own folder, its own version.
prefix=$work/prefix
mkdir -p "$prefix/lib" "$prefix/include"
printf '#define JPEG_LIB_VERSION 80\n' >"$prefix/include/jpeglib.h"
: >"$prefix/lib/libjpeg.so"

line=$(link_line other -DCMAKE_PREFIX_PATH="$prefix")
[[ $line == *"--no-as-needed $prefix/lib/libjpeg.so "* ]] || fail "the found libjpeg is not linked as needed: $line"
[[ $line != *libjpeg.so.62* ]] || fail "a file of one system is named: $line"

line=$(link_line none -DCMAKE_DISABLE_FIND_PACKAGE_JPEG=ON)
[[ $line != *jpeg* ]] || fail "a libjpeg is linked though none was found: $line"
grep -q "libjpeg" "$work/tree-none.log" || fail "no warning that libjpeg is missing"
echo "ok"

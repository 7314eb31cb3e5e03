#!/usr/bin/env bash
# The install step: cmake --install <build> --prefix <prefix> puts the program beside its
# picture folders, a link to it in bin, its desktop entry and its icons where the desktop looks
# for them, and nothing else; the files named in the README's removal are all it installed.
#   install_test.sh <cmake> <build folder>
set -euo pipefail
source "$(dirname "$0")/installing.sh"

CMAKE=${1:?cmake} BUILD=${2:?build folder}
if ! command -v desktop-file-validate >/dev/null; then
    echo "SKIPPED: desktop-file-validate is not installed (./test.sh installs desktop-file-utils)"
    exit 77
fi
TMP=$(mktemp -d "${TMPDIR:-/tmp}/vad-install.XXXXXX")
trap 'rm -rf "$TMP"' EXIT
FAILED=0

fail() {
    echo "FAILED ($CASE): $*" >&2
    FAILED=1
}

# The files the install step puts under a prefix, one a line, sorted.
expected_files() {
    local letter id
    {
        echo "bin/VezorAdarizuDudiruvo"
        echo "lib/VezorAdarizuDudiruvo/VezorAdarizuDudiruvo"
        for letter in r m; do
            for ((id = 0; id < 78; id++)); do echo "lib/VezorAdarizuDudiruvo/cards/$letter$id.jpg"; done
        done
        for ((id = 0; id < 13; id++)); do echo "lib/VezorAdarizuDudiruvo/pic/c$id.jpg"; done
        for size in 16 32 48 64 128 256; do echo "share/icons/hicolor/${size}x$size/apps/$APP_ID.png"; done
        echo "share/applications/$APP_ID.desktop"
    } | LC_ALL=C sort
}

# Width and height of PNG file $1, from its header.
png_size() {
    [ "$(od -An -tx1 -N8 "$1" | tr -d ' \n')" = "89504e470d0a1a0a" ] || return 1
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }'
}

# Installs under prefix $2, staged under DESTDIR $3 when given, and checks what landed there.
check_install() {
    CASE=$1
    local prefix=$2 stage=${3:-} root have program target entry size icon
    root="$stage$prefix"
    echo "-- $CASE: $prefix${stage:+ (staged in $stage)}"
    DESTDIR=$stage install_build "$CMAKE" "$BUILD" "$prefix" "$TMP/install.log" ||
        { cat "$TMP/install.log" >&2; fail "cmake --install failed"; return; }

    have=$(cd "$root" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort)
    [ "$have" = "$(expected_files)" ] ||
        fail "installed files differ from the expected ones:$(diff <(expected_files) <(printf '%s\n' "$have") | grep '^[<>]' | head -n 20)"

    # The link in bin is relative, so that a staged install works where it lands.
    target=$(readlink "$root/bin/VezorAdarizuDudiruvo") || { fail "bin/VezorAdarizuDudiruvo is no link"; return; }
    [ "$target" = "../lib/VezorAdarizuDudiruvo/VezorAdarizuDudiruvo" ] || fail "bin/VezorAdarizuDudiruvo points at $target"
    [ -x "$root/lib/VezorAdarizuDudiruvo/VezorAdarizuDudiruvo" ] || fail "the installed program is not executable"

    entry="$root/share/applications/$APP_ID.desktop"
    [ -f "$entry" ] || { fail "no desktop entry $APP_ID.desktop"; return; }
    desktop-file-validate "$entry" >"$TMP/validate.log" 2>&1 || fail "the desktop entry is not valid: $(cat "$TMP/validate.log")"
    [ "$(entry_value "$entry" Type)" = "Application" ] || fail "Type is \"$(entry_value "$entry" Type)\""
    [ "$(entry_value "$entry" Name)" = "$APP_NAME" ] || fail "Name is \"$(entry_value "$entry" Name)\""
    [ "$(entry_value "$entry" Icon)" = "$APP_ID" ] || fail "Icon is \"$(entry_value "$entry" Icon)\""
    [ "$(entry_value "$entry" StartupWMClass)" = "$APP_WM_CLASS" ] ||
        fail "StartupWMClass is \"$(entry_value "$entry" StartupWMClass)\""
    [ -n "$(entry_value "$entry" Categories)" ] || fail "the desktop entry has no Categories"
    program=$(exec_program "$(entry_value "$entry" Exec)") ||
        fail "Exec \"$(entry_value "$entry" Exec)\" is not one quoted program path"
    [ "$program" = "$prefix/bin/VezorAdarizuDudiruvo" ] || fail "Exec starts \"$program\""
    [ -x "$stage$program" ] || fail "Exec's program $program is not there"

    for size in 16 32 48 64 128 256; do
        icon="$root/share/icons/hicolor/${size}x$size/apps/$(entry_value "$entry" Icon).png"
        [ "$(png_size "$icon")" = "$size $size" ] || fail "the ${size}x$size icon is not a $size x $size PNG"
    done

    # What the README's removal names takes away every installed file.
    rm -r "$root/lib/VezorAdarizuDudiruvo" "$root/bin/VezorAdarizuDudiruvo" \
        "$root/share/applications/$APP_ID.desktop" "$root"/share/icons/hicolor/*/apps/"$APP_ID.png"
    have=$(cd "$root" && find . \( -type f -o -type l \))
    [ -z "$have" ] || fail "left after the removal: $have"
}

check_install "a prefix" "$TMP/prefix"
check_install "a prefix with a space, an ampersand and a per cent sign" "$TMP/Jo's programs & 100% tarot"
check_install "staged with DESTDIR" "/usr/local" "$TMP/stage"

exit "$FAILED"

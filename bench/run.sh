#!/usr/bin/env bash
# Prints the program's figures beside their floors, all measured in this one run on this
# machine, under a private virtual X server:
#  - start-up: process start to the splash window shown, and "Continue...." to the querent
#    window shown, beside a minimal Qt Widgets program (one empty window; a click shows a second);
#  - casting One Card, the Celtic Cross and the Romany spread with each option set, beside
#    loading the same card pictures and writing the same report; opening a reading file;
#  - peak resident memory with the Romany reading on the table.
# Installs what is missing and builds (Release) into build/ like ./run.sh, or into $1.
# Figures only: nothing is asserted.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
vad_install_packages "${VAD_BUILD_PACKAGES[@]}" "${VAD_TEST_PACKAGES[@]}" "${VAD_E2E_PACKAGES[@]}"
build=${1:-build}
vad_build "$build" >/dev/null
build=$(cd "$build" && pwd)
program=$build/bin/VezorAdarizuDudiruvo
minimal=$build/bench/bench_minimal_window
probe=$build/bench/startup_probe

work=$(mktemp -d "${TMPDIR:-/tmp}/vad-bench.XXXXXX")
xvfb=""
cleanup() {
    if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/home/.config" "$work/tmp" "$work/runtime"
chmod 700 "$work/runtime"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [[ $(cat "$work/display" 2>/dev/null) == *[0-9]* ]] && break; sleep 0.1; done
DISPLAY=":$(tr -d '\n' <"$work/display")"
export DISPLAY QT_QPA_PLATFORM=xcb LANG=C.UTF-8
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/runtime"
unset DBUS_SESSION_BUS_ADDRESS

median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR) print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

echo "CV Vezor Adarizu Dudiruvo: figures on $(uname -n), $(nproc) cores, $(date '+%Y-%m-%d %H:%M')"
echo

echo "== start-up (ms; median of 12 runs, the two programs taking turns)"
# The splash window is 499 x 334; "Continue...." (face 255, 192, 128) sits at 392, 304, 97 x 25
# and shows after 3000 ms; the querent window is 395 pixels wide.
if [ -x "$probe" ]; then
    : >"$work/program.runs"
    : >"$work/minimal.runs"
    for _ in 1 2 3 4; do
        "$probe" --runs 3 --first 499x334 --wait-colour 395,316,255,192,128 --click 440,316 --next-width 395 \
            -- "$program" | grep '^run' | grep -v warm-up >>"$work/program.runs" || true
        "$probe" --runs 3 --first 499x334 --click 250,167 --next-width 395 \
            -- "$minimal" | grep '^run' | grep -v warm-up >>"$work/minimal.runs" || true
    done
    first() { sed -n 's/.*first window \([0-9.]*\) ms.*/\1/p' "$1" | median; }
    next() { sed -n 's/.*next window \([0-9.]*\) ms.*/\1/p' "$1" | median; }
    pf=$(first "$work/program.runs") mf=$(first "$work/minimal.runs")
    pn=$(next "$work/program.runs") mn=$(next "$work/minimal.runs")
    if [ -z "$pf" ] || [ -z "$mf" ] || [ -z "$pn" ] || [ -z "$mn" ]; then
        echo "not measured: a window did not show"
    else
        printf '%-44s %9s %9s %7s\n' "" program minimal ratio
        printf '%-44s %9.1f %9.1f %7s\n' "process start to splash window shown" "$pf" "$mf" "$(ratio "$pf" "$mf")"
        printf '%-44s %9.1f %9.1f %7s\n' "\"Continue....\" to querent window shown" "$pn" "$mn" "$(ratio "$pn" "$mn")"
        echo "(shown: mapped and painted; the minimal program's second window stands for the querent window)"
    fi
else
    echo "not measured: the build found no X11 development files for the probe"
fi
echo

echo "== casting and opening"
"$build/bench/cast_bench" "$build/bin" 15 2>/dev/null || echo "not measured: the casting bench failed"
echo

echo "== peak resident memory"
if bash bench/peak_memory.sh "$program" "$minimal" "$build/bench-screens" >"$work/memory.log" 2>&1; then
    program_kb=$(sed -n 's/^RESULT .*program_kb=\([0-9]*\).*/\1/p' "$work/memory.log")
    minimal_kb=$(sed -n 's/^RESULT .*minimal_kb=\([0-9]*\).*/\1/p' "$work/memory.log")
    printf '%-44s %9s %9s %7s\n' "" program minimal ratio
    printf '%-44s %6.1f MB %6.1f MB %7s\n' "peak resident, Romany reading on the table" \
        "$(awk -v k="$program_kb" 'BEGIN { print k / 1024 }')" "$(awk -v k="$minimal_kb" 'BEGIN { print k / 1024 }')" \
        "$(ratio "$program_kb" "$minimal_kb")"
else
    echo "not measured: driving the program failed"
    tail -n 5 "$work/memory.log"
fi

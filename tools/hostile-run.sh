#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The duset developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The program as a hostile person and a busy window manager meet it: fast
# access keys (the next often before the last one's button has clicked),
# Enter, Esc, clicks anywhere, and closes of any of its windows, the hidden
# ones and the message box included, by Alt+F4 through openbox, by
# _NET_CLOSE_WINDOW (wmctrl and a pager's request) and by WM_DELETE_WINDOW.
# Each time the program ends it starts again, until the time is up.
#
#   tools/hostile-run.sh PROGRAM SECONDS [SEED]
#
# Build PROGRAM under AddressSanitizer (the sanitize preset) to catch what a
# crash does not show. A run fails if the program ends with a non-zero status
# or a sanitizer report; each failure's output is kept and named at the end.
# Needs Debian's xvfb, openbox, xdotool, wmctrl, x11-xserver-utils and a C
# compiler with libx11-dev.
set -uo pipefail
[[ $# -ge 2 ]] || { sed -n '3,17p' "$0"; exit 2; }
prog=$(realpath "$1") seconds=$2
RANDOM=${3:-1}
here=$(dirname "$(realpath "$0")")
work=$(mktemp -d /tmp/duset-hostile.XXXXXX)
cc -O2 -o "$work/wmclose" "$here/wmclose.c" -lX11 || exit 2

n=90; while [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]]; do n=$((n + 1)); done
export DISPLAY=:$n
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
program=
cleanup() {
    [[ -n $program ]] && kill "$program" 2>/dev/null
    kill "$wm" "$xvfb" 2>/dev/null
}
trap cleanup EXIT
sleep 0.5
# The Thai access letters get keycodes of their own.
letters=(Thai_kokai Thai_chochan Thai_thothahan Thai_popla Thai_loling Thai_wowaen Thai_hohip Thai_oang Thai_yoyak
    Thai_sosua)
code=191
for s in "${letters[@]}"; do xmodmap -e "keycode $code = $s"; code=$((code + 1)); done
letters+=(l)
keys=(Return Escape space Tab Down Up)
# The entry screen's predict, finish and clear, where the boxes open.
entry=(Thai_thothahan Thai_chochan Thai_sosua)

export ASAN_OPTIONS="detect_leaks=1:log_path=$work/sanitizer:${ASAN_OPTIONS:-}"
export LSAN_OPTIONS="suppressions=$here/lsan-suppressions.txt:print_suppressions=0:${LSAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$work/sanitizer"
export QT_QPA_PLATFORM=xcb

# One thing a person or the window manager does. Keys come in bursts of up
# to three, 0 to 40 ms apart, the entry screen's own most of all; a menu
# command is Alt+L and a letter, the entry screen's most of all.
windows=()
act() {
    local window burst=() i
    ((actions % 4 == 0)) && mapfile -t windows < <(xdotool search --pid "$program" 2>/dev/null)
    window=${windows[RANDOM % (${#windows[@]} + 1)]:-}
    ((actions++))
    case $((RANDOM % 20)) in
    10 | 11) xdotool key --delay $((150 + RANDOM % 150)) alt+l "${letters[RANDOM % ${#letters[@]}]}" ;;
    12 | 13) xdotool key --delay $((150 + RANDOM % 150)) alt+l Thai_thothahan ;;
    0 | 1 | 14 | 15 | 16)
        for ((i = 1 + RANDOM % 2; i >= 0; i--)); do burst+=("alt+${entry[RANDOM % ${#entry[@]}]}"); done
        xdotool key --delay $((RANDOM % 40)) "${burst[@]}"
        ;;
    2 | 3 | 4)
        for ((i = RANDOM % 3; i >= 0; i--)); do
            case $((RANDOM % 4)) in
            0) burst+=("alt+${letters[RANDOM % ${#letters[@]}]}") ;;
            1) burst+=("alt+${entry[RANDOM % ${#entry[@]}]}") ;;
            2) burst+=("${letters[RANDOM % ${#letters[@]}]}") ;;
            3) burst+=("${keys[RANDOM % ${#keys[@]}]}") ;;
            esac
        done
        xdotool key --delay $((RANDOM % 40)) "${burst[@]}"
        ;;
    5 | 17 | 18 | 19) xdotool mousemove $((RANDOM % 800)) $((RANDOM % 600)) click 1 ;;
    6) xdotool key alt+F4 ;;
    7) [[ -n $window ]] && wmctrl -i -c "$window" ;;
    8) [[ -n $window ]] && "$work/wmclose" net "$window" ;;
    9) [[ -n $window ]] && "$work/wmclose" delete "$window" ;;
    esac
}

runs=0 actions=0 failures=0 unchecked=0
end=$((SECONDS + seconds))
while ((SECONDS < end)); do
    out=$work/run-$runs.txt
    "$prog" >"$out" 2>&1 &
    program=$!
    ((runs++))
    windows=()
    sleep 0.7
    stopped=0
    while kill -0 "$program" 2>/dev/null; do
        if ((SECONDS >= end)); then
            kill "$program"
            stopped=1
            break
        fi
        act >/dev/null 2>&1
        # Mostly quicker than an access key's click, which comes 100 ms on.
        sleep "0.$(printf '%03d' $((RANDOM % 120)))"
    done
    wait "$program"
    status=$?
    pid=$program program=
    # The leak checker's own tracer now and then dies as it stops the
    # program's threads at the end; that says nothing about the program.
    if ((status != 0)) && grep -qs "LeakSanitizer has encountered a fatal error" "$work"/sanitizer.$pid; then
        ((unchecked++))
        rm -f "$out" "$work"/sanitizer.$pid
    elif ((stopped == 0 && status != 0)) || grep -q "Sanitizer\|runtime error\|pure virtual" "$out"; then
        ((failures++))
        echo "run $runs ended with status $status: $out"
    else
        rm -f "$out"
    fi
done
mapfile -t reports < <(grep -l "ERROR:\|runtime error\|pure virtual" "$work"/sanitizer* 2>/dev/null)
echo "hostile run: $seconds s, $runs program runs, $actions actions, $failures failed runs," \
    "${#reports[@]} sanitizer reports, $unchecked ends whose leak check could not run"
printf '%s\n' "${reports[@]}"
((failures == 0 && ${#reports[@]} == 0))

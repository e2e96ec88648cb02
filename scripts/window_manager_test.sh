#!/usr/bin/env bash
# window_manager_test.sh KRN: krn under openbox and trayer on Xvfb keeps its saved outer edges over
# starts and a tray restore; only the unload ends it. Installs nothing; 77 when a tool is missing.
set -euo pipefail
krn="$(realpath "$1")"
for tool in xvfb-run openbox trayer xdotool xwininfo xprop; do
    command -v "$tool" >/dev/null || { echo "SKIP: no $tool"; exit 77; }
done
[[ -n "${KRN_WM_INNER:-}" ]] || KRN_WM_INNER=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$krn"
export QT_QPA_PLATFORM=xcb
data="$(mktemp -d /tmp/krn-wm.XXXXXX)"
log="$(mktemp /tmp/krn-wm-log.XXXXXX)" # krn's own output, shown when it ends badly
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait; rm -rf "$data" "$log"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }
openbox >/dev/null 2>&1 & pids+=($!); sleep 1
trayer --edge bottom --widthtype request --height 32 >/dev/null 2>&1 & pids+=($!); sleep 1

shown() { # the id of the shown window with that title
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 | grep . && return 0
        sleep 0.1
    done
    return 1
}
outer() { # x y width height, frame included
    local info l r t b
    info="$(xwininfo -id "$win")"
    read -r l r t b <<<"$(xprop -id "$win" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
    awk -v l="$l" -v r="$r" -v t="$t" -v b="$b" '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x-l, y-t, w+l+r, h+t+b}' <<<"$info"
}
expect_place() { # within 10 s, as the window manager frames the window when it gets to it
    for _ in $(seq 50); do [[ "$(outer)" == "100 100 800 600" ]] && break; sleep 0.2; done; sleep 0.5
    [[ "$(outer)" == "100 100 800 600" ]] || fail "$1: outer $(outer), saved 100 100 800 600"
    [[ "$(tr -d '\r' <"$data/krn.dll" | grep -E '^(Left|Top|Width|Height)=' | tr '\n' ' ')" \
        == "Left=1500 Top=1500 Width=12000 Height=9000 " ]] || fail "$1 changed the saved position"
}
start() { "$krn" --data-dir "$data" >/dev/null 2>"$log" & krnpid=$!; pids+=($krnpid); win="$(shown Kronvel)" || fail "no window: $(tail -n 40 "$log")"; }
stop() { # SIGTERM must end krn within 10 s, and cleanly (a sanitizer's report ends it with an error)
    kill -TERM "$krnpid"
    for _ in $(seq 100); do
        kill -0 "$krnpid" 2>/dev/null && { sleep 0.1; continue; }
        wait "$krnpid" || fail "$1: Kronvel ended with status $?: $(tail -n 40 "$log")"
        return 0
    done
    fail "$1"
}
to_tray() {
    xdotool windowminimize "$win"
    for _ in $(seq 50); do xdotool search --onlyvisible --name '^Kronvel$' >/dev/null 2>&1 || return 0; sleep 0.1; done
    fail "the window did not go to the tray"
}

printf '[Position]\nLeft=1500\nTop=1500\nWidth=12000\nHeight=9000\n' >"$data/krn.dll"
for run in 1 2 3; do
    start && expect_place "start $run" && stop "SIGTERM did not end Kronvel"
done
start && expect_place "start 4" && to_tray
for _ in $(seq 100); do panel="$(xdotool search --name '^panel$' | head -1)" && [[ -n "$panel" ]] && break; sleep 0.1; done
[[ -n "$panel" ]] || fail "trayer shows no panel" # trayer's strip, late on a busy machine
eval "$(xdotool getwindowgeometry --shell "$panel")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
win="$(shown Kronvel)" || fail "a click on the tray icon did not bring the window back"
expect_place "the tray restore"

xdotool windowactivate --sync "$win" key F1
help="$(shown 'KRN Help')" || fail "F1 showed no help"
to_tray
xdotool windowactivate --sync "$help" key alt+F4
sleep 1.5
! xdotool search --onlyvisible --name '^KRN Help$' >/dev/null 2>&1 || fail "Alt+F4 left the help window open"
kill -0 "$krnpid" 2>/dev/null || fail "closing the help window ended Kronvel without its unload"
rm "$data/works.dll" # the unload's housekeeping brings it back
stop "SIGTERM in the tray did not end Kronvel"
[[ -f "$data/works.dll" ]] || fail "SIGTERM in the tray ended Kronvel without its unload"
echo "passed"

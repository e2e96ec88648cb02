#!/usr/bin/env bash
# The real krn under a framing window manager (openbox) with a tray host (trayer) on Xvfb:
#  - the window comes up with its saved outer edges and size, and starting and closing
#    without a move leaves them as saved, start after start and after a tray restore;
#  - closing the help window while the main window is in the tray does not end Kronvel,
#    and SIGTERM while it is in the tray runs the unload and ends it.
#   scripts/window_manager_test.sh KRN_BINARY
# Installs nothing; exits 77 (skipped) when a tool is missing (scripts/setup.sh adds them).
set -euo pipefail
krn="$(realpath "$1")"
for tool in xvfb-run openbox trayer xdotool xwininfo xprop; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
if [[ -z "${KRN_WM_INNER:-}" ]]; then
    KRN_WM_INNER=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$krn"
fi
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

data="$(mktemp -d /tmp/krn-wm-data.XXXXXX)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$data"
}
trap cleanup EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
trayer --edge bottom --align right --widthtype request --height 32 --SetDockType true >/dev/null 2>&1 &
pids+=($!)
sleep 1

# Waits for a shown window with exactly that title and prints its id.
window_named() {
    local id
    for _ in $(seq 100); do
        id="$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)"
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
# The outer edges and size, frame included: "x y width height".
outer() {
    local info x y w h extents l r t b
    info="$(xwininfo -id "$1")"
    x="$(awk '/Absolute upper-left X/ {print $NF}' <<<"$info")"
    y="$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$info")"
    w="$(awk '/Width:/ {print $NF}' <<<"$info")"
    h="$(awk '/Height:/ {print $NF}' <<<"$info")"
    extents="$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
    read -r l r t b <<<"${extents:-0 0 0 0}"
    echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}
position() { tr -d '\r' <"$data/krn.dll" | grep -E '^(Left|Top|Width|Height)=' | tr '\n' ' '; }
start() {
    "$krn" --data-dir "$data" >/dev/null 2>&1 &
    krnpid=$!
    pids+=($krnpid)
    win="$(window_named Kronvel)" || fail "no Kronvel window"
}
# SIGTERM, and the program must end within 10 s.
stop() {
    kill -TERM "$krnpid"
    for _ in $(seq 100); do
        kill -0 "$krnpid" 2>/dev/null || { wait "$krnpid" || true; return 0; }
        sleep 0.1
    done
    fail "$1"
}
to_tray() {
    xdotool windowminimize "$win"
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name '^Kronvel$' >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "the window did not go to the tray"
}

printf '[Position]\nLeft=1500\nTop=1500\nWidth=12000\nHeight=9000\n' >"$data/krn.dll"
saved="Left=1500 Top=1500 Width=12000 Height=9000 "
for run in 1 2 3; do
    start
    sleep 1.5
    [[ "$(outer "$win")" == "100 100 800 600" ]] || fail "start $run: outer $(outer "$win"), saved 100 100 800 600"
    stop "SIGTERM did not end Kronvel"
    [[ "$(position)" == "$saved" ]] || fail "start $run changed the position: $(position)"
done
echo "ok: three starts keep the outer position and size"

# Back from the tray by a left click on its icon in trayer.
start
sleep 1.5
to_tray
tray="$(xdotool search --name '^panel$' | head -1)" # trayer's strip, holding the one icon
eval "$(xdotool getwindowgeometry --shell "$tray")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
win="$(window_named Kronvel)" || fail "a click on the tray icon did not bring the window back"
sleep 1.5
[[ "$(outer "$win")" == "100 100 800 600" ]] || fail "after the tray: outer $(outer "$win")"
[[ "$(position)" == "$saved" ]] || fail "the tray restore changed the position: $(position)"
echo "ok: a tray restore keeps the outer position and size"

# Help open, main window in the tray: closing help leaves Kronvel running; SIGTERM ends it
# through the unload, whose housekeeping brings back a deleted works file.
xdotool windowactivate --sync "$win" key F1
help="$(window_named 'KRN Help')" || fail "F1 showed no help window"
to_tray
xdotool windowactivate --sync "$help" key alt+F4
sleep 1.5
xdotool search --onlyvisible --name '^KRN Help$' >/dev/null 2>&1 && fail "Alt+F4 did not close the help window"
kill -0 "$krnpid" 2>/dev/null || fail "closing the help window ended Kronvel without its unload"
rm -f "$data/works.dll"
stop "SIGTERM in the tray did not end Kronvel"
[[ -f "$data/works.dll" ]] || fail "SIGTERM in the tray ended Kronvel without its unload"
echo "ok: only the unload ends Kronvel, in the tray too"

#!/usr/bin/env bash
# soak_outside_changes.sh [build-dir] [seconds] [screenshot-dir]
# One Kronvel under a window manager for a while (60 s by default) while a writer outside it
# appends events (in place, by a new file renamed over the old one, in three steps), removes
# some and changes settings, and events are added in the window by keyboard. At the end the
# events file, the window's list (read on the accessibility bus) and the sum of both sides'
# changes must agree; the figures and checks are in soak_outside_changes.py. Exits 1 on a
# mismatch, keeping the journal of both sides and Kronvel's log (KRN_SOAK_KEEP=1 keeps them
# always); installs nothing and exits 77 when a tool is missing (scripts/setup.sh has them).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
seconds="${2:-60}"
shots="${3:-$(mktemp -d /tmp/krn-soak-shots.XXXXXX)}"
mkdir -p "$shots"
shots="$(cd "$shots" && pwd)"
python=/usr/bin/python3 # the system's, which has the accessibility bindings
bus_launcher=/usr/libexec/at-spi-bus-launcher

for tool in Xvfb dbus-run-session openbox xdotool xprop import "$python" "$bus_launcher"; do
    command -v "$tool" >/dev/null || { echo "SKIP: no $tool"; exit 77; }
done
"$python" -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
    { echo "SKIP: no AT-SPI bindings (python3-gi, gir1.2-atspi-2.0)"; exit 77; }
# A session bus of its own, for the accessibility bus.
[[ -n "${KRN_SOAK_INNER:-}" ]] || KRN_SOAK_INNER=1 exec dbus-run-session -- "$0" "$build" "$seconds" "$shots"
work="$(mktemp -d /tmp/krn-soak.XXXXXX)"
mkdir "$work/data"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait' EXIT
fail() { echo "SOAK FAILED: $*"; exit 1; }

# A display of its own: Xvfb picks a free number itself, so a soak never lands on the display
# of another run started at the same moment; -noreset, as a reset when the last client goes
# (xprop here, the bus launcher) would drop the next one (openbox) while it connects.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" & pids+=($!)
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb
xprop -root >/dev/null 2>&1 || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
"$bus_launcher" --launch-immediately >/dev/null 2>&1 & pids+=($!)
openbox >"$work/openbox.log" 2>&1 & pids+=($!)
for _ in $(seq 100); do # the window manager frames, focuses and closes windows by Alt+F4
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' ||
    fail "openbox did not start: $(cat "$work/openbox.log")"

status=0
"$python" "$here/scripts/soak_outside_changes.py" "$build/bin/krn" "$work/data" \
    --seconds "$seconds" --shots "$shots" || status=$?
echo "screenshot: $shots/soak-running.png"
if [[ "$status" != 0 || -n "${KRN_SOAK_KEEP:-}" ]]; then
    echo "journal of both sides: $work/soak-journal.log; Kronvel's log: $work/krn.log; the folder: $work/data"
else
    rm -rf "$work"
fi
exit "$status"

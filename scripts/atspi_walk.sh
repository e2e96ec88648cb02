#!/usr/bin/env bash
# atspi_walk.sh KRN: krn on a fresh data folder, on Xvfb with a private session bus and the
# accessibility bus (at-spi), opens the event editor with Ctrl+N; scripts/atspi_walk.py then prints
# what a screen reader sees of it (role, name, description, states and actions of every node) and
# fails when a button of the editor is not a named push button with a press action, or the event
# field or a picker has no name. Installs nothing; 77 when a tool is missing (scripts/setup.sh).
set -euo pipefail
krn="$(realpath "$1")"
here="$(cd "$(dirname "$0")" && pwd)"
launcher=/usr/libexec/at-spi-bus-launcher
registry=/usr/libexec/at-spi2-registryd
for tool in dbus-run-session dbus-send xvfb-run xdotool; do
    command -v "$tool" >/dev/null || { echo "SKIP: no $tool"; exit 77; }
done
[[ -x "$launcher" && -x "$registry" ]] || { echo "SKIP: no at-spi2-core"; exit 77; }
# python3-pyatspi belongs to the system's Python, which another python3 on the PATH may hide.
python=""
for candidate in /usr/bin/python3 python3; do
    "$candidate" -c 'import pyatspi' 2>/dev/null && { python="$candidate"; break; }
done
[[ -n "$python" ]] || { echo "SKIP: no python3-pyatspi"; exit 77; }
if [[ -z "${KRN_ATSPI_INNER:-}" ]]; then
    export KRN_ATSPI_INNER=1
    # -noreset: the bus launcher is the display's first client; the reset when it leaves would
    # drop Kronvel while it connects.
    exec dbus-run-session -- xvfb-run -a -s "-screen 0 1280x800x24 -noreset" "$0" "$krn"
fi
data="$(mktemp -d /tmp/krn-atspi.XXXXXX)"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$data" "$data.log"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

# The accessibility bus of this session, and the registry that lists its applications.
"$launcher" --launch-immediately >/dev/null 2>&1 & pids+=($!)
for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
    sleep 0.1
done
"$registry" >/dev/null 2>&1 & pids+=($!)

# A fresh folder under the C locale gets the English texts.
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG=C.UTF-8 LC_ALL=C.UTF-8
"$krn" --data-dir "$data" >"$data.log" 2>&1 & pids+=($!)
win=""
for _ in $(seq 150); do
    win="$(xdotool search --onlyvisible --name '^Kronvel$' 2>/dev/null | head -1)" && [[ -n "$win" ]] && break
    sleep 0.1
done
[[ -n "$win" ]] || fail "no Kronvel window: $(tail -5 "$data.log")"
xdotool windowfocus --sync "$win"
sleep 0.5
xdotool key ctrl+n
"$python" "$here/atspi_walk.py" kronvel "New Event" --button "Save & Add" --button "Save & Close" \
    --button "Close" --named-role "spin button" --named-role "text"

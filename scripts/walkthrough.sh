#!/usr/bin/env bash
# A walk through Kronvel as a new user takes it, with real key presses on the real krn:
# start on an empty data folder, add three events by keyboard, change one, delete one, find,
# sort, save as, clear, and load the saved file back; the help window at the end.
#
#   scripts/walkthrough.sh [build-dir] [screenshot-dir]
#
# Needs xvfb-run, xdotool and ImageMagick's import; openbox is used when installed, so the
# windows get a frame, focus and maximizing as on a desktop. Screenshots are written as
# walk-NN-*.png; the script checks the files krn wrote and exits non-zero when one is wrong.
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
shots="${2:-$(mktemp -d /tmp/krn-walk-shots.XXXXXX)}"
mkdir -p "$shots"
shots="$(cd "$shots" && pwd)"

if [[ -z "${KRN_WALK_INNER:-}" ]]; then
    KRN_WALK_INNER=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$build" "$shots"
fi

data="$(mktemp -d /tmp/krn-walk-data.XXXXXX)"
saved="$(mktemp -d /tmp/krn-walk-saved.XXXXXX)/my events.krn"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
}
trap cleanup EXIT

if command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
fi

shot() { sleep 0.6; import -window root "$shots/walk-$1.png"; echo "screenshot walk-$1.png"; }
keys() { xdotool key --delay 80 "$@"; sleep 0.4; }
typed() { xdotool type --delay 40 "$1"; sleep 0.2; }
fail() { echo "WALK FAILED: $*" >&2; exit 1; }
expect_title() {
    local title
    for _ in $(seq 50); do
        title="$(xdotool getactivewindow getwindowname 2>/dev/null || true)"
        [[ "$title" == "$1" ]] && return 0
        sleep 0.1
    done
    fail "expected the window \"$1\" in front, found \"$title\""
}
# A new event by keyboard only: name, type (p or f), date as yyyymmdd and time as hhmmss.
new_event() {
    keys ctrl+n
    expect_title "New Event"
    typed "$1"
    keys "alt+$2"
    keys alt+d
    typed "$3"
    keys Tab
    typed "$4"
    [[ -n "${5:-}" ]] && shot "$5"
    keys Return
    expect_title "Kronvel"
}

"$build/bin/krn" --data-dir "$data" &
krn=$!
pids+=($krn)
xdotool search --sync --name '^Kronvel$' >/dev/null
expect_title "Kronvel"
shot 01-first-start

# Three events typed in, one of them in the future.
new_event "Project start" p 20240315 093000 02-editor-new
new_event "Dentist" f 20371102 141500
new_event "Moved to Lisbon" p 20190701 080000
shot 03-three-added
grep -q $'^Dentist\t2037/11/02 14:15:00$' "$data/events.dll" || fail "Dentist is not in the events file"

# Change the Dentist: the arrow keys make it the current row, Ctrl+M opens it.
keys ctrl+Home Down Down Down
keys ctrl+m
expect_title "Modify Event - 'Dentist'"
shot 04-editor-modify
keys ctrl+a
typed "Dentist (check-up)"
keys Return
expect_title "Kronvel"
grep -q $'^Dentist (check-up)\t2037/11/02 14:15:00$' "$data/events.dll" || fail "the change is not in the file"

# Delete the first sample event: Del asks, Yes goes ahead.
keys Home
keys Delete
shot 05-delete-question
keys alt+y
expect_title "Kronvel"
grep -q '^Birth (for test)' "$data/events.dll" && fail "the deleted event is still in the file"

# Find: F3 asks for a text; every event whose name contains it is selected.
keys F3
typed "st"
shot 06-find-question
keys Return
shot 07-found

# Sort by a click on the "Date & Time" header: the first click sorts descending.
window="$(xdotool getactivewindow)"
xdotool mousemove --window "$window" 280 92 click 1
shot 08-sorted-by-date

# Save as a file of one's own.
keys ctrl+s
expect_title "Save Events As"
typed "$saved"
keys Return
expect_title "Kronvel"
cmp -s "$data/events.dll" "$saved" || fail "the saved file differs from the events file"

# Clear everything from the Edit menu, by its access keys.
keys alt+e
keys c
shot 09-clear-question
keys alt+y
expect_title "Kronvel"
[[ -s "$data/events.dll" ]] && fail "the events file is not empty after clear"
shot 10-cleared

# Load the saved file back.
keys ctrl+l
expect_title "Load Events From"
typed "$saved"
keys Return
expect_title "Kronvel"
cmp -s "$data/events.dll" "$saved" || fail "the loaded events differ from the saved file"
shot 11-loaded

# The help, then leaving by the Event menu.
keys F1
expect_title "KRN Help"
shot 12-help
xdotool windowactivate --sync "$window"
expect_title "Kronvel"
keys alt+v x
sleep 1
kill -0 "$krn" 2>/dev/null && fail "krn did not exit"
echo "walk-through passed; screenshots in $shots"

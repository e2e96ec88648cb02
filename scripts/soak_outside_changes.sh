#!/usr/bin/env bash
# One minute of changes from both sides: a script outside Kronvel appends events (in place, or
# by a new file renamed over the old one, as synchronising tools do), removes some and changes
# the refresh setting every few seconds, while events are added in the window by keyboard.
# At the end the events file must hold exactly the seed events plus both sides' additions
# minus the outside removals, and the window's count must agree (see the screenshot).
#
#   scripts/soak_outside_changes.sh [build-dir] [seconds] [screenshot-dir]
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
seconds="${2:-60}"
shots="${3:-$(mktemp -d /tmp/krn-soak-shots.XXXXXX)}"
mkdir -p "$shots"
shots="$(cd "$shots" && pwd)"

if [[ -z "${KRN_SOAK_INNER:-}" ]]; then
    KRN_SOAK_INNER=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$build" "$seconds" "$shots"
fi

data="$(mktemp -d /tmp/krn-soak-data.XXXXXX)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
}
trap cleanup EXIT
fail() { echo "SOAK FAILED: $*" >&2; exit 1; }

for i in $(seq 1 10); do printf 'Seed %02d\t2000/01/01 00:00:00\n' "$i"; done >"$data/events.dll"

if command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
fi

"$build/bin/krn" --data-dir "$data" &
pids+=($!)
xdotool search --sync --name '^Kronvel$' >/dev/null
sleep 1

# The outside side: every 3 s one event appended, every second round the one added two rounds
# before removed again, and the refresh setting flipped between 1 and 2.
outside() {
    local n=0
    local end=$((SECONDS + seconds))
    while ((SECONDS < end)); do
        n=$((n + 1))
        if ((n % 2)); then
            printf 'Outside %03d\t2030/01/01 00:00:00\n' "$n" >>"$data/events.dll"
        else
            { cat "$data/events.dll"; printf 'Outside %03d\t2030/01/01 00:00:00\n' "$n"; } >"$data/.events.tmp"
            mv "$data/.events.tmp" "$data/events.dll"
        fi
        echo "added Outside $(printf %03d $n)" >>"$data/.outside.log"
        if ((n % 2 == 0 && n > 2)); then
            grep -v "^Outside $(printf %03d $((n - 2)))"$'\t' "$data/events.dll" >"$data/.events.tmp" || true
            mv "$data/.events.tmp" "$data/events.dll"
            echo "removed Outside $(printf %03d $((n - 2)))" >>"$data/.outside.log"
        fi
        sed "s/^Refresh=.*/Refresh=$((n % 2 + 1))/" "$data/krn.dll" >"$data/.krn.tmp"
        mv "$data/.krn.tmp" "$data/krn.dll"
        sleep 3
    done
}
outside &
outside_pid=$!
pids+=($outside_pid)

# The window side: a new event by keyboard every 4 s or so.
inside=0
end=$((SECONDS + seconds))
while ((SECONDS < end)); do
    inside=$((inside + 1))
    xdotool key --delay 60 ctrl+n
    sleep 0.5
    xdotool type --delay 30 "$(printf 'Window %03d' "$inside")"
    xdotool key --delay 60 alt+p alt+d
    xdotool type --delay 30 20240315
    xdotool key --delay 60 Tab
    xdotool type --delay 30 093000
    xdotool key --delay 60 Return
    echo "added Window $(printf %03d $inside)" >>"$data/.inside.log"
    sleep 3
done
wait "$outside_pid" || true
sleep 2
import -window root "$shots/soak-end.png"

# What both sides did, against the file.
expected="$( (printf 'Seed %02d\n' $(seq 1 10)
    sed -n 's/^added //p' "$data/.outside.log" "$data/.inside.log") |
    grep -vxF -f <(sed -n 's/^removed //p' "$data/.outside.log") | sort)"
actual="$(cut -f1 "$data/events.dll" | sort)"
added_out=$(grep -c '^added' "$data/.outside.log")
removed_out=$(grep -c '^removed' "$data/.outside.log" || true)
echo "seed 10, outside +$added_out -$removed_out, window +$inside: expected $(wc -l <<<"$expected") events, file holds $(wc -l <"$data/events.dll") lines"
diff <(echo "$expected") <(echo "$actual") || fail "the file differs from both sides' changes"
conflicts=$(ls "$data" | grep -c conflict || true)
echo "conflict copies: $conflicts; screenshot $shots/soak-end.png shows the window's count"

#!/usr/bin/env bash
# Prints the processor time an idle Kronvel spends: each krn given runs under its own Xvfb on
# its own copy of one data folder (1,000 events, the shipped settings: refresh every second),
# all at once so that they share the machine's load, and is left alone for SECONDS. Its user
# and system time (/proc/PID/stat) and its context switches (each a wake-up) are read after a
# start-up allowance and again at the end; the difference is what idling cost.
#   bench/idle_cpu.sh [seconds] krn [krn...]
# Compare the watching Kronvel with a build from before the watcher, e.g. commit 6839e80:
#   git archive 6839e80 | tar -x -C /tmp/old && cmake -S /tmp/old -B /tmp/old/build -G Ninja \
#     && cmake --build /tmp/old/build --target krn
#   bench/idle_cpu.sh 60 build/bin/krn /tmp/old/build/bin/krn
set -euo pipefail
startup=5

# Ticks and context switches of a process: "utime+stime voluntary+involuntary".
measure() {
    local stat ticks
    stat=$(< "/proc/$1/stat")
    stat=${stat##*) } # the fields after the command name, starting with field 3
    read -r -a fields <<< "$stat"
    ticks=$((fields[11] + fields[12]))
    echo "$ticks $(awk '/ctxt_switches/ { n += $2 } END { print n }' "/proc/$1/status")"
}

# Inside one Xvfb: krn on its data folder, measured; the figures go to the result file.
if [[ ${1:-} == --run-one ]]; then
    krn=$2 data=$3 result=$4 seconds=$5
    QT_QPA_PLATFORM=xcb "$krn" --data-dir "$data" > "$data/krn.log" 2>&1 &
    pid=$!
    sleep "$startup"
    if ! kill -0 "$pid" 2> /dev/null; then
        echo "failed" > "$result"
        exit 0
    fi
    before=$(measure "$pid")
    sleep "$seconds"
    after=$(measure "$pid")
    kill "$pid"
    wait "$pid" 2> /dev/null || true
    echo "$before $after $(wc -l < "$data/events.dll")" > "$result"
    exit 0
fi

seconds=60
if [[ ${1:-} =~ ^[0-9]+$ ]]; then
    seconds=$1
    shift
fi
if [[ $# -eq 0 ]]; then
    echo "usage: $0 [seconds] krn [krn...]" >&2
    exit 2
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for i in $(seq 0 999); do
    printf 'Event %d\t%04d/%02d/%02d 12:00:00\n' "$i" $((1990 + i % 60)) $((1 + i % 12)) $((1 + i % 28))
done > "$work/events.dll"

pids=()
for n in $(seq 1 $#); do
    mkdir -p "$work/data$n"
    cp "$work/events.dll" "$work/data$n/"
    xvfb-run -a -s "-screen 0 1280x800x24" "$0" --run-one "$(realpath "${!n}")" "$work/data$n" \
        "$work/result$n" "$seconds" &
    pids+=($!)
done
wait "${pids[@]}"

hertz=$(getconf CLK_TCK)
echo "Idle Kronvel with 1,000 events, refresh every second, ${seconds} s after ${startup} s to start:"
for n in $(seq 1 $#); do
    read -r t0 c0 t1 c1 lines < "$work/result$n" || true
    if [[ ${t0:-failed} == failed ]]; then
        echo "  ${!n}: did not start (see its krn.log)"
        continue
    fi
    printf '  %-40s processor %6d ms (%.2f%%), wake-ups %6d (%.1f/s), %d lines\n' "${!n}" \
        $(((t1 - t0) * 1000 / hertz)) "$(echo "($t1 - $t0) * 100 / $hertz / $seconds" | bc -l)" \
        $((c1 - c0)) "$(echo "($c1 - $c0) / $seconds" | bc -l)" "$lines"
done
echo "Machine load average: $(cut -d' ' -f1-3 /proc/loadavg)"

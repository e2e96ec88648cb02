#!/usr/bin/env bash
# Watches a reminder reach the desktop: Kronvel starts on a fresh data folder on a private
# session bus under Xvfb, with an event that comes due five seconds after the start. dbus-monitor
# records the Notify call, dunst shows the notification, and the screen is saved; then a middle
# click on the notification (dunst's default action) shows the window with the event selected.
# Output folder as argument (default /tmp/krn-reminders-demo); build first (scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-/tmp/krn-reminders-demo}")
mkdir -p "$out"
data=$(mktemp -d)
due=$(date -d '+5 seconds' '+%Y/%m/%d %H:%M:%S')
printf 'Earlier\t2000/01/01 00:00:00\nLaunch\t%s\n' "$due" > "$data/events.dll"
echo "event due at $due"
export out data KRN="$PWD/build/bin/krn"
xvfb-run -a -s "-screen 0 1024x600x24" dbus-run-session -- bash -c '
  dbus-monitor "interface=org.freedesktop.Notifications" > "$out/dbus-monitor.txt" 2>&1 &
  monitor=$!
  dunst > "$out/dunst.log" 2>&1 &
  daemon=$!
  sleep 1
  QT_QPA_PLATFORM=xcb "$KRN" --data-dir "$data" > "$out/krn.log" 2>&1 &
  krn=$!
  sleep 7
  import -window root "$out/notification.png"
  xdotool mousemove 850 95 click 2
  sleep 1
  import -window root "$out/clicked.png"
  kill $krn $daemon $monitor
  wait 2> /dev/null || true
'
grep -A 14 "member=Notify" "$out/dbus-monitor.txt" || echo "no Notify call seen"
grep -A 3 "member=ActionInvoked" "$out/dbus-monitor.txt" || echo "no click seen"
echo "saved: $out/notification.png, $out/clicked.png"
rm -rf "$data"

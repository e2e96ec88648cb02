#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kronvel. Extra arguments go to krn.
# Without a display the program falls back to printing the events list (krn --list).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
# The build folder is no place for your events (a clean build would delete them), so unless a
# folder is named, the events live in the per-user data folder.
case " $* " in
  *" --data-dir"*) ;;
  *) set -- --data-dir "${XDG_DATA_HOME:-$HOME/.local/share}/Kronvel/Kronvel" "$@" ;;
esac
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: printing the events list instead of opening the window." >&2
  exec build/bin/krn --list "$@"
fi
exec build/bin/krn "$@"

#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kronvel. Extra arguments go to krn.
# Without a display the program falls back to printing the events list (krn --list).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
# krn in build/bin keeps its data in the per-user folder (~/.local/share/kronvel), never in the
# build folder, unless --data-dir names another.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: printing the events list instead of opening the window." >&2
  exec build/bin/krn --list "$@"
fi
exec build/bin/krn "$@"

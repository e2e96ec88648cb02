#!/usr/bin/env bash
# Installs what building and testing Kronvel needs, and only what is missing.
set -euo pipefail
# openbox, trayer and xdotool: the test that runs krn under a framing window manager and a tray.
# clang-format: the formatting check of scripts/test.sh.
# clang with its sanitizer and fuzzer runtimes and llvm-symbolizer: the second build of scripts/test.sh.
# dbus, dunst and imagemagick: a session bus, a notification daemon and a screenshot, to watch
# reminders reach the desktop (scripts/reminders-demo.sh, which clicks with xdotool).
# libical-dev and pkg-config: calendars in and out.
# at-spi2-core and python3-pyatspi: the accessibility bus and its Python client, to walk the event
# editor as a screen reader sees it (scripts/atspi_walk.sh).
packages=(cmake ninja-build g++ qt6-base-dev libgl-dev libical-dev pkg-config xvfb xauth fonts-dejavu-core
  openbox trayer xdotool clang libclang-rt-14-dev llvm-14 clang-format dbus dunst imagemagick
  at-spi2-core python3-pyatspi)
# The accessibility bus's GObject bindings and xprop: the soak run with changes made outside
# Kronvel reads the window's list on the bus (scripts/soak_outside_changes.sh).
packages+=(python3-gi gir1.2-atspi-2.0 x11-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

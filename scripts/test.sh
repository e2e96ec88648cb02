#!/usr/bin/env bash
# Installs what is missing, builds, runs every test headless, and checks the formatting.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2 --timeout 300
scripts/check-format.sh

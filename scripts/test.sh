#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test headless with GCC in build/, and
# builds everything and runs every test once more with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer (leaks included) in build-asan/. Last, every C++ file is checked
# against .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
# Paths relative to the checkout in ccache's keys, so a fresh clone reuses what another built.
export CCACHE_BASEDIR="$PWD"

echo "== GCC"
scripts/build.sh
ctest --test-dir build --output-on-failure -j2 --timeout 300

echo "== clang, ASan + UBSan"
CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKRN_SANITIZE=address,undefined >/dev/null
cmake --build build-asan -j2
# Reports from inside the font and display libraries under Qt are theirs; the program's own are
# never suppressed (scripts/lsan.supp and scripts/asan.supp name library functions only).
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:suppressions=$PWD/scripts/asan.supp"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-asan --output-on-failure -j2 --timeout 600

scripts/check-format.sh

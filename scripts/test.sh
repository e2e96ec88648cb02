#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test headless with GCC in build/,
# and the engine and file tests, the kill test and the fuzz corpora once more with clang
# under AddressSanitizer and UndefinedBehaviorSanitizer (leaks included) in build-asan/. Last, every C++ file is checked against .clang-format.
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
# The tests that run without a window: engine, files, kill test and fuzz corpora.
sanitized=(test_moment test_span test_work_rules test_calc_engine test_calc_weekdays test_settings
  test_datafiles test_events_file test_works_file test_setting_values test_profilefile
  test_textlinefile test_textdecoding test_fileattributes test_filesystem test_twips test_screenfit
  test_kill_writes fuzz_moment_corpus fuzz_events_line_corpus fuzz_work_record_corpus
  fuzz_profile_corpus fuzz_text_decoding_corpus)
cmake --build build-asan -j2 --target "${sanitized[@]}" kill_driver
# Leaks of the font and display libraries under Qt are theirs; the program's own never are
# suppressed (scripts/lsan.supp names library functions only).
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-asan --output-on-failure -j2 --timeout 600 -R "^($(IFS='|'; echo "${sanitized[*]}"))\$"

scripts/check-format.sh

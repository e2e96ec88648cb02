#!/usr/bin/env bash
# Runs each fuzz target for a while on the clang sanitizer build (build-asan/).
#
#   scripts/fuzz.sh [seconds-per-target=120] [target...]
#
# Each target starts from its seeds in tests/fuzz/corpus/<target>/ and grows a working corpus
# outside the tree; an input that crashes is written into that seed folder as crash-*, so it
# is kept and runs as part of the target's corpus test from then on.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-120}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(moment events_line work_record profile text_decoding)

CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKRN_SANITIZE=address,undefined >/dev/null
cmake --build build-asan -j2 --target "${targets[@]/#/fuzz_}"

work="${TMPDIR:-/tmp}/krn-fuzz"
status=0
for target in "${targets[@]}"; do
  seeds="tests/fuzz/corpus/$target"
  mkdir -p "$work/$target"
  echo "== $target, ${seconds}s"
  LC_ALL=C.UTF-8 TZ=UTC ASAN_OPTIONS=detect_leaks=1 \
    build-asan/bin/"fuzz_$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -artifact_prefix="$seeds/" -print_final_stats=1 "$work/$target" "$seeds" 2>&1 \
    | grep -E '^(Done|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY|.*property broken)' || status=1
done
exit $status

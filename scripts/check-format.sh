#!/usr/bin/env bash
# Fails, naming each file, when a C++ file of the tree differs from what clang-format makes
# of it with the checked-in .clang-format. `scripts/check-format.sh --fix` formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "check-format: clang-format is not installed" >&2; exit 1; }
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -d '' files < <(git ls-files -z -- '*.cpp' '*.h')
else
  mapfile -d '' files < <(find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print0)
fi
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
differing=0
for file in "${files[@]}"; do
  if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then
    echo "not formatted: $file"
    differing=$((differing + 1))
  fi
done
if [ "$differing" -gt 0 ]; then
  echo "check-format: $differing of ${#files[@]} files differ; run scripts/check-format.sh --fix" >&2
  exit 1
fi
echo "check-format: all ${#files[@]} files formatted"

#!/usr/bin/env bash
# The house format of our own sources (Source, mivo_library, tests, tools),
# as .clang-format at the top of the tree describes it.
#   tools/format.sh check   list the files whose format differs; exit 1 if any
#   tools/format.sh apply   rewrite those files in place
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"

formatter="${CLANG_FORMAT:-clang-format}"
if ! command -v "$formatter" >/dev/null 2>&1; then
  echo "$formatter is missing: apt-get install clang-format (as root)" >&2
  exit 2
fi

mapfile -t files < <(git ls-files -- 'Source/*.cpp' 'Source/*.h' 'mivo_library/*.cpp' 'mivo_library/*.h' \
  'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' 'tools/*.h')

case "${1:-}" in
  check)
    mapfile -t differing < <(printf '%s\0' "${files[@]}" | xargs -0 -P "$(nproc)" -I{} \
      sh -c '"$0" --style=file "$1" | cmp -s - "$1" || echo "$1"' "$formatter" {} | sort)
    if [ ${#differing[@]} -ne 0 ]; then
      printf 'not formatted: %s\n' "${differing[@]}" >&2
      echo "run tools/format.sh apply" >&2
      exit 1
    fi
    echo "format: ${#files[@]} files as .clang-format says"
    ;;
  apply)
    printf '%s\0' "${files[@]}" | xargs -0 -P "$(nproc)" -n 16 "$formatter" --style=file -i
    ;;
  *)
    echo "usage: $0 check|apply" >&2
    exit 2
    ;;
esac

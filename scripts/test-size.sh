#!/usr/bin/env bash
# Counts the lines of C++ (.cpp and .h) that are neither blank nor only a comment, and
# prints the tests' lines against the code's and their ratio. Tests are everything under
# tests/; code is every other top-level folder holding C++ (build folders and the folders
# starting with "." excluded), so a new folder of code counts without being listed here.
#   scripts/test-size.sh            the totals
#   scripts/test-size.sh -v         also the count per folder
set -euo pipefail
cd "$(dirname "$0")/.."

verbose=${1:-}

# Lines of code in the given files: a line counts unless it is blank, only a // comment,
# or inside (or only opening or closing) a /* */ comment.
count() {
    [ $# -eq 0 ] && { echo 0; return; }
    awk '
        {
            line = $0
            gsub(/^[ \t\r]+|[ \t\r]+$/, "", line)
            if (inBlock) {
                if (index(line, "*/")) { inBlock = 0; rest = substr(line, index(line, "*/") + 2)
                                         gsub(/^[ \t]+/, "", rest); if (rest != "" && rest !~ /^\/\//) n++ }
                next
            }
            if (line == "" || line ~ /^\/\//) next
            if (line ~ /^\/\*/) {
                if (!index(substr(line, 3), "*/")) { inBlock = 1; next }
                rest = substr(line, index(substr(line, 3), "*/") + 4)
                gsub(/^[ \t]+/, "", rest)
                if (rest == "" || rest ~ /^\/\//) next
            }
            n++
        }
        END { print n + 0 }' "$@"
}

sources() {
    find "$@" -type f \( -name '*.cpp' -o -name '*.h' \) | sort
}

# Every top-level folder with C++ in it, except the tests and the build trees.
code_dirs=()
for dir in */; do
    dir=${dir%/}
    case $dir in
    tests | build | build-* | cmake-build-*) continue ;;
    esac
    [ -f "$dir/CMakeCache.txt" ] && continue
    [ -n "$(sources "$dir" | head -n 1)" ] && code_dirs+=("$dir")
done

mapfile -t test_files < <(sources tests)
mapfile -t code_files < <(sources "${code_dirs[@]}")
tests=$(count "${test_files[@]}")
code=$(count "${code_files[@]}")

if [ "$verbose" = -v ]; then
    for dir in "${code_dirs[@]}" tests/*/; do
        mapfile -t files < <(sources "${dir%/}")
        printf '  %-22s %6d\n' "${dir%/}" "$(count "${files[@]}")"
    done
fi
echo "tests: $tests lines (tests/)"
echo "code:  $code lines (${code_dirs[*]})"
awk -v t="$tests" -v c="$code" 'BEGIN { printf "ratio: %.3f\n", c ? t / c : 0 }'

#!/usr/bin/env bash
# Prints how much of the project is test code: the lines of tests/ and fuzz/ against all lines the
# project tracks in git, counting C++ sources and headers, CMake files, shell scripts and
# JavaScript (the page's and, under tests/, its browser tests). Exits 1 when tests are more than a
# third.
#
#   tools/test_ratio.sh
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

count_lines() { # folders... -> total lines of the matching tracked files
    git ls-files -z -- "$@" |
        grep -zE '(\.(cpp|hpp|h|cc|cmake|sh|js|mjs)|(^|/)CMakeLists\.txt)$' |
        xargs -0 -r cat | wc -l
}

tests=$(count_lines tests fuzz)
all=$(count_lines .)
awk -v t="$tests" -v a="$all" 'BEGIN {
    printf "test code: %d of %d lines (%.1f %%), at most a third allowed\n", t, a, 100 * t / a
    exit (3 * t > a) ? 1 : 0
}'

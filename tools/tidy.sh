#!/usr/bin/env bash
# clang-tidy with the project's .clang-tidy on every C++ source of calc/, view/, ui/, batch/ and
# app/ (their headers through its header filter), with the compile commands of a configured and
# built build folder (default build/, as tools/setup.sh makes it). Fails on any warning.
#
#   tools/tidy.sh [build dir]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source tools/packages.sh
build=${1:-build}

command -v clang-tidy >/dev/null 2>&1 || install_missing_packages clang-tidy
if [[ ! -f $build/compile_commands.json ]]; then
    echo "$build/compile_commands.json is missing: configure and build first (tools/setup.sh test)" >&2
    exit 1
fi

# The window's sources are in the compile commands only when the build has the toolkit.
sources=()
while IFS= read -r source; do
    if grep -q "\"file\": \"$PWD/$source\"" "$build/compile_commands.json"; then
        sources+=("$source")
    else
        echo "not in $build's compile commands, skipped: $source"
    fi
done < <(git ls-files 'calc/*.cpp' 'view/*.cpp' 'ui/*.cpp' 'batch/*.cpp' 'app/*.cpp')

echo "clang-tidy on ${#sources[@]} files"
printf '%s\0' "${sources[@]}" |
    xargs -0 -n 4 -P 2 clang-tidy -p "$build" --quiet --warnings-as-errors='*'

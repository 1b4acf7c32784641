#!/usr/bin/env bash
# Installs the build into a scratch prefix, checks the layout, and starts the installed program
# through its bin/ link to see that it finds its pictures.
# usage: check_install.sh <build dir> <scratch dir>
set -euo pipefail
build=$1
prefix=$2/prefix
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

source "$(dirname "$0")/expected_layout.sh"
check_layout "$prefix"

[[ $(readlink "$prefix/bin/coilwind") == ../lib/coilwind/coilwind ]] || fail "bin/coilwind is no relative link"
# The program runs until it is closed: still running after a few seconds, and silent about
# pictures, means it came up with every picture in place.
log=$2/run.log
status=0
QT_QPA_PLATFORM=offscreen timeout 4 "$prefix/bin/coilwind" 2>"$log" || status=$?
[[ $status -eq 124 ]] || fail "installed program exited early with status $status: $(cat "$log")"
if grep -q 'cannot read the picture' "$log"; then
    fail "installed program misses a picture: $(cat "$log")"
fi
echo "install layout and start-up: ok"

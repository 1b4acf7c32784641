#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and checks its files and
# dependencies.
# usage: check_deb.sh <build dir> <scratch dir>
set -euo pipefail
build=$(cd "$1" && pwd)
scratch=$2
rm -rf "$scratch/deb" "$scratch/root"
mkdir -p "$scratch/deb"
(cd "$scratch/deb" && cpack --config "$build/CPackConfig.cmake" -G DEB >/dev/null)
deb=$(ls "$scratch"/deb/coilwind_*.deb)

source "$(dirname "$0")/expected_layout.sh"
dpkg -x "$deb" "$scratch/root"
check_layout "$scratch/root/usr"
[[ $(readlink "$scratch/root/usr/bin/coilwind") == ../lib/coilwind/coilwind ]] || fail "bin link"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-wqy-microhei; do
    [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done
echo "$(basename "$deb"): ok (Depends: $depends)"

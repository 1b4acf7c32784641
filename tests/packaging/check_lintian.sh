#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs Debian's package checker on the package the deb_package test built; fails on any error or
# warning and shows the informational tags for the log.
# usage: check_lintian.sh <folder holding the .deb>
set -euo pipefail
if ! command -v lintian >/dev/null; then
    echo "SKIP: lintian is not installed (tools/setup.sh installs it)"
    exit 77
fi
deb=$(ls "$1"/coilwind_*.deb)
report=$(lintian --display-info --pedantic --fail-on none "$deb" 2>&1) || {
    echo "$report" >&2
    exit 1
}
echo "${report:-lintian: no tags}"
if grep -q '^[EW]: ' <<<"$report"; then
    echo "FAIL: lintian reports errors or warnings on $(basename "$deb")" >&2
    exit 1
fi

#!/usr/bin/env bash
# Builds the calculator for the browser with Debian's emscripten into build-web/: the calculation
# core, coilwind-batch's library and their GoogleTest suites (GoogleTest compiled from Debian's
# sources with the same toolchain), run under node; then the page. Fails on any failure.
#
#   tools/web.sh
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source tools/packages.sh
root=$PWD
build=$root/build-web
gtest_sources=/usr/src/googletest

install_missing_packages cmake ninja-build emscripten nodejs googletest libfast-float-dev \
    libfmt-dev

# Debian's emscripten finds its JavaScript modules (acorn, terser, ...) through NODE_PATH; the
# 3.1.6 loader needs node's experimental fetch off (node 18 and later have it on).
export NODE_PATH=/usr/share/nodejs
node=(node --no-experimental-fetch)

# --- build ----------------------------------------------------------------------------------------
# fast_float and {fmt} are header-only and the same for every target: copies of the build
# machine's headers in a folder of their own, so that its C library headers stay out of sight.
headers=$build/headers
rm -rf "$headers"
mkdir -p "$headers"
cp -r /usr/include/fast_float /usr/include/fmt "$headers/"
emcmake cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCOILWIND_WITH_UI=OFF -DCOILWIND_WITH_BENCHMARKS=OFF -DCOILWIND_WITH_FUZZERS=OFF \
    -DBUILD_TESTING=ON -DCOILWIND_GTEST_SOURCE_DIR="$gtest_sources" \
    -DCOILWIND_FAST_FLOAT_INCLUDE_DIR="$headers" -DCOILWIND_FMT_INCLUDE_DIR="$headers" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node);--no-experimental-fetch" \
    -DCOILWIND_WARNINGS_AS_ERRORS=ON
cmake --build "$build" -j2

# --- the core's tests under node ------------------------------------------------------------------
ctest --test-dir "$build" --output-on-failure --timeout 600 --no-tests=error -j2

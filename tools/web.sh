#!/usr/bin/env bash
# Builds the calculator for the browser with Debian's emscripten into build-web/: the calculation
# core, coilwind-batch's library and their GoogleTest suites (GoogleTest compiled from Debian's
# sources with the same toolchain), run under node, and the page: build-web/site/ for any static
# web server and the self-contained build-web/coilwind.html. Then the browser tests drive Debian's
# chromium, headless, through puppeteer-core (installed with npm ci from tests/web's lock file)
# against both, and the page's printed design sheet against the desktop's `coilwind --sheet` (built
# in build/ when that is configured with Qt; skipped otherwise). Fails on any failure.
#
#   tools/web.sh
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source tools/packages.sh
source tools/linux_batch.sh
root=$PWD
build=$root/build-web
gtest_sources=/usr/src/googletest

install_missing_packages cmake ninja-build g++ emscripten nodejs googletest libfast-float-dev \
    libfmt-dev chromium fonts-wqy-microhei poppler-utils
if ! command -v npm >/dev/null; then
    install_missing_packages npm # nodesource's nodejs brings its own npm
fi

# Debian's emscripten finds its JavaScript modules (acorn, terser, ...) through NODE_PATH; the
# 3.1.6 loader needs node's experimental fetch off (node 18 and later have it on).
export NODE_PATH=/usr/share/nodejs

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

# --- the native coilwind-batch, whose bytes the page's CSV run must match ----------------------
linux_batch=$(build_linux_batch "$build/linux-reference")

# --- the same bytes as the native tool -----------------------------------------------------------
# The portable functions' digest over one argument table (ctest compared it with the committed
# one; printed here for the log), then a million random designs through the page's CSV worker
# under node.
node --no-experimental-fetch "$build/portable_math_digest.js"
run_worker() { node "$root/tools/csv_worker_node.js" "$build" "$1" "$2"; }
compare_random_designs "$linux_batch" "$build" "The page's CSV worker" run_worker

# --- the native desktop program, whose design sheet the page's printed sheet must match ---------
desktop=
if [[ -f build/CMakeCache.txt ]] && cmake --build build --target coilwind >&2; then
    desktop=$root/build/coilwind
fi

# --- the page in headless chromium ---------------------------------------------------------------
(cd tests/web && npm ci --no-audit --no-fund --loglevel=error)
(cd tests/web && COILWIND_WEB_BUILD="$build" COILWIND_BATCH="$linux_batch" COILWIND_DESKTOP="$desktop" \
    node --test --test-reporter=tap)

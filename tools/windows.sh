#!/usr/bin/env bash
# Builds for 64-bit Windows with mingw-w64 (cmake/mingw-w64-x86_64.cmake) into build-windows/:
# the calculation core, coilwind-batch.exe and their GoogleTest suites, GoogleTest compiled from
# Debian's sources with the same toolchain. Then, under Wine with no display and a private prefix
# (build-windows/wine-prefix), runs the tests, checks that coilwind-batch.exe writes the same bytes
# as the Linux build, and packs build-windows/coilwind-batch-<version>-win64.zip (the program,
# its manual page as text, the licence). Fails on any failure.
#
#   tools/windows.sh
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source tools/packages.sh
source tools/linux_batch.sh
root=$PWD
build=$root/build-windows
gtest_sources=/usr/src/googletest
toolchain=$root/cmake/mingw-w64-x86_64.cmake
triple=x86_64-w64-mingw32

install_missing_packages cmake ninja-build g++ g++-mingw-w64-x86-64-posix wine wine64 googletest \
    libfast-float-dev libfmt-dev groff-base zip

# --- Wine: headless, quiet, its own prefix ------------------------------------------------------
unset DISPLAY WAYLAND_DISPLAY
export WINEPREFIX=$build/wine-prefix WINEARCH=win64 WINEDEBUG=-all
# No .NET or HTML engine: without them Wine asks for neither (it would open a dialog).
export WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true' EXIT

# --- build ----------------------------------------------------------------------------------------
# fast_float and {fmt} are header-only and the same for every target: the build machine's copies
# serve, linked into a folder of their own so that the build machine's C library headers stay out
# of sight.
host_headers=$build/host-headers
mkdir -p "$host_headers"
ln -sfn /usr/include/fast_float "$host_headers/fast_float"
ln -sfn /usr/include/fmt "$host_headers/fmt"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCOILWIND_WITH_UI=OFF -DCOILWIND_WITH_BENCHMARKS=OFF \
    -DCOILWIND_WITH_FUZZERS=OFF -DBUILD_TESTING=ON -DCOILWIND_GTEST_SOURCE_DIR="$gtest_sources" \
    -DCOILWIND_FAST_FLOAT_INCLUDE_DIR="$host_headers" -DCOILWIND_FMT_INCLUDE_DIR="$host_headers" \
    -DCOILWIND_WARNINGS_AS_ERRORS=ON
cmake --build "$build"

# Every program must run on its own: only DLLs that come with Windows, none of MinGW's runtime.
programs=0
for program in "$build"/*.exe; do
    [[ -e $program ]] || break
    dlls=$("$triple-objdump" -p "$program" | sed -n 's/^\s*DLL Name: //p')
    if grep -qiE '^lib|mingw' <<<"$dlls"; then
        echo "$program needs MinGW's runtime DLLs: ${dlls//$'\n'/ }" >&2
        exit 1
    fi
    programs=$((programs + 1))
done
if ((programs == 0)); then
    echo "The build made no programs in $build." >&2
    exit 1
fi

# One persistent Wine server, its services started here with their output in a log: each test
# program then starts in milliseconds, and no service lingers holding ctest's output pipe open.
[[ -f $WINEPREFIX/system.reg ]] || echo "Creating the Wine prefix $WINEPREFIX"
mkdir -p "$WINEPREFIX"
wineserver -p
wineboot --init </dev/null >"$build/wineboot.log" 2>&1 || { cat "$build/wineboot.log" >&2; exit 1; }

# --- tests under Wine -----------------------------------------------------------------------------
ctest --test-dir "$build" --output-on-failure --timeout 600 --no-tests=error

# --- the Linux build to compare with ------------------------------------------------------------
# The Linux reference: the README's build when there is one, else a small build of the tool only.
linux_batch=$(build_linux_batch "$build/linux-reference")

# --- the zip --------------------------------------------------------------------------------------
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
package=coilwind-batch-$version-win64
staging=$build/$package
rm -rf "$staging" "$build/$package.zip"
mkdir -p "$staging"
"$triple-strip" -o "$staging/coilwind-batch.exe" "$build/coilwind-batch.exe"
# Plain text without overstrikes or escape sequences; the byte-order mark tells every Windows
# editor that it is UTF-8 (the page has a degree sign).
{
    printf '\xEF\xBB\xBF'
    groff -man -Tutf8 -P-cbou "$root/packaging/man/coilwind-batch.1"
} >"$staging/coilwind-batch.txt"
cp "$root/LICENSE" "$staging/LICENSE.txt"

# --- the packed program writes the same bytes as the Linux build ---------------------------------
# The two start-up designs, with CR LF, a byte-order mark and a quoted name as spreadsheets write
# them, and a row that faults; read from a file, from standard input, from a file with a Chinese
# name, and with every option.
designs=start-up-designs.csv
{
    printf '\xEF\xBB\xBF'
    printf '%s\r\n' 'model,core,A,B,D,F,mu,L' 'KQ8*10,KQ CORE,8,3.5,10,6.3,500,4.7' \
        '"R8x3.5, long",R CORE,8,3.5,10,6.3,500,4.7' 'KQ5*5,KQ CORE,5,2,5,3,0,10'
} >"$build/$designs"
compare_with_linux() { # arguments
    local linux_status=0 windows_status=0
    (cd "$build" && "$linux_batch" "$@" <"$designs" >linux.csv) || linux_status=$?
    (cd "$build" && wine "$staging/coilwind-batch.exe" "$@" <"$designs" >windows.csv) ||
        windows_status=$?
    if ! cmp "$build/linux.csv" "$build/windows.csv" || ((linux_status != windows_status)); then
        echo "coilwind-batch.exe $* differs from the Linux build" \
            "(exit $windows_status, on Linux $linux_status):" >&2
        diff <(od -c "$build/linux.csv") <(od -c "$build/windows.csv") | head -n 20 >&2 || true
        exit 1
    fi
    echo "coilwind-batch.exe ${*:-< $designs}:" \
        "the same $(wc -c <"$build/linux.csv") bytes as on Linux"
}
compare_with_linux "$designs"
compare_with_linux
cp "$build/$designs" "$build/磁芯.csv" # outside the ANSI code page of a Western Windows
compare_with_linux 磁芯.csv
compare_with_linux --series awg-heavy --temperature 85.5 --bs 300 --tolerance 7.5 "$designs"
# The transcendental functions are this project's own (calc/portable_math), not msvcrt's: their
# digest (ctest compared it with the committed one), then a million random designs.
wine "$build/portable_math_digest.exe"
run_windows_batch() { wine "$staging/coilwind-batch.exe" "$1" >"$2"; }
compare_random_designs "$linux_batch" "$build" "coilwind-batch.exe" run_windows_batch

(
    cd "$build"
    zip -q -X "$package.zip" "$package/coilwind-batch.exe"
    # -l: the text files get Windows line ends.
    zip -q -X -l "$package.zip" "$package/coilwind-batch.txt" "$package/LICENSE.txt"
)
unzip -l "$build/$package.zip"

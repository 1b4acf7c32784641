#!/usr/bin/env bash
# Builds the calculation core and every test that needs no toolkit with clang and libc++, the
# standard library of macOS, FreeBSD and WebAssembly toolchains, into build-libcxx/, then runs
# those tests. GoogleTest is compiled from Debian's sources with the same compiler and flags,
# since Debian's libgtest is built for libstdc++. Fails on any build error or failing test.
#
#   tools/libcxx.sh
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source tools/packages.sh
root=$PWD
build=$root/build-libcxx
gtest_sources=/usr/src/googletest

install_missing_packages cmake ninja-build clang libc++-dev libc++abi-dev googletest \
    libfast-float-dev libfmt-dev

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS="-stdlib=libc++" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCOILWIND_WITH_UI=OFF -DCOILWIND_WITH_BENCHMARKS=OFF -DCOILWIND_WITH_FUZZERS=OFF \
    -DBUILD_TESTING=ON -DCOILWIND_GTEST_SOURCE_DIR="$gtest_sources" -DCOILWIND_WARNINGS_AS_ERRORS=ON
cmake --build "$build"

# Every program the build made must run on libc++ alone: a stray libstdc++ would mean the flags
# did not reach some target, and the build proved nothing for it.
programs=0
while IFS= read -r -d '' program; do
    needed=$(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
    if ! grep -q '^libc++\.so' <<<"$needed" || grep -q '^libstdc++\.so' <<<"$needed"; then
        echo "$program does not link libc++ alone:" $needed >&2
        exit 1
    fi
    programs=$((programs + 1))
done < <(find "$build" -maxdepth 1 -type f -executable -print0)
if ((programs == 0)); then
    echo "The build made no programs in $build." >&2
    exit 1
fi

ctest --test-dir "$build" --output-on-failure --no-tests=error --timeout 600
# The portable functions' digest over one argument table, as ctest compared it with the
# committed one (tests/calc/portable_math_digest.txt).
"$build/portable_math_digest"

# shellcheck shell=bash
# Sourced by the scripts in tools/ that compare another build's CSV output with the Linux build's.
#
#   source tools/linux_batch.sh
#   linux_batch=$(build_linux_batch <folder for a build of its own>)

# Builds the native coilwind-batch and prints its path: in the README's build (build/) when there
# is one, else in a small build of the tool only in the given folder. Run from the project root.
build_linux_batch() {
    local build=$PWD/build
    if [[ ! -f $build/CMakeCache.txt ]]; then
        build=$1
        cmake -S "$PWD" -B "$build" -G Ninja -DCOILWIND_WITH_UI=OFF \
            -DCOILWIND_WITH_BENCHMARKS=OFF -DBUILD_TESTING=OFF >/dev/null
    fi
    cmake --build "$build" --target coilwind-batch >&2
    echo "$build/coilwind-batch"
}

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

# Feeds the same random designs, both core types (tools/random_designs.sh; COILWIND_RANDOM_ROWS
# rows, a million unless set), to the Linux coilwind-batch and to another build's, and fails
# unless both write the same bytes and exit with the same status. The other build's command is
# called with the input's and the output's file names, relative to the work folder it runs in.
#
#   compare_random_designs <linux coilwind-batch> <work folder> <build's name> <command...>
compare_random_designs() {
    local linux_batch=$1 folder=$2 name=$3
    shift 3
    local rows=${COILWIND_RANDOM_ROWS:-1000000} linux_status=0 other_status=0 started
    tools/random_designs.sh "$rows" >"$folder/random-designs.csv"
    "$linux_batch" "$folder/random-designs.csv" >"$folder/random-linux.csv" || linux_status=$?
    started=$SECONDS
    (cd "$folder" && "$@" random-designs.csv random-other.csv) || other_status=$?
    if ! cmp "$folder/random-linux.csv" "$folder/random-other.csv" ||
        ((linux_status != other_status)); then
        echo "$name differs from the Linux build on $rows random designs" \
            "(exit $other_status, on Linux $linux_status):" >&2
        diff "$folder/random-linux.csv" "$folder/random-other.csv" | head -n 6 >&2 || true
        exit 1
    fi
    echo "$name: the same $(wc -c <"$folder/random-linux.csv") bytes as on Linux for $rows" \
        "random designs ($((SECONDS - started)) s)"
}

#!/usr/bin/env bash
# Fuzzes the calculation core, coilwind-batch's reader and the design files' reader: builds the libFuzzer targets (fuzz/) with clang into build-fuzz/,
# runs each for the given number of seconds (default 60, the targets side by side) on a scratch
# copy of its seed corpus, then checks that reading a number takes time linear in the text's
# length (4 KiB against 1 MiB texts). Exits non-zero on any finding; a crashing input is kept in
# build-fuzz/findings/.
#
#   tools/fuzz.sh [seconds]
set -euo pipefail

seconds=${1:-60}
if [[ ! $seconds =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 [seconds per target, default 60]" >&2
    exit 2
fi
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source tools/packages.sh
root=$PWD
build=$root/build-fuzz
findings=$build/findings
targets=(fuzz_read_number fuzz_write_number fuzz_stages fuzz_batch fuzz_design_file)

scratch=$(mktemp -d "${TMPDIR:-/tmp}/coilwind-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

# --- tools ----------------------------------------------------------------------------------------
# libFuzzer comes with clang's runtime libraries; try to link a trivial target to know it is there.
fuzzer_links() {
    command -v clang++ >/dev/null 2>&1 || return 1
    printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }\n' \
        >"$scratch/probe.cpp"
    clang++ -fsanitize=fuzzer,address,undefined "$scratch/probe.cpp" -o "$scratch/probe" \
        >/dev/null 2>&1
}

missing=()
command -v cmake >/dev/null 2>&1 || missing+=(cmake)
command -v ninja >/dev/null 2>&1 || missing+=(ninja-build)
command -v clang++ >/dev/null 2>&1 || missing+=(clang)
if ((${#missing[@]} > 0)) || ! fuzzer_links; then
    if ! install_missing_packages "${missing[@]}"; then
        echo "Needs CMake, Ninja and clang with its runtime libraries (libFuzzer, ASan, UBSan)." >&2
        exit 1
    fi
    if ! fuzzer_links; then
        major=$(clang++ -dumpversion | cut -d. -f1)
        install_missing_packages "libclang-rt-$major-dev" || install_missing_packages libclang-rt-dev
    fi
    if ! fuzzer_links; then
        echo "clang++ cannot link a libFuzzer target even after installing its runtime." >&2
        exit 1
    fi
fi

# --- build ----------------------------------------------------------------------------------------
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCOILWIND_WITH_FUZZERS=ON -DCOILWIND_WITH_UI=OFF \
    -DBUILD_TESTING=OFF -DCOILWIND_WITH_BENCHMARKS=OFF \
    -DCOILWIND_WARNINGS_AS_ERRORS=ON >"$scratch/configure.log" ||
    { cat "$scratch/configure.log" >&2; exit 1; }
cmake --build "$build" --target "${targets[@]}"

# --- fuzzing --------------------------------------------------------------------------------------
max_len_of() {
    case $1 in
        fuzz_write_number) echo 9 ;; # a double and a pattern byte
        *) echo 4096 ;;
    esac
}
extra_flags_of() {
    case $1 in
        fuzz_stages) echo "-dict=$root/fuzz/coilwind.dict" ;;
        fuzz_batch) echo "-dict=$root/fuzz/batch.dict" ;;
        fuzz_design_file) echo "-dict=$root/fuzz/design.dict" ;;
        fuzz_read_number) echo "-dict=$root/fuzz/coilwind.dict -use_value_profile=1" ;;
        *) echo "-use_value_profile=1" ;;
    esac
}

mkdir -p "$findings"
echo "Fuzzing ${targets[*]} for $seconds s each, side by side"
pids=()
for target in "${targets[@]}"; do
    corpus=$scratch/$target/corpus
    mkdir -p "$corpus"
    cp "$root/fuzz/corpus/$target/"* "$corpus/"
    # shellcheck disable=SC2046 # the extra flags are meant to split
    (
        cd "$scratch/$target"
        # Hard limit in case the target hangs outside libFuzzer's own timers.
        timeout --signal=KILL $((seconds + 120)) "$build/$target" \
            -max_total_time="$seconds" -max_len="$(max_len_of "$target")" -timeout=10 \
            -print_final_stats=1 -artifact_prefix="$findings/$target-" \
            $(extra_flags_of "$target") "$corpus" >"$scratch/$target.log" 2>&1
    ) &
    pids+=($!)
done

failed=0
for i in "${!targets[@]}"; do
    target=${targets[$i]}
    log=$scratch/$target.log
    status=0
    wait "${pids[$i]}" || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    if ((status == 0)) && ! grep -qE '^(==[0-9]+==ERROR|SUMMARY: [A-Za-z]+Sanitizer|\*\*\* property violated)' "$log"; then
        printf '%-18s %12s runs in %s s: no findings\n' "$target" "${runs:-?}" "$seconds"
    else
        failed=1
        artifact=$(sed -n 's/.*Test unit written to //p' "$log" | tail -n 1)
        printf '%-18s %12s runs: FINDING (exit %d)%s\n' "$target" "${runs:-?}" "$status" \
            "${artifact:+, input kept in $artifact}"
        cp "$log" "$findings/$target.log"
        grep -E -B 8 -A 30 'property violated|ERROR: (AddressSanitizer|libFuzzer|UndefinedBehavior)|runtime error' \
            "$log" | head -n 60 >&2 || tail -n 40 "$log" >&2
    fi
done

# --- linearity of reading a number ----------------------------------------------------------------
# Each text is read as many times as makes 10 MiB in all, so equal times mean equal cost per byte.
# A quadratic reading would take 256 times as long per byte at 1 MiB; the bound only catches that
# order of difference, not noise.
texts=$scratch/texts
mkdir -p "$texts"
write_text() { # name size
    local n=$2
    case $1 in
        digits) head -c "$n" /dev/zero | tr '\0' '1' ;;
        fraction) printf '0.'; head -c $((n - 3)) /dev/zero | tr '\0' '0'; printf '1' ;;
        blanks_between_digits) head -c $((n / 2)) /dev/zero | sed 's/\x0/ 1/g' ;;
        hex) printf '&H'; head -c $((n - 2)) /dev/zero | tr '\0' 'F' ;;
        octal) printf '&O'; head -c $((n - 2)) /dev/zero | tr '\0' '7' ;;
        octal_zeros) printf '&O'; head -c $((n - 3)) /dev/zero | tr '\0' '0'; printf '7' ;;
        exponent) printf '1e'; head -c $((n - 2)) /dev/zero | tr '\0' '9' ;;
    esac
}
time_reading() { # file repeats -> milliseconds
    COILWIND_FUZZ_TIMING=$2 "$build/fuzz_read_number" -max_len=1048576 "$1" 2>&1 |
        sed -n 's/^Executed .* in \([0-9]*\) ms$/\1/p' || true
}
echo "Reading a number, 4 KiB texts x2560 against 1 MiB texts x10 (10 MiB each):"
worst=0
for kind in digits fraction blanks_between_digits hex octal octal_zeros exponent; do
    write_text "$kind" 4096 >"$texts/$kind.4k"
    write_text "$kind" 1048576 >"$texts/$kind.1m"
    small=$(time_reading "$texts/$kind.4k" 2560)
    large=$(time_reading "$texts/$kind.1m" 10)
    if [[ -z $small || -z $large ]]; then
        echo "  $kind: could not time the reading" >&2
        failed=1
        continue
    fi
    ratio=$(awk -v s="$small" -v l="$large" 'BEGIN { printf "%.2f", l / (s > 0 ? s : 1) }')
    printf '  %-22s %6s ms  %6s ms  (x%s)\n' "$kind" "$small" "$large" "$ratio"
    if awk -v r="$ratio" 'BEGIN { exit !(r > 8) }'; then
        worst=1
    fi
done
if ((worst)); then
    echo "fuzz_read_number   reading 1 MiB costs far more per byte than 4 KiB: not linear" >&2
    failed=1
else
    echo "fuzz_read_number   reading time linear in the length"
fi

exit "$failed"

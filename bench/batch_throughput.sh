#!/usr/bin/env bash
# Throughput and peak memory of coilwind-batch: generates a CSV of drum and rod designs, runs the
# tool over it from a pipe with the output thrown away, and prints rows per second and the peak
# resident set (GNU time). Ten times the rows at the same peak memory shows that it streams. The
# CPU time (user + system) and the load average beside it tell how much of the two cores the run
# had: on a busy machine rows per CPU second is the steadier figure.
#
#   bench/batch_throughput.sh [rows, default 1000000] [build dir, default build] [options...]
#
# Options after the build dir go to the tool, e.g. the current rating's:
#   bench/batch_throughput.sh 1000000 build --current 1 --ripple 0.3 --frequency 500
set -euo pipefail

rows=${1:-1000000}
build=${2:-build}
options=("${@:3}")
if [[ ! $rows =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 [rows] [build dir]" >&2
    exit 2
fi
cd "$(dirname "${BASH_SOURCE[0]}")/.."
tool=$build/coilwind-batch
[[ -x $tool ]] || { echo "$tool is missing: cmake --build $build --target coilwind-batch" >&2; exit 1; }
[[ -x /usr/bin/time ]] || { echo "needs GNU time (Debian package time)" >&2; exit 1; }

scratch=$(mktemp -d "${TMPDIR:-/tmp}/coilwind-batch-bench.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

generate() { # rows -> CSV on standard output
    awk -v rows="$1" 'BEGIN {
        print "model,core,A,B,D,F,mu,L"
        for (i = 0; i < rows; i++) {
            printf "KQ%d,%s,%.1f,%.1f,%d,%.1f,%d,%.1f\n", i, (i % 2 ? "R CORE" : "KQ CORE"),
                6 + (i % 50) / 10, 2 + (i % 30) / 10, 8 + i % 5, 5 + (i % 20) / 10,
                300 + i % 700, 1 + (i % 100) / 10
        }
    }'
}

measure() { # rows
    local input=$scratch/designs-$1.csv
    generate "$1" >"$input"
    # The tool reads the designs from a pipe: nothing can map the whole file.
    /usr/bin/time -v -o "$scratch/time.log" sh -c "cat '$input' | '$tool' ${options[*]:-} >/dev/null" ||
        [[ $? -eq 1 ]] # rows with an error are part of the load
    local seconds cpu kib
    seconds=$(sed -n 's/.*Elapsed (wall clock) time.*: //p' "$scratch/time.log" |
        awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; print s }')
    cpu=$(awk -F': ' '/(User|System) time \(seconds\)/ { s += $2 } END { print s }' "$scratch/time.log")
    kib=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$scratch/time.log")
    awk -v n="$1" -v s="$seconds" -v c="$cpu" -v k="$kib" -v load="$(cut -d' ' -f1 /proc/loadavg)" \
        'BEGIN { printf "%9d rows  %6.2f s  %8.0f rows/s  CPU %6.2f s (%7.0f rows per CPU s)  peak RSS %.1f MiB  load %s\n",
                 n, s, n / s, c, n / c, k / 1024, load }'
}

measure $((rows / 10))
measure "$rows"

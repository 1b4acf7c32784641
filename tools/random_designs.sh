#!/usr/bin/env bash
# Prints a CSV of random drum-core and rod-core designs for coilwind-batch: the same rows for the
# same seed on every machine (Park and Miller's minimal standard generator, exact in any awk's
# doubles), each design's numbers with up to three decimals over and beyond the useful ranges, so
# that most rows compute and some fault. The cross-platform checks feed these rows to each build
# and compare the bytes.
#
#   tools/random_designs.sh [rows, default 1000000] [seed, default 20261207]
set -euo pipefail
rows=${1:-1000000}
seed=${2:-20261207}
if [[ ! $rows =~ ^[0-9]+$ || ! $seed =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 [rows] [seed]" >&2
    exit 2
fi
awk -v rows="$rows" -v seed="$seed" '
function next_unit() { # uniform in [0, 1): x <- 16807 x mod (2^31 - 1)
    state = (state * 16807) % 2147483647
    return (state - 1) / 2147483646
}
function pick(low, high, decimals) {
    return sprintf("%.*f", decimals, low + next_unit() * (high - low))
}
BEGIN {
    state = seed % 2147483647
    print "model,core,A,B,D,F,mu,L"
    for (i = 0; i < rows; i++) {
        if (next_unit() < 0.5) { # drum: A flange, B post, D height, F winding width
            printf "D%d,KQ CORE,%s,%s,%s,%s,%s,%s\n", i, pick(1, 40, 2), pick(0.5, 30, 2),
                pick(2, 60, 1), pick(0.5, 30, 2), pick(5, 5000, 0), pick(0.1, 5000, 3)
        } else { # rod: A diameter, B length (the rod model wants B/A 2 to 10, mu 40 to 2300)
            printf "R%d,R CORE,%s,%s,%s,%s,%s,%s\n", i, pick(1, 12, 2), pick(2, 80, 2),
                pick(2, 60, 1), pick(0.5, 30, 2), pick(5, 3000, 0), pick(0.1, 5000, 3)
        }
    }
}'

#!/usr/bin/env bash
# Start-up time and peak memory of build/coilwind against the toolkit floor (build/coilwind_floor,
# the least Qt Widgets window with the same kinds of content), on a private Xvfb display.
#
#   bench/startup/measure.sh [runs]        # default 20 runs of each program
#
# Builds nothing: configure and build first (cmake -S . -B build -G Ninja && cmake --build build);
# COILWIND_BUILD_DIR picks another build folder. COILWIND_STARTUP_RAW=FILE keeps every run.
#
# Each run goes through build/coilwind_startup_probe, which spawns the program and watches the X
# server: "mapped" is exec to the window's MapNotify, "first paint" exec to the first drawing into
# it (DAMAGE extension); that is the start-up time the target is about. 300 ms after the first
# paint the program is killed and its peak RSS and CPU time are read from wait4() (as
# /usr/bin/time -f %M does). Xvfb runs 1024x768x24 at 96 dpi without a window manager and there is
# no D-Bus session bus. One warm-up run of each program is discarded, then the two alternate:
# program, floor, program, floor ...
set -euo pipefail

runs=${1:-20}
if ! [[ $runs =~ ^[1-9][0-9]*$ ]] || ((runs > 1000)); then
    echo "usage: $0 [runs]   (runs: 1..1000, default 20)" >&2
    exit 2
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${COILWIND_BUILD_DIR:-$root/build}
program=$build/coilwind
floor=$build/coilwind_floor
probe=$build/coilwind_startup_probe
settle_ms=300
timeout_ms=15000

missing=0
for exe in "$program" "$floor" "$probe"; do
    if [[ ! -x $exe ]]; then
        echo "missing: $exe" >&2
        missing=1
    fi
done
if ((missing)); then
    echo "Build first: cmake -S . -B build -G Ninja && cmake --build build" >&2
    echo "(coilwind_floor needs Qt 6 Widgets; coilwind_startup_probe also libx11-dev and" >&2
    echo " libxdamage-dev; both are built with the benchmarks, i.e. with Google Benchmark.)" >&2
    exit 1
fi
for tool in Xvfb awk sort; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "missing tool: $tool (Debian: apt-get install xvfb)" >&2
        exit 1
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/coilwind-startup.XXXXXX")
xvfb_pid=
cleanup() {
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# -displayfd lets the server pick a free display number and tell it.
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    if ! kill -0 "$xvfb_pid" 2>/dev/null; then
        echo "Xvfb did not start:" >&2
        cat "$work/xvfb.log" >&2
        exit 1
    fi
    sleep 0.1
done
if [[ ! -s $work/display ]]; then
    echo "Xvfb gave no display number within 10 s" >&2
    exit 1
fi
display=:$(tr -d '[:space:]' <"$work/display")

# The same environment for both programs: this display, the X11 platform at scale 1, a private
# runtime folder (keeps Qt quiet about XDG_RUNTIME_DIR) and no D-Bus session bus. Without an
# address, libdbus forks to try `dbus-launch --autolaunch` while the program waits; an address
# that cannot be reached fails at once.
mkdir -m 0700 "$work/runtime"
export DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/runtime \
    DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-session-bus
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING \
    QT_FONT_DPI QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE WAYLAND_DISPLAY

results=$work/runs.tsv
printf 'run\tprogram\tmapped_ms\tpainted_ms\tmax_rss_kib\tcpu_ms\n' >"$results"

measure() { # run-number name executable
    local line
    if ! line=$("$probe" --settle-ms "$settle_ms" --timeout-ms "$timeout_ms" \
        --log "$work/$2.log" -- "$3"); then
        echo "run $1 of $2 failed; its output:" >&2
        tail -n 20 "$work/$2.log" >&2
        exit 1
    fi
    # mapped_ms=.. painted_ms=.. max_rss_kib=.. cpu_ms=..
    awk -v run="$1" -v name="$2" '{
        for (i = 1; i <= NF; ++i) { split($i, kv, "="); v[kv[1]] = kv[2] }
        printf "%s\t%s\t%s\t%s\t%s\t%s\n", run, name, v["mapped_ms"], v["painted_ms"],
               v["max_rss_kib"], v["cpu_ms"]
    }' <<<"$line" >>"$results"
}

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
echo "Measuring $runs runs each on $display (plus one warm-up) ..." >&2
measure 0 coilwind "$program"
measure 0 floor "$floor"
for ((run = 1; run <= runs; ++run)); do
    measure "$run" coilwind "$program"
    measure "$run" floor "$floor"
done
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

if [[ -n ${COILWIND_STARTUP_RAW:-} ]]; then
    cp "$results" "$COILWIND_STARTUP_RAW"
fi

# Quantile q of column col for one program, over the measured runs (warm-up excluded).
quantile() { # name column q
    awk -F'\t' -v name="$1" -v col="$2" 'NR > 1 && $1 > 0 && $2 == name { print $col }' \
        "$results" | sort -g | awk -v q="$3" '
        { v[NR] = $1 }
        END {
            if (NR == 0) { print "nan"; exit }
            p = 1 + (NR - 1) * q; i = int(p); f = p - i
            print (i < NR) ? v[i] + f * (v[i + 1] - v[i]) : v[NR]
        }'
}

qt_lib=$(ldd "$program" 2>/dev/null | awk '/libQt6Core/ { print $3; exit }' || true)
qt_version=
if [[ -n $qt_lib ]]; then
    qt_version=$(basename "$(readlink -f "$qt_lib")" | sed -n 's/^libQt6Core\.so\.//p')
fi
cpu_model=$(awk -F': *' '/^model name/ { print $2; exit }' /proc/cpuinfo)

echo
echo "Machine: $(nproc) CPUs, ${cpu_model:-unknown CPU}; Qt ${qt_version:-?}; $(uname -sr)"
echo "Display: Xvfb 1024x768x24, 96 dpi, no window manager, no D-Bus session bus"
echo "Load average: ${load_before} before, ${load_after} after"
if awk -v load="${load_before%% *}" -v cpus="$(nproc)" 'BEGIN { exit !(load > cpus / 2) }'; then
    echo "NOTE: the machine was busy before the runs; wall times are then inflated and noisy"
    echo "      (CPU times much less so): repeat on a quiet machine."
fi
echo "Runs: $runs of each, interleaved, after one warm-up each; kill ${settle_ms} ms after first paint"
echo
printf '%-26s %12s %12s %8s %8s\n' "median (IQR)" coilwind floor ratio target
row() { # label column scale target
    local p f p25 p75 f25 f75
    p=$(quantile coilwind "$2" 0.5)
    f=$(quantile floor "$2" 0.5)
    p25=$(quantile coilwind "$2" 0.25)
    p75=$(quantile coilwind "$2" 0.75)
    f25=$(quantile floor "$2" 0.25)
    f75=$(quantile floor "$2" 0.75)
    awk -v label="$1" -v p="$p" -v f="$f" -v s="$3" -v target="$4" \
        -v p25="$p25" -v p75="$p75" -v f25="$f25" -v f75="$f75" 'BEGIN {
        ratio = p / f
        verdict = target == "" ? "" : (ratio <= target ? "<= " target " ok" : "> " target " MISSED")
        printf "%-26s %12.1f %12.1f %8.3f  %s\n", label, p / s, f / s, ratio, verdict
        printf "%-26s %12s %12s\n", "", sprintf("%.1f-%.1f", p25 / s, p75 / s),
               sprintf("%.1f-%.1f", f25 / s, f75 / s)
    }'
}
row "start-up, first paint (ms)" 4 1 1.25
row "window mapped (ms)" 3 1 ""       # for information: the window is still empty then
row "peak RSS (MiB)" 5 1024 1.3
row "CPU time, user+sys (ms)" 6 1 ""

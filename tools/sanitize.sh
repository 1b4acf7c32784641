#!/usr/bin/env bash
# Builds everything the project has (calculation core, window, tests, tools) with g++ under
# AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer into build-asan/, then runs the
# whole test suite headless. Any sanitizer report fails the run.
#
#   tools/sanitize.sh
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$PWD
build=$root/build-asan

for tool in cmake ninja g++; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "$tool is missing: run tools/setup.sh test first, it installs what the build needs." >&2
        exit 1
    fi
done

sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

# Reports stop the process with a failing exit status. The same settings apply while building,
# since the build runs an instrumented tool (the picture renderer).
export ASAN_OPTIONS="halt_on_error=1:print_stacktrace=1:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:report_error_type=1"
# Should a system library (fontconfig, Qt's plugins) ever keep memory for the life of the process,
# name that library, and only it, in tools/sanitizer/lsan.supp; project code is never suppressed.
suppressions=$root/tools/sanitizer/lsan.supp
if [[ -f $suppressions ]]; then
    export LSAN_OPTIONS="suppressions=$suppressions:print_suppressions=0"
fi
export QT_QPA_PLATFORM=offscreen

# Debug: no optimiser warnings that only appear together with the instrumentation, and every
# assertion on.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=g++ -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="$sanitizers" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DCOILWIND_WITH_FUZZERS=OFF -DBUILD_TESTING=ON -DCOILWIND_WARNINGS_AS_ERRORS=ON
cmake --build "$build"

ctest --test-dir "$build" --output-on-failure --timeout 600 -j "$(nproc)"

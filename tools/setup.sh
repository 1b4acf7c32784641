#!/usr/bin/env bash
# Installs what the build needs (Debian/Ubuntu), configures and builds, then either opens the
# calculator (`run`) or runs the whole test suite headless (`test`).
set -euo pipefail

mode=${1:-}
if [[ $mode != run && $mode != test ]]; then
    echo "usage: $0 run|test" >&2
    exit 2
fi
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source tools/packages.sh

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev libqt6svg6
    qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools # lupdate/lrelease: the text catalogues (i18n/)
    libfast-float-dev libfmt-dev               # decimal text to a double and back (calc/)
    libgtest-dev libbenchmark-dev
    desktop-file-utils appstream dpkg-dev file lintian # menu entry checks, Debian package
    xvfb libx11-dev libxdamage-dev             # start-up benchmark (bench/startup)
    time                                       # coilwind-batch throughput (bench/batch_throughput.sh)
    fonts-wqy-microhei # Chinese captions in Simplified Chinese forms
    poppler-utils      # pdftotext and pdfinfo: the design sheet's tests read its PDF
    nodejs             # writes the text catalogues as the page's table (tools/catalogue_table.js)
)

if ! has_apt; then
    echo "This script installs with apt-get (Debian 12 / Ubuntu). On this system install:" >&2
    echo "  ${packages[*]}" >&2
    echo "(CMake >= 3.25, Ninja, a C++20 compiler, Qt 6.4 Widgets/Svg/Test, GoogleTest," >&2
    echo " Google Benchmark, fast_float, a CJK font), then run:" >&2
    echo "  cmake -S . -B build -G Ninja && cmake --build build" >&2
    exit 1
fi
install_missing_packages "${packages[@]}"

# COILWIND_CMAKE_ARGS: extra configure options, split at blanks (CI passes
# -DCOILWIND_WARNINGS_AS_ERRORS=ON).
read -r -a cmake_args <<<"${COILWIND_CMAKE_ARGS:-}"
cmake -S . -B build -G Ninja "${cmake_args[@]}"
cmake --build build

if [[ $mode == run ]]; then
    if [[ ! -x build/coilwind ]]; then
        echo "build/coilwind is missing: Qt 6 was not found, only the calculation core was built." >&2
        exit 1
    fi
    exec build/coilwind
fi
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure

#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program or runs the tests.
#   scripts/morvelle.sh start      build and start Morvelle 3
#   scripts/morvelle.sh test       build and run every test
#   scripts/morvelle.sh shots DIR  build and render every screen to PNG files in DIR
#   scripts/morvelle.sh bench ...  build and run the benchmark (options: see README)
#   scripts/morvelle.sh package    build the Debian package morvelle3_<version>_amd64.deb in this folder
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(cmake g++ make qt6-base-dev qt6-svg-dev libqt6svg6 qt6-translations-l10n fonts-liberation2 poppler-utils qt6-wayland libxcb1-dev python3)

install_missing() { # extra packages...
    local missing=()
    for p in "${PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "$0: needs root or sudo to install the missing packages: ${missing[*]}" >&2
            exit 1
        fi
        sudo="sudo"
    fi
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
}

build() { # build-folder, extra cmake options...
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j"$(nproc)"
}

case "${1:-}" in
start)
    install_missing
    build build
    exec ./build/morvelle3
    ;;
test)
    install_missing
    build build
    cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure
    ;;
shots)
    install_missing
    build build
    ./build/morvelle3-shots "${2:?where to write the pictures}"
    ;;
bench)
    install_missing
    build build
    shift
    ./build/morvelle3-bench "$@"
    ;;
package)
    install_missing dpkg-dev file # CPack asks dpkg-shlibdeps for the libraries' packages
    build build
    rm -f build/package/*.deb ./morvelle3_*_amd64.deb
    (cd build && cpack -G DEB -B package >/dev/null)
    cp build/package/morvelle3_*_amd64.deb .
    ls morvelle3_*_amd64.deb
    ;;
*)
    echo "usage: $0 start | test | shots DIR | bench [--short] [--runs R] [--cycles N] [--display] | package" >&2
    exit 2
    ;;
esac

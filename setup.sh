#!/usr/bin/env bash
# Sets up a Debian 12 machine for Tensimo, builds it, and then runs the program, the tests,
# the benchmarks or a sanitizer build of the tests.
#   ./setup.sh run | test | bench | sanitize
set -euo pipefail
cd "$(dirname "$0")"

action=${1:-run}
jobs=$(nproc)

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libssl-dev
    libgtest-dev libbenchmark-dev
    fonts-liberation fonts-dejavu-core
    poppler-utils
    qt6-translations-l10n
)

install_missing_packages() {
    local missing=()
    for package in "${packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$dir" -j "$jobs"
}

install_missing_packages

case "$action" in
run)
    build build
    exec build/bin/tensimo
    ;;
test)
    build build
    cd build
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs"
    ;;
bench)
    build build-bench -DCMAKE_BUILD_TYPE=Release -DTENSIMO_BUILD_BENCH=ON
    for program in build-bench/bin/*_bench; do
        echo "== $program"
        QT_QPA_PLATFORM=offscreen "$program"
    done
    ;;
sanitize)
    build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTENSIMO_SANITIZE=ON
    cd build-sanitize
    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j "$jobs"
    ;;
*)
    echo "usage: $0 run|test|bench|sanitize" >&2
    exit 2
    ;;
esac

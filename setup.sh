#!/usr/bin/env bash
# Sets up a Debian 12 machine for Tensimo, builds it, and then runs the program, the tests,
# the benchmarks, a sanitizer build of the tests or the fuzz targets (GIF codec, native chart files,
# metafile pictures, PDF picture readers).
#   ./setup.sh run | test | bench | sanitize | fuzz
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
    librsvg2-bin libxml2-utils ghostscript qpdf libjpeg-turbo-progs qt6-svg-dev
    giflib-tools gifsicle imagemagick netpbm
    clang-14 libfuzzer-14-dev libgif-dev
    libpng-dev libpng16-16 libjpeg-dev pngcheck libjpeg-turbo-progs
    qt6-translations-l10n
    python3
    locales
    python3-xlrd libxml2-utils emf2svg libwmf-bin librsvg2-bin
    libemf2svg-dev libwmf-dev
    xdg-utils
    xvfb openbox
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

# A build folder copied with its checkout still names the source folder it was configured from, and
# CMake refuses it; such a folder is configured afresh.
forget_foreign_configuration() {
    local dir=$1 cache=$1/CMakeCache.txt configured
    [ -f "$cache" ] || return 0
    configured=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$cache")
    [ -n "$configured" ] && [ "$(cd "$configured" 2>/dev/null && pwd -P)" = "$(pwd -P)" ] && return 0
    echo "$dir/ was configured from ${configured:-another folder}; configuring it afresh for $(pwd -P)"
    rm -rf "$cache" "$dir/CMakeFiles"
}

build() {
    local dir=$1
    shift
    forget_foreign_configuration "$dir"
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$dir" -j "$jobs"
}

# One test program runs under de_DE.UTF-8 (number texts under a German system locale); Debian
# builds a locale only once /etc/locale.gen names it.
generate_test_locale() {
    locale -a 2>/dev/null | grep -ix 'de_DE.utf8' >/dev/null && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    if grep -q '^# *de_DE.UTF-8 UTF-8' /etc/locale.gen; then
        "${sudo[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    elif ! grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen; then
        echo 'de_DE.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    fi
    "${sudo[@]}" locale-gen
}

install_missing_packages
generate_test_locale

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
fuzz)
    # clang with libFuzzer, ASan and UBSan; each target runs 60 s from seeds our own encoders write.
    build build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 -DTENSIMO_FUZZ=ON -DTENSIMO_BUILD_TESTS=OFF
    rm -rf build-fuzz/corpus build-fuzz/findings
    mkdir -p build-fuzz/findings
    build-fuzz/bin/gif_fuzz_seeds build-fuzz/corpus
    for target in load lzw roundtrip paint; do
        echo "== gif_${target}_fuzzer"
        build-fuzz/bin/gif_${target}_fuzzer -max_total_time=60 -timeout=1 -rss_limit_mb=2048 \
            -print_final_stats=1 -artifact_prefix="build-fuzz/findings/${target}-" "build-fuzz/corpus/${target}"
    done
    # The native chart file reader, seeded by our own saves; the chart library draws offscreen.
    QT_QPA_PLATFORM=offscreen build-fuzz/bin/native_fuzz_seeds build-fuzz/corpus
    for target in native_binary native_text; do
        echo "== ${target}_fuzzer"
        QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 build-fuzz/bin/${target}_fuzzer -max_total_time=60 \
            -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="build-fuzz/findings/${target}-" \
            "build-fuzz/corpus/${target}"
    done
    # The metafile picture class (EMF and WMF back images), seeded by our own exports.
    echo "== metafile_fuzzer"
    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 build-fuzz/bin/metafile_fuzzer -max_total_time=60 \
        -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="build-fuzz/findings/metafile-" \
        build-fuzz/corpus/metafile
    # One extreme number in the demo chart, read and drawn: a hang or runaway allocation is a finding.
    echo "== native_values_fuzzer"
    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 build-fuzz/bin/native_values_fuzzer -max_total_time=60 \
        -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="build-fuzz/findings/native_values-" \
        build-fuzz/corpus/native_values
    echo "== pdf_picture_fuzzer"
    QT_QPA_PLATFORM=offscreen build-fuzz/bin/pdf_picture_fuzz_seeds build-fuzz/corpus
    build-fuzz/bin/pdf_picture_fuzzer -max_total_time=60 -timeout=1 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="build-fuzz/findings/pdf-picture-" build-fuzz/corpus/pdf_picture
    ;;
*)
    echo "usage: $0 run|test|bench|sanitize|fuzz" >&2
    exit 2
    ;;
esac

#!/usr/bin/env bash
# Installs what Korvel needs (Debian packages), builds it, then runs it or its test suite.
#   tools/korvel.sh run        build and start Korvel
#   tools/korvel.sh test       build and pass the whole test suite
#   tools/korvel.sh sanitize   the same suite built by clang with AddressSanitizer and
#                              UndefinedBehaviorSanitizer (in build-sanitize/), fuzz targets included
set -euo pipefail

mode=${1:-}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"
configure_options=()

packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-qpa-plugins libqt6opengl6-dev libgl-dev libglu1-mesa-dev
          libgl1-mesa-dri xvfb xauth fonts-dejavu-core fonts-liberation2 googletest libgtest-dev libbenchmark-dev
          libdxflib-dev python3-ezdxf admesh python3-sympy libxcb1-dev
          libeigen3-dev python3-numpy dpkg-dev desktop-file-utils poppler-utils)
# Only the sanitizer suite needs clang and its runtimes (libFuzzer among them).
sanitize_packages=(clang libclang-rt-14-dev)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Builds the given targets, or everything.
compile_targets() {
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    [ -f "$build/build.ninja" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        "${launcher[@]}" "${configure_options[@]}"
    cmake --build "$build" -j "$(nproc)" ${1:+--target "$@"}
}

# Runs a command on the display, or on a virtual one when there is none. The virtual server must
# not reset when its last client leaves, or a test starting at that moment finds no display.
on_display() {
    if [ -n "${DISPLAY:-}" ]; then "$@"; else xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$@"; fi
}

case "$mode" in
    run)
        install_missing
        compile_targets korvel
        cd "$root"
        on_display "$build/src/app/korvel"
        ;;
    test)
        install_missing
        compile_targets
        cd "$build"
        on_display ctest --output-on-failure --timeout 600 -j "$(nproc)"
        ;;
    sanitize)
        packages+=("${sanitize_packages[@]}")
        install_missing
        build="$root/build-sanitize"
        # Line tables are all a sanitizer report needs, and -O1 keeps its stacks whole; both build faster.
        configure_options=(-DCMAKE_CXX_COMPILER=clang++ -DKORVEL_SANITIZE=ON
                           "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -gline-tables-only")
        compile_targets
        cd "$build"
        # Leaks are reported only where they are ours: the suppressions name system libraries.
        export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1
        export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
        export LSAN_OPTIONS="suppressions=$root/tests/sanitize/lsan_suppressions.txt:print_suppressions=0"
        on_display ctest --output-on-failure --timeout 900 -j "$(nproc)"
        ;;
    *)
        echo "usage: $0 run|test|sanitize" >&2
        exit 2
        ;;
esac

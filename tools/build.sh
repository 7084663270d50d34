#!/usr/bin/env bash
# Sets up a Debian 12 machine for ZEB, builds it and runs it or its tests.
#   tools/build.sh run    install what is missing, build, start the program
#   tools/build.sh test   install what is missing, build, run every test (no display needed): the
#                         suite in the normal build and in the sanitizer build, then the fuzzers
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-run}
packages=(cmake make g++ qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev fonts-liberation)
if [ "$mode" = test ]; then
    packages+=(qt6-base-private-dev appstream desktop-file-utils clang libclang-rt-dev valgrind lintian dpkg-dev
        orca at-spi2-core dbus dbus-x11 xvfb xdotool openbox python3)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake --preset default
cmake --build build --parallel "$(nproc)"

case "$mode" in
run) exec ./build/src/zeb ;;
test)
    (cd build && ctest --output-on-failure --parallel "$(nproc)")
    # Any AddressSanitizer, LeakSanitizer or UndefinedBehaviorSanitizer report fails its test.
    cmake --preset sanitize
    cmake --build build-sanitize --parallel "$(nproc)"
    (cd build-sanitize && ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --output-on-failure --parallel "$(nproc)")
    exec bash tools/fuzz.sh "${ZEB_FUZZ_SECONDS:-60}"
    ;;
*) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

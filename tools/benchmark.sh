#!/usr/bin/env bash
# Prints the program's speed and memory figures (no display needed; about 20 s).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build >/dev/null
cmake --build build --target zeb_benchmark --parallel "$(nproc)" >/dev/null
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.qpa.*=false'
for run in 1 2 3; do ./build/tools/benchmark/zeb_benchmark startup; done
./build/tools/benchmark/zeb_benchmark
for window in zeb1701 zeb1705 zeb1707 zeb1710 zeb1702 sobre; do
    ./build/tools/benchmark/zeb_benchmark memory "$window"
done

#!/usr/bin/env bash
# Prints the program's speed and memory figures (no display needed; about 15 s).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build >/dev/null
cmake --build build --target zeb_benchmark --parallel "$(nproc)" >/dev/null
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.qpa.*=false'
for run in 1 2 3; do ./build/tools/benchmark/zeb_benchmark startup; done
./build/tools/benchmark/zeb_benchmark picture
./build/tools/benchmark/zeb_benchmark

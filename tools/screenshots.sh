#!/usr/bin/env bash
# Renders the windows shown in the README into docs/screenshots (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build >/dev/null
cmake --build build --target zeb_screenshots --parallel "$(nproc)" >/dev/null
QT_QPA_PLATFORM=offscreen ./build/tools/screenshots/zeb_screenshots docs/screenshots
ls docs/screenshots

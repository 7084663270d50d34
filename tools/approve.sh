#!/usr/bin/env bash
# Writes the approved record of the window states anew (tests/approved), after an intended
# change; review it with git diff (and the pictures with any image viewer) before committing.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build >/dev/null
cmake --build build --target tst_states --parallel "$(nproc)" >/dev/null
mkdir -p tests/approved
cd build/tests
ZEB_APPROVE=1 QT_QPA_PLATFORM=offscreen ./tst_states >/dev/null
for screen in netbook portrait; do
    ZEB_APPROVE=1 QT_QPA_PLATFORM=offscreen:configfile=../../tests/support/$screen-screen.json \
        ./tst_states >/dev/null
done
cd ../..
git status --short tests/approved

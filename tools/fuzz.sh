#!/usr/bin/env bash
# Builds the libFuzzer target of the answer checks (clang) and runs it for a while, starting from
# its seed corpus in tests/fuzz/corpus/answers; a crash, a hang or a sanitizer report fails.
#   tools/fuzz.sh [seconds, 60 unless given]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

cmake --preset fuzz >/dev/null
cmake --build build-fuzz --parallel "$(nproc)" --target fuzz_answers >/dev/null

work=$(mktemp -d)
cp tests/fuzz/corpus/answers/* "$work"/
if ./build-fuzz/tests/fuzz/fuzz_answers -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$work/" "$work" >"$work.log" 2>&1; then
    echo "fuzz_answers: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$work.log")"
    echo "fuzzing: 1 passed, 0 failed"
else
    tail -n 60 "$work.log"
    echo "fuzz_answers FAILED; the input that fails is in $work/"
    echo "fuzzing: 0 passed, 1 failed"
    exit 1
fi

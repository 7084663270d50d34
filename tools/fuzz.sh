#!/usr/bin/env bash
# Builds the libFuzzer targets of the exercise logic (clang) and runs each for a while, starting
# from its seed corpus in tests/fuzz/corpus; a crash, a hang or a sanitizer report fails.
#   tools/fuzz.sh [seconds per target, 60 unless given]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
targets=(drillcheck picturecheck accentkeys sentence)

cmake --preset fuzz >/dev/null
cmake --build build-fuzz --parallel "$(nproc)" --target "${targets[@]/#/fuzz_}" >/dev/null

passed=0
failed=0
for target in "${targets[@]}"; do
    work=$(mktemp -d)
    cp tests/fuzz/corpus/"$target"/* "$work"/
    if ./build-fuzz/tests/fuzz/fuzz_"$target" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -artifact_prefix="$work/" "$work" >"$work.log" 2>&1; then
        echo "fuzz_$target: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$work.log")"
        passed=$((passed + 1))
    else
        tail -n 60 "$work.log"
        echo "fuzz_$target FAILED; the input that fails is in $work/"
        failed=$((failed + 1))
    fi
done
echo "fuzzing: $passed passed, $failed failed"
[ "$failed" -eq 0 ]

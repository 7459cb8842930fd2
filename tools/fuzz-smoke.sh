#!/usr/bin/env bash
# Builds every fuzz target of fuzz/ and runs each for a few seconds on its seeds (fuzz/seeds.sh),
# several at once: a target that no longer builds, or that stops with a finding before its time
# is up, fails.
#   tools/fuzz-smoke.sh [build-dir]      (default build-fuzz)
# A build folder that does not exist yet is configured with clang and ZOMEL_FUZZ on
# (ZOMEL_CMAKE_ARGS goes to the configuration); an existing one must have ZOMEL_FUZZ on, with or
# without ZOMEL_SANITIZE.  FUZZ_SMOKE_SECONDS (5) is each target's time, FUZZ_SMOKE_JOBS
# (the cores) how many build and run at once.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
build=${1:-build-fuzz}
seconds=${FUZZ_SMOKE_SECONDS:-5}
jobs=${FUZZ_SMOKE_JOBS:-$(nproc)}

if [ ! -f "$build/CMakeCache.txt" ]; then
    # The arguments are words of their own.
    # shellcheck disable=SC2086
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOMEL_FUZZ=ON \
        -DZOMEL_BENCH=OFF -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
        ${ZOMEL_CMAKE_ARGS:-} || exit 1
fi
if ! grep -q '^ZOMEL_FUZZ:BOOL=ON' "$build/CMakeCache.txt"; then
    echo "fuzz-smoke: $build is not configured with -DZOMEL_FUZZ=ON" >&2
    exit 1
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/fuzz-smoke-XXXXXX")
targets=$(for source in fuzz/*.cpp; do basename "$source" .cpp; done)

# One target at a time, so that a target that does not build is named; what they share is
# built once.
built=()
for target in $targets; do
    if cmake --build "$build" -j"$jobs" --target "fuzz_$target" >"$work/$target.log" 2>&1; then
        built+=("$target")
    else
        echo "build failed" >"$work/$target.status"
    fi
done

# A finding's input is written beside the target's log, not into the current folder.
run_one() {
    local target=$1 dir=$work/$1
    mkdir -p "$dir/corpus"
    if ! fuzz/seeds.sh "$target" "$dir/corpus" >>"$dir.log" 2>&1; then
        echo "seeds failed" >"$dir.status"
        return
    fi
    if "$build/bin/fuzz_$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=30 \
        -artifact_prefix="$dir/" "$dir/corpus" >>"$dir.log" 2>&1; then
        echo ok >"$dir.status"
    else
        echo "stopped early (status $?)" >"$dir.status"
    fi
}
export -f run_one
export build work seconds
export LSAN_OPTIONS="suppressions=$PWD/tools/sanitize/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
printf '%s\n' "${built[@]}" | xargs -r -P"$jobs" -I{} bash -c 'run_one "$1"' _ {}

passed=0
failed=0
for target in $targets; do
    status=$(cat "$work/$target.status" 2>/dev/null || echo "did not run")
    if [ "$status" = ok ]; then
        passed=$((passed + 1))
        continue
    fi
    failed=$((failed + 1))
    echo "=== fuzz_$target: $status"
    tail -n 40 "$work/$target.log"
done
echo "fuzz-smoke: $passed passed, $failed failed"
if [ "$failed" -gt 0 ]; then
    echo "fuzz-smoke: the logs and the findings (crash-*) are kept in $work"
    exit 1
fi
rm -rf "$work"

#!/usr/bin/env bash
# Checks that tools/run.sh builds the program target, and that the program target builds
# what the program needs to run and no test or benchmark.  Argument: the build folder.
set -euo pipefail
build="$1"
here="$(cd "$(dirname "$0")" && pwd)"
grep -Eq '^tools/setup\.sh program$' "$here/run.sh" ||
  { echo "run.sh does not build the program target alone"; exit 1; }
commands="$(ninja -C "$build" -t commands program)"
status=0
for made in bin/zomelbuilder bin/libveldosign.so bin/regsvr; do
  grep -q -- "-o $made " <<<"$commands" || { echo "the program target does not make $made"; status=1; }
done
grep -q "copy_directory" <<<"$commands" ||
  { echo "the program target does not copy the resources"; status=1; }
if grep -oE -- "-o bin/(test|bench)_[^ ]*" <<<"$commands"; then
  echo "the program target builds tests or benchmarks"
  status=1
fi
exit $status

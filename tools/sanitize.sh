#!/usr/bin/env bash
# Builds the project with clang, the second compiler, under the address and undefined-behaviour
# sanitizers into build-san/ and runs every test there; arguments go to ctest (say
# -R PrinterTest), or --build-only builds and runs nothing; ZOMEL_CMAKE_ARGS goes to the
# configuration.  The benchmarks are left out: their timings mean nothing there.  The packages
# are those tools/setup.sh installs.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOMEL_WERROR=ON \
      -DZOMEL_SANITIZE=ON -DZOMEL_BENCH=OFF -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_C_COMPILER=clang ${ZOMEL_CMAKE_ARGS:-}
cmake --build build-san -j"$(nproc)"
[ "${1:-}" = "--build-only" ] && exit 0
QT_QPA_PLATFORM=offscreen ctest --test-dir build-san --output-on-failure -j"$(nproc)" "$@"

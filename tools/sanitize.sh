#!/usr/bin/env bash
# Builds the project under the address and undefined-behaviour sanitizers into build-san/ and
# runs every test there; arguments go to ctest (say -R PrinterTest).  The packages are those
# tools/setup.sh installs.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOMEL_WERROR=ON \
      -DZOMEL_SANITIZE=ON
cmake --build build-san -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-san --output-on-failure -j"$(nproc)" "$@"

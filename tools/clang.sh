#!/usr/bin/env bash
# Builds the project with clang, the second compiler, into build-clang/ and runs every test
# there; arguments go to ctest (say -R PriceRunTest).  The packages are those tools/setup.sh
# installs.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-clang -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOMEL_WERROR=ON \
      -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang
cmake --build build-clang -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-clang --output-on-failure -j"$(nproc)" "$@"

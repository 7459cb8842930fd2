#!/usr/bin/env bash
# Installs the Debian packages the project needs (when missing) and builds it into build/:
# the targets named as arguments, or everything, the tests and benchmarks too, without any.
# ZOMEL_CMAKE_ARGS adds options to the configuration; ZOMEL_PACKAGES_READY=1 skips the
# package check (CI has just made it).
set -euo pipefail
cd "$(dirname "$0")/.."

[ -n "${ZOMEL_PACKAGES_READY:-}" ] || tools/packages.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOMEL_WERROR=ON ${ZOMEL_CMAKE_ARGS:-}
if [ $# -gt 0 ]; then
  cmake --build build -j"$(nproc)" --target "$@"
else
  cmake --build build -j"$(nproc)"
fi

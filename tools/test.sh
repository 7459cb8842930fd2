#!/usr/bin/env bash
# Sets up, builds and runs every test through CTest; arguments go to ctest (say -L x-server).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)" "$@"

#!/usr/bin/env bash
# Sets up, builds what the program needs to run (not the tests) and starts ZomelBuilder.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh program
exec build/bin/zomelbuilder "$@"

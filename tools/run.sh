#!/usr/bin/env bash
# Sets up, builds and starts ZomelBuilder.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
exec build/bin/zomelbuilder "$@"

#!/bin/sh
# Runs a desktop file's own checker on it: checked-by.sh <checker> <arguments...>.
# Exit 77 (skipped) when the checker is not installed.
checker=$1
if ! command -v "$checker" > /dev/null; then
    echo "$checker is not installed (desktop-file-utils, appstream): not checked"
    exit 77
fi
exec "$@"

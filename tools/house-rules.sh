#!/usr/bin/env bash
# Fails when the tree or its history breaks a house rule that the compiler cannot keep:
#  - the code, tests, file names, documents and commit messages cite the program's design
#    documents by their section numbers or file names (only the issues do);
#  - a layout kind (a sign's SegmentType, a priced sign's Layout) is compared with a bare
#    number instead of a LayoutKind;
#  - in the estimate, a grid column (of a cell, a column width, the column count, a price
#    line's cells) is indexed or compared by a bare number instead of a PriceLine column name;
#  - window code calls the system (files, processes) itself instead of through platform/os;
# Runs from any folder of a checkout; needs git only.
set -uo pipefail
cd "$(dirname "$0")/.."

failed=0
report() {  # report <what> <hits>
  [ -n "$2" ] || return 0
  printf 'house rule broken: %s\n%s\n\n' "$1" "$2"
  failed=1
}

# The design documents' section numbers and file names.  Written so that this file does not
# match itself.
cites='\bParts? [0-9]+\.[0-9]+\b|\bpiece-0[0-9]|shared/spe[c]|\boverview\.md\b'
report "a design document cited in the tree (say what the code does instead)" \
  "$(git grep -nIiE "$cites" -- . | head -n 20)"
report "a design document cited in a file name" \
  "$(git ls-files | grep -iE "$cites|(^|/)piece[-_]?[0-9]" | head -n 20)"
# Every commit is checked; in a shallow clone, the commits it has.
report "a design document cited in a commit message" \
  "$(git log --format='%h %s%n%b' HEAD | grep -iE "$cites" | head -n 20)"

# A layout kind compared with a number, either way round, or cast to one to be compared.
kind='\b(SegmentType|Layout|LayoutKind)\b(\(\))?'
op='(==|!=|<=|>=|<|>)'
report "a layout kind compared with a bare number (compare with LayoutKind::...)" \
  "$(git grep -nIE "$kind\s*$op\s*-?[0-9]|[0-9]\s*$op\s*[A-Za-z_.()>-]*$kind|static_cast<[^>]*>\([^;]*$kind\)\s*$op\s*-?[0-9]" \
       -- '*.cpp' '*.h' | head -n 20)"

# An estimate grid column by number: the column argument of a cell, a selected column or a
# column width, the column count compared either way round, a price line's cell.
column='TextMatrix\([^,;]*,\s*[0-9]+\s*[,)]|\b(Set)?Col(Width)?\(\s*[0-9]+\s*[,)]|\bCells\[\s*[0-9]+\s*\]'
count="\bCols\(\)\s*($op|-)\s*[0-9]|[0-9]\s*$op\s*[A-Za-z_.()>-]*\bCols\(\)"
report "an estimate grid column indexed or compared by a bare number (use PriceLine::k...)" \
  "$(git grep -nIE "$column|$count" -- 'estimate/*.cpp' 'estimate/*.h' | head -n 20)"

# The windows reach files and processes through platform/os, which keeps the system's calls in
# one place.
posix='#include <(unistd|fcntl|dirent|spawn)\.h>|#include <sys/|\b(opendir|readdir|mkstemp|getpid|fork|popen)\s*\(|(::|\b)l?stat\s*\('
report "window code calling the system directly (add or use an os:: function)" \
  "$(git grep -nIE "$posix" -- editor catalogue estimate modelspec | head -n 20)"

exit $failed

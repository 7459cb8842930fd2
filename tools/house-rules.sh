#!/usr/bin/env bash
# Fails when the tree or its history breaks a house rule that the compiler cannot keep:
#  - the code, tests, file names, documents and commit messages cite the program's design
#    documents by their section numbers or file names (only the issues do);
#  - a layout kind (a sign's SegmentType, a priced sign's Layout) is compared with a bare
#    number instead of a LayoutKind;
#  - in the estimate, a grid column (of a cell, a column width, the column count, a price
#    line's cells) is indexed or compared by a bare number instead of a PriceLine column name;
#  - window code calls the system (files, processes) itself instead of through platform/os;
#  - a module gap or a sign limit (rows, columns, modules) is written as a bare number where
#    core/ModuleFigures.h names it;
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

# The module gap and the sign's limits have their names in core/ModuleFigures.h: a display
# gap set or compared as a bare 3; a count of rows, columns or modules compared with, or a
# limit of them defined as, a bare 6, 20, 25, 60 or 75.  The display control itself and the
# tests (which state the figures they expect) are outside the rule.
system=(core editor modelspec catalogue estimate app ':!core/ModuleFigures.h')
gap='SegSep[XY]\b[^;]*[^.[:alnum:]_]3\b([^.]|$)'
word='[A-Za-z_]*'
rows="\b$word(Rows|YZomelCount)$word\b(\(\))?"
columns="\b$word(Columns|XZomelCount)$word\b(\(\))?"
modules="(\b$word[Mm]odules$word\b(\(\))?|[[:alnum:]_)]\s*\*\s*[[:alnum:]_.()>-]+)"
compared() {  # compared <count> <bare figures>: either way round
  printf '%s' "$1\s*$op\s*($2)\b([^.]|$)|[^.[:alnum:]_]($2)\s*$op\s*[A-Za-z_.()>-]*$1"
}
defined="constexpr[^=]*\bk$word(Row|Column|Module)$word\s*=\s*(6|20|25|60|75)\s*;"
set="SetMax(Columns|Rows)\(\s*[0-9]|Max(Columns|Rows)\(\)[^;]*return\s+[0-9]|\b(Max(Columns|Rows)|[XY]ZomelCount)_?\s*=\s*(6|20|25)\s*;"
report "a module gap as a bare number (use kModuleGap)" \
  "$(git grep -nIE "$gap" -- "${system[@]}" | head -n 20)"
report "a sign limit as a bare number (use the names of core/ModuleFigures.h)" \
  "$(git grep -nIE "$(compared "$rows" 6)|$(compared "$columns" '20|25')|$(compared "$modules" '60|75')|$defined|$set" \
       -- "${system[@]}" | head -n 20)"

exit $failed

#!/bin/sh
# Checks one manual page: groff must render it without a single warning,
# for a UTF-8 terminal and for a plain ASCII one, and no rendered line may
# be wider than 80 columns (an example or message that would spill over
# the edge of a terminal).
# Usage: lint_man.sh GROFF PAGE
set -u
groff=$1
page=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0

"$groff" -man -Tutf8 -ww -z "$page" 2>"$scratch/utf8.err"
status=$?
if [ "$status" -ne 0 ] || [ -s "$scratch/utf8.err" ]; then
  cat "$scratch/utf8.err"
  echo "$page: groff -Tutf8 reported the problems above (status $status)"
  failed=1
fi

"$groff" -man -Tascii -ww -P-cbou "$page" >"$scratch/page.txt" 2>"$scratch/ascii.err"
status=$?
if [ "$status" -ne 0 ] || [ -s "$scratch/ascii.err" ]; then
  cat "$scratch/ascii.err"
  echo "$page: groff -Tascii reported the problems above (status $status)"
  failed=1
fi

if awk 'length($0) > 80 { print "line " FNR ": " $0; wide = 1 } END { exit !wide }' \
    "$scratch/page.txt"; then
  echo "$page: the rendered lines above are wider than 80 columns"
  failed=1
fi

exit "$failed"

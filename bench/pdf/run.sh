#!/bin/sh
# PDF writer benchmark: documents of 1, 100 and 1,000 guide-like pages, the
# writer's whole time and peak memory beside the time zlib alone takes to
# compress the same page content. Goal: the writer within 1.5 times zlib.
set -eu
bin="$1/bin"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for pages in 1 100 1000; do
  echo "-- $pages page(s)"
  "$bin/pdf_bench" writer "$pages" "$out/bench.pdf"
  "$bin/pdf_bench" zlib "$pages"
  echo "file size:  $(wc -c < "$out/bench.pdf") bytes"
done

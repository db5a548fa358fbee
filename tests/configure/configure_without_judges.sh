#!/bin/sh
# Configures the source tree in a scratch folder, with a fresh cache and a
# PATH that holds only what configure itself runs (the assembler, linker and
# archiver behind the compiler, gzip); the usual program folders are
# ignored, so that no outside judge can be found.
# Usage: configure_without_judges.sh CMAKE CTEST SOURCE GENERATOR MAKE CXX
set -eu
cmake=$1 ctest=$2 source=$3 generator=$4 make=$5 cxx=$6
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/bin"
for tool in as ld ar ranlib gzip; do
  ln -s "$(command -v "$tool")" "$scratch/bin/$tool"
done

configure() {
  PATH=$scratch/bin "$cmake" -S "$source" -B "$scratch/build" -G "$generator" \
    -DCMAKE_MAKE_PROGRAM="$make" -DCMAKE_CXX_COMPILER="$cxx" \
    "-DCMAKE_IGNORE_PATH=/usr/local/sbin;/usr/local/bin;/usr/sbin;/usr/bin;/sbin;/bin" "$@" \
    >"$scratch/log" 2>&1
}
fail() {
  cat "$scratch/log"
  echo "configure_without_judges: $1"
  exit 1
}

judges="xmllint qpdf pdfinfo pdftotext mutool gs gpsbabel cs2cs soffice groff dpkg-deb dpkg-shlibdeps lintian ogrinfo ogr2ogr Geo::Coordinates::OSGB gpxpy"

configure -DREQUIRE_JUDGES=OFF || fail "configure failed without the judges"
[ "$(grep -c 'judges' "$scratch/log")" -eq 1 ] || fail "not one line about the judges"
grep -qx -- "-- Outside judges not found, the tests that need them are left out: $judges" "$scratch/log" ||
  fail "the missing judges are not named"
"$ctest" --test-dir "$scratch/build" -N >"$scratch/log" 2>&1 || fail "ctest -N failed"
! grep -q 'docs\.man\.' "$scratch/log" || fail "the manual page tests need groff, yet are registered"

if configure -DREQUIRE_JUDGES=ON; then fail "REQUIRE_JUDGES=ON configured without the judges"; fi
# CMake wraps the error's lines.
tr -s ' \n' '  ' <"$scratch/log" | grep -q "Outside judges of the tests not found: $judges" ||
  fail "REQUIRE_JUDGES=ON did not name the missing judges"
echo "configure_without_judges: passed"

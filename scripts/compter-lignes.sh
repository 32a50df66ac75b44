#!/usr/bin/env bash
# Counts the lines of the tests against the lines of everything else the
# project builds from (src, bench, scripts, cmake, the CMake files): lines that
# are neither blank nor only a comment, in the files git tracks or would.
#   compter-lignes.sh        the two totals and their ratio
#   compter-lignes.sh -v     every test file's count too
set -euo pipefail
cd "$(dirname "$0")/.."

lignes() {
  local fichier=$1 motif
  case $fichier in
    *.cpp | *.h | *.rc) motif='^\s*(//.*)?$' ;;
    *.sh | *.py | *.cmake | *CMakeLists.txt) motif='^\s*(#.*)?$' ;;
    *) motif='^\s*$' ;;
  esac
  grep -Iq . "$fichier" || { echo 0; return; }  # binary: a cursor, an icon
  grep -cvE "$motif" "$fichier" || true
}

somme() {
  local total=0 fichier n
  while IFS= read -r -d '' fichier; do
    [ -f "$fichier" ] || continue  # deleted, not yet committed
    n=$(lignes "$fichier")
    [ "${DETAIL:-}" = 1 ] && printf '%6d %s\n' "$n" "$fichier" >&2
    total=$((total + n))
  done
  echo "$total"
}

[ "${1:-}" = -v ] && export DETAIL=1
tests=$(git ls-files -zco --exclude-standard tests | somme)
code=$(git ls-files -zco --exclude-standard src bench scripts cmake CMakeLists.txt | DETAIL= somme)
echo "tests: $tests lines; code: $code lines; tests/code: $((100 * tests / code)) %"
